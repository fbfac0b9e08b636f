#include "shell/feedback.h"

#include <QRandomGenerator>

namespace tessera {

QDateTime Clock::now() const {
    return QDateTime::currentDateTime();
}

int Random::below(int n) {
    if (n <= 0) return 0;
    if (!seeded_) return static_cast<int>(QRandomGenerator::global()->bounded(n));
    // xorshift32: reproducible after seed(), which the main window does from the clock.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<quint32>(n));
}

void Random::seed(quint32 value) {
    state_ = value ? value : 0x2545F491u;
    seeded_ = true;
}

} // namespace tessera
