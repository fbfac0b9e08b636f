#include "shell/access.h"

#include "shell/context.h"

namespace tessera {

namespace {
constexpr int MaxAttempts = 10;
constexpr int LostConnectionAfter = 9;
} // namespace

bool withAccessRule(Context& ctx, const std::function<Attempt()>& attempt) {
    for (int n = 1; n <= MaxAttempts; ++n) {
        switch (attempt()) {
        case Attempt::Done:
            return true;
        case Attempt::Stop:
            return false;
        case Attempt::Retry:
            break;
        }
        ctx.delay(75 + ctx.random().below(25));
        if (n == LostConnectionAfter) ctx.feedback().connectionLost();
    }
    return false;
}

} // namespace tessera
