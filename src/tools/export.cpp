#include "shell/textfile.h"
#include "tools/bookreader.h"
#include "tools/commands.h"
#include "tools/csv.h"
#include "tools/jsontext.h"
#include "tools/recordfields.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace tessera::tool {

namespace {
struct ExportedRecord {
    QuestionRecord record;
    QString picture; // path of the extracted picture, relative to the output
};

std::optional<std::vector<QuestionRecord>> readRecords(BookReader& reader, QString& error) {
    const auto db = reader.member(Records);
    if (!db) {
        error = QStringLiteral("%1: cannot read the records").arg(reader.path());
        return std::nullopt;
    }
    if (db->size() % rec::Size != 0) {
        error = QStringLiteral("%1: the record member holds %2 bytes, not a whole number of "
                               "2200-byte records")
                    .arg(reader.path())
                    .arg(db->size());
        return std::nullopt;
    }
    std::vector<QuestionRecord> records;
    for (qsizetype at = 0; at < db->size(); at += rec::Size)
        records.push_back(decodeRecord(db->mid(at, rec::Size)));
    return records;
}

// The stored picture of a record: whole blocks from its position, fewer at the end of the store.
std::optional<QByteArray> pictureOf(const QuestionRecord& r, const QByteArray& store) {
    if (r.ImagenTam <= 0 || r.ImagenPos < 0 || r.ImagenPos >= store.size()) return std::nullopt;
    return store.mid(r.ImagenPos, pictureBlocksBytes(r.ImagenTam));
}

bool extractPictures(BookReader& reader, std::vector<ExportedRecord>& records,
                     const QString& folder, const QDir& base, QString& error) {
    const auto store = reader.member(Pictures);
    if (!store || !QDir().mkpath(folder)) {
        error = QStringLiteral("%1: cannot read the pictures into %2").arg(reader.path(), folder);
        return false;
    }
    for (size_t i = 0; i < records.size(); ++i) {
        const QuestionRecord& r = records[i].record;
        if (!r.hasPicture()) continue;
        const auto picture = pictureOf(r, *store);
        if (!picture) {
            error = QStringLiteral("%1: record %2: field ImagenPos: the picture at %3 lies outside "
                                   "the %4-byte picture store")
                        .arg(reader.path())
                        .arg(i + 1)
                        .arg(r.ImagenPos)
                        .arg(store->size());
            return false;
        }
        const QString path = QDir(folder).filePath(
            QStringLiteral("record-%1.jpg").arg(i + 1, 5, 10, QLatin1Char('0')));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*picture) != picture->size()) {
            error = QStringLiteral("%1: cannot write").arg(path);
            return false;
        }
        records[i].picture = QDir::fromNativeSeparators(base.relativeFilePath(path));
    }
    return true;
}

QByteArray asCsv(const std::vector<ExportedRecord>& records, bool withPictures) {
    QStringList header = fieldNames();
    if (withPictures) header << PictureColumn;
    QByteArray out = csvLine(header);
    for (const ExportedRecord& e : records) {
        QStringList row;
        for (const RecordField& f : recordFields())
            row << csvValue(e.record, f);
        if (withPictures) row << e.picture;
        out += csvLine(row);
    }
    return out;
}

QByteArray asJson(const std::vector<ExportedRecord>& records, bool withPictures) {
    if (records.empty()) return "[]\n";
    QByteArray out = "[\n";
    for (size_t i = 0; i < records.size(); ++i) {
        std::vector<JsonMember> members;
        for (const RecordField& f : recordFields())
            members.emplace_back(f.name, jsonScalar(jsonValue(records[i].record, f)));
        if (withPictures) members.emplace_back(PictureColumn, jsonString(records[i].picture));
        out += "  " + jsonObject(members) + (i + 1 < records.size() ? ",\n" : "\n");
    }
    return out + "]\n";
}

bool writeOutput(const QString& path, const QByteArray& bytes, QString& error) {
    if (path.isEmpty()) {
        printOut(bytes);
        return true;
    }
    if (writeFileWhole(path, bytes)) return true;
    error = QStringLiteral("%1: cannot be written").arg(path);
    return false;
}
} // namespace

int runExport(const QString& book, const Options& options) {
    const QString format = options.value(QStringLiteral("format"), QStringLiteral("json"));
    if (format != QLatin1String("json") && format != QLatin1String("csv")) {
        printError(QStringLiteral("--format takes json or csv, not \"%1\"").arg(format));
        return ExitUsage;
    }
    QString error;
    const auto reader = BookReader::open(book, error);
    const auto records = reader ? readRecords(*reader, error) : std::nullopt;
    if (!records) {
        printError(error);
        return ExitBadInput;
    }
    std::vector<ExportedRecord> exported;
    for (const QuestionRecord& r : *records)
        exported.push_back({r, QString()});
    const QString output = options.value(QStringLiteral("output"));
    const QString pictures = options.value(QStringLiteral("pictures"));
    const QDir base(output.isEmpty() ? QDir::currentPath() : QFileInfo(output).absolutePath());
    if (!pictures.isEmpty() && !extractPictures(*reader, exported, pictures, base, error)) {
        printError(error);
        return ExitBadInput;
    }
    const bool withPictures = !pictures.isEmpty();
    const QByteArray bytes = format == QLatin1String("csv") ? asCsv(exported, withPictures)
                                                            : asJson(exported, withPictures);
    if (!writeOutput(output, bytes, error)) {
        printError(error);
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace tessera::tool
