#include "shell/context.h"

#include "shell/paths.h"
#include "shell/platform.h"

namespace tessera {

Context::Context(Feedback& feedback, Clock& clock, Random& random, double delayScale)
    : feedback_(&feedback), clock_(&clock), random_(&random), delayScale_(delayScale) {}

void Context::log(const QString& text) {
    if (!eventLog_.enabled()) return;
    eventLog_.append(text, appFile(QStringLiteral("log.txt")));
    delay(10);
}

void Context::delay(double ms) {
    const double wait = ms * delayScale_;
    const quint32 start = tickCount();
    do {
        feedback_->processEvents();
        // Unsigned subtraction keeps the wrap-around of the tick counter harmless.
    } while (static_cast<double>(tickCount() - start) < wait);
}

void Context::terminate() {
    settings.terminateRequested = true;
    settings.fatalError = true;
    feedback_->requestTerminate();
}

QString Context::appFile(const QString& name) const {
    return filePath(settings.appDir, name);
}

double Context::delayScaleFromEnvironment() {
    bool ok = false;
    const double scale = qEnvironmentVariable("TESSERA_DELAY_SCALE").toDouble(&ok);
    return ok && scale >= 0 ? scale : 1.0;
}

} // namespace tessera
