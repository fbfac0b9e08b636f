#include "bookfiles/parameters.h"

#include "shell/context.h"
#include "shell/errors.h"
#include "shell/textfile.h"

namespace tessera {

namespace {
std::optional<qint64> wholeNumber(const QString& line) {
    bool ok = false;
    const qint64 value = line.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// Reads the lines in file order into the cells they stand for.
class LineReader {
public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}
    bool next(qint64& value) {
        if (at_ >= lines_.size()) return false;
        const auto number = wholeNumber(lines_[at_++]);
        if (!number) return false;
        value = *number;
        return true;
    }
    bool byte(quint8& cell) {
        qint64 value = 0;
        if (!next(value)) return false;
        cell = static_cast<quint8>(value & 0xFF);
        return true;
    }
    bool table(StudyParameters::Table& table) {
        for (auto& row : table)
            for (quint8& cell : row)
                if (!byte(cell)) return false;
        return true;
    }

private:
    const QStringList& lines_;
    qsizetype at_ = 0;
};

void appendTable(QStringList& lines, const StudyParameters::Table& table) {
    for (const auto& row : table)
        for (quint8 cell : row)
            lines << QString::number(cell);
}
} // namespace

std::optional<StudyParameters> parseParameters(const QStringList& lines) {
    StudyParameters p;
    LineReader reader(lines);
    qint64 poolMin = 0;
    qint64 poolMax = 0;
    if (!reader.next(poolMin) || !reader.next(poolMax)) return std::nullopt;
    p.poolMin = static_cast<quint16>(poolMin & 0xFFFF);
    p.poolMax = static_cast<quint16>(poolMax & 0xFFFF);
    for (quint8& cell : p.asks)
        if (!reader.byte(cell)) return std::nullopt;
    if (!reader.table(p.promote) || !reader.table(p.demote)) return std::nullopt;
    return p;
}

QStringList formatParameters(const StudyParameters& p) {
    QStringList lines{QString::number(p.poolMin), QString::number(p.poolMax)};
    for (quint8 cell : p.asks)
        lines << QString::number(cell);
    appendTable(lines, p.promote);
    appendTable(lines, p.demote);
    return lines;
}

std::optional<StudyParameters> readParameters(Context& ctx, const QString& path, int errorNumber) {
    if (ctx.settings.fatalError) return std::nullopt;
    const auto lines = readTextLines(path);
    const auto parameters = lines ? parseParameters(*lines) : std::nullopt;
    if (!parameters) reportError(ctx, errorNumber);
    return parameters;
}

bool writeParameters(Context& ctx, const QString& path, const StudyParameters& parameters,
                     int errorNumber) {
    if (ctx.settings.fatalError) return false;
    if (writeTextLines(path, formatParameters(parameters))) return true;
    reportError(ctx, errorNumber);
    return false;
}

} // namespace tessera
