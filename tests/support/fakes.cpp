#include "support/fakes.h"

namespace tessera::test {

int FakeFeedback::showMessage(const QString& text, MessageKind kind) {
    messages.append({text, kind});
    if (kind != MessageKind::Question) return AnswerOk;
    if (answers.empty()) return AnswerNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace tessera::test
