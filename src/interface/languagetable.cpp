#include "interface/languagetable.h"

#include "shell/codepage.h"

#include <QFile>

namespace tessera {

namespace {
const QString EndMarker = QStringLiteral(">>>end<<<");
constexpr const char* Files[3] = {"txt_esp.txt", "txt_eng.txt", "txt_por.txt"};
} // namespace

QString LanguageTable::fileName(int language) {
    if (language < 0 || language > 2) return QString();
    return QLatin1String(Files[language]);
}

QString LanguageTable::entryText(const QString& line) {
    QString text;
    text.reserve(line.size());
    bool inComment = false;
    for (QChar c : line) {
        if (inComment) {
            if (c == QLatin1Char('}')) inComment = false;
        } else if (c == QLatin1Char('{')) {
            inComment = true;
        } else {
            text.append(c);
        }
    }
    if (text.endsWith(QLatin1Char('@'))) text.chop(1);
    return text;
}

LanguageTable::LoadResult LanguageTable::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return LoadResult::OpenFailed;
    int slot = 0;
    while (slot < Slots && !file.atEnd()) {
        QByteArray raw = file.readLine();
        if (raw.isEmpty() && file.error() != QFileDevice::NoError) return LoadResult::OpenFailed;
        while (raw.endsWith('\n') || raw.endsWith('\r'))
            raw.chop(1);
        const QString text = entryText(fromCp1252(raw));
        if (text.isEmpty()) continue;
        slots_[slot++] = text.left(EntryLength);
    }
    if (slot < Slots || slots_[Slots - 1] != EndMarker) return LoadResult::BadEndMarker;
    return LoadResult::Ok;
}

QString LanguageTable::entry(int n) const {
    if (n < 1 || n > Slots) return QString();
    return slots_[n - 1];
}

void LanguageTable::setEntry(int n, const QString& text) {
    if (n >= 1 && n <= Slots) slots_[n - 1] = text.left(EntryLength);
}

} // namespace tessera
