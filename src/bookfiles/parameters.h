#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tessera {

class Context;

// The study parameters of param.dat and paramdb.dat: 408 lines of one decimal
// integer each (pool minimum, pool maximum, the 14 asks, the 196 promotion and
// the 196 demotion cells row by row).
struct StudyParameters {
    static constexpr int Levels = 14;
    static constexpr int LineCount = 2 + Levels + 2 * Levels * Levels;
    static constexpr quint8 NotUsed = 100;
    using Table = std::array<std::array<quint8, Levels>, Levels>; // [current][target]

    quint16 poolMin = 0;
    quint16 poolMax = 0;
    std::array<quint8, Levels> asks{};
    Table promote{}; // B
    Table demote{};  // C

    bool operator==(const StudyParameters&) const = default;
};

// Empty when a line is missing or not a whole number. Table values keep their
// low 8 bits and pool bounds their low 16 bits, as the files have always been read.
std::optional<StudyParameters> parseParameters(const QStringList& lines);
QStringList formatParameters(const StudyParameters& parameters);

// The error number names the reader or writer (31 opening a book, 34 the grid
// loader, 35 the grid writer, 18/36 the defaults).
std::optional<StudyParameters> readParameters(Context& ctx, const QString& path, int errorNumber);
bool writeParameters(Context& ctx, const QString& path, const StudyParameters& parameters,
                     int errorNumber);

} // namespace tessera
