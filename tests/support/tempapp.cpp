#include "support/tempapp.h"

#include "shell/codepage.h"
#include "shell/paths.h"

#include <QDir>
#include <QFile>

namespace tessera::test {

TempApp::TempApp() : ctx(feedback, clock, random, 0.0) {
    ctx.settings.appDir = withTrailingSeparator(QDir::toNativeSeparators(dir.path()));
    ctx.settings.initialise(clock.moment);
    for (int n = 1; n <= 621; ++n)
        ctx.language.setEntry(n, QStringLiteral("E%1").arg(n));
    ctx.eventLog().setEnabled(true);
}

QString TempApp::path(const QString& name) const {
    return QDir(dir.path()).filePath(name);
}

void TempApp::write(const QString& name, const QByteArray& content) const {
    QFile file(path(name));
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (file.open(QIODevice::WriteOnly)) file.write(content);
}

QByteArray TempApp::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempApp::install(const QStringList& names) const {
    for (const QString& name : names) {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile::copy(QStringLiteral(TESSERA_DATA_DIR "/") + name, path(name));
    }
}

QStringList TempApp::logLines() const {
    const QString text = fromCp1252(read(QStringLiteral("log.txt")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace tessera::test
