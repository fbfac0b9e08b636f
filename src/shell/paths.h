#pragma once

#include <QString>

namespace tessera {

// Directories are held with a trailing separator; these helpers build paths
// with the platform separator so that "folder\" in the file formats becomes
// "folder/" here and "folder\" on Windows.
QString withTrailingSeparator(const QString& dir);
QString withoutTrailingSeparator(const QString& dir);
QString subdirectory(const QString& dir, const QString& name); // dir + name + separator
QString filePath(const QString& dir, const QString& name);     // dir + name

} // namespace tessera
