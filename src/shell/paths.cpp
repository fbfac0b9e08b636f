#include "shell/paths.h"

#include <QDir>

namespace tessera {

QString withTrailingSeparator(const QString& dir) {
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        return dir;
    return dir + QDir::separator();
}

QString withoutTrailingSeparator(const QString& dir) {
    QString result = dir;
    while (result.size() > 1 &&
           (result.endsWith(QLatin1Char('/')) || result.endsWith(QLatin1Char('\\'))))
        result.chop(1);
    return result;
}

QString subdirectory(const QString& dir, const QString& name) {
    return withTrailingSeparator(dir) + name + QDir::separator();
}

QString filePath(const QString& dir, const QString& name) {
    return withTrailingSeparator(dir) + name;
}

} // namespace tessera
