#include "tools/commands.h"
#include "tools/csv.h"
#include "tools/jsontext.h"
#include "tools/recordfields.h"

#include "bookfiles/container.h"
#include "bookfiles/parameters.h"
#include "shell/datetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace tessera::tool {

namespace {
// A failure with the exit code it calls for.
struct Failure {
    int exit = ExitOk;
    QString message;
    explicit operator bool() const { return exit != ExitOk; }
};

Failure badInput(const QString& message) {
    return {ExitBadInput, message};
}

Failure usage(const QString& message) {
    return {ExitUsage, message};
}

struct InputRecord {
    QuestionRecord record;
    QString picture; // absolute path, empty for none
    QString where;   // "FILE: line N" or "FILE: record N"
};

std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QString resolvePicture(const QString& input, const QString& picture) {
    if (picture.isEmpty()) return QString();
    return QFileInfo(QFileInfo(input).absoluteDir(), picture).absoluteFilePath();
}

Failure checkColumns(const QString& where, const QStringList& names) {
    QStringList seen;
    for (const QString& name : names) {
        if (name != PictureColumn && !findField(name))
            return badInput(
                QStringLiteral("%1: unknown field \"%2\"; the fields are %3 and %4")
                    .arg(where, name, fieldNames().join(QStringLiteral(", ")), PictureColumn));
        if (seen.contains(name))
            return badInput(QStringLiteral("%1: field %2 appears twice").arg(where, name));
        seen << name;
    }
    for (const char* required : {"Tema", "Pregunta", "Respuesta"})
        if (!names.contains(QLatin1String(required)))
            return badInput(
                QStringLiteral("%1: the field %2 is required").arg(where, QLatin1String(required)));
    return {};
}

Failure readCsvInput(const QString& path, const QByteArray& bytes, const QDateTime& now,
                     std::vector<InputRecord>& records) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    // A spreadsheet may save its CSV in another encoding; say so rather than store U+FFFD.
    if (utf8.hasError())
        return badInput(
            QStringLiteral("%1: line %2: not UTF-8 text; save the CSV as UTF-8")
                .arg(path)
                .arg(text.left(text.indexOf(QChar(0xFFFD))).count(QLatin1Char('\n')) + 1));
    std::vector<CsvRow> rows;
    QString error;
    if (!parseCsv(text, rows, error)) return badInput(QStringLiteral("%1: %2").arg(path, error));
    if (rows.empty()) return badInput(QStringLiteral("%1: no header row").arg(path));
    const QStringList header = rows.front().fields;
    if (const Failure f = checkColumns(QStringLiteral("%1: line 1").arg(path), header)) return f;
    for (size_t i = 1; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        InputRecord input{newRecord(now), QString(),
                          QStringLiteral("%1: line %2").arg(path).arg(row.line)};
        if (row.fields.size() != header.size())
            return badInput(QStringLiteral("%1: %2 fields where the header has %3")
                                .arg(input.where)
                                .arg(row.fields.size())
                                .arg(header.size()));
        for (int c = 0; c < header.size(); ++c) {
            if (header[c] == PictureColumn) {
                input.picture = resolvePicture(path, row.fields[c].trimmed());
                continue;
            }
            const QString problem = setFromText(input.record, *findField(header[c]), row.fields[c]);
            if (!problem.isEmpty())
                return badInput(
                    QStringLiteral("%1: field %2 %3").arg(input.where, header[c], problem));
        }
        records.push_back(input);
    }
    return {};
}

Failure readJsonRecord(const QString& path, const QJsonValue& value, int n, const QDateTime& now,
                       std::vector<InputRecord>& records) {
    InputRecord input{newRecord(now), QString(), QStringLiteral("%1: record %2").arg(path).arg(n)};
    if (!value.isObject()) return badInput(input.where + QStringLiteral(": not an object"));
    const QJsonObject object = value.toObject();
    if (const Failure f = checkColumns(input.where, object.keys())) return f;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == PictureColumn) {
            if (!it.value().isString() && !it.value().isNull())
                return badInput(
                    QStringLiteral("%1: field %2 expected a path").arg(input.where, PictureColumn));
            input.picture = resolvePicture(path, it.value().toString().trimmed());
            continue;
        }
        const QString problem = setFromJson(input.record, *findField(it.key()), it.value());
        if (!problem.isEmpty())
            return badInput(QStringLiteral("%1: field %2 %3").arg(input.where, it.key(), problem));
    }
    records.push_back(input);
    return {};
}

Failure readJsonInput(const QString& path, const QByteArray& bytes, const QDateTime& now,
                      std::vector<InputRecord>& records) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return badInput(QStringLiteral("%1: line %2: %3")
                            .arg(path)
                            .arg(lineOfOffset(bytes, error.offset))
                            .arg(error.errorString()));
    const QJsonArray array =
        doc.isArray() ? doc.array() : doc.object().value(QStringLiteral("records")).toArray();
    if (!doc.isArray() && !doc.object().value(QStringLiteral("records")).isArray())
        return badInput(QStringLiteral("%1: expected an array of records").arg(path));
    for (qsizetype i = 0; i < array.size(); ++i)
        if (const Failure f = readJsonRecord(path, array[i], int(i + 1), now, records)) return f;
    return {};
}

Failure readInput(const QString& path, const QDateTime& now, std::vector<InputRecord>& records) {
    if (path.isEmpty()) return {}; // a book without records
    const auto bytes = readFile(path);
    if (!bytes) return badInput(QStringLiteral("%1: cannot read").arg(path));
    const Failure f = path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                          ? readJsonInput(path, *bytes, now, records)
                          : readCsvInput(path, *bytes, now, records);
    if (f) return f;
    if (records.size() > size_t(rec::MaxRecords))
        return badInput(QStringLiteral("%1: %2 records; a book holds at most %3")
                            .arg(path)
                            .arg(records.size())
                            .arg(rec::MaxRecords));
    return {};
}

// The records and the picture store as a fresh book lays them out: each
// picture right after the one before, its stored size in whole 1024-byte blocks.
Failure buildRecordFiles(std::vector<InputRecord>& records, QByteArray& db, QByteArray& mb) {
    for (InputRecord& input : records) {
        if (!input.picture.isEmpty()) {
            const auto picture = readFile(input.picture);
            if (!picture)
                return badInput(QStringLiteral("%1: field %2: the picture %3 cannot be read")
                                    .arg(input.where, PictureColumn, input.picture));
            if (!picture->startsWith("\xFF\xD8"))
                return badInput(QStringLiteral("%1: field %2: %3 is not a JPEG picture")
                                    .arg(input.where, PictureColumn, input.picture));
            if (mb.size() + picture->size() > std::numeric_limits<qint32>::max())
                return badInput(QStringLiteral("%1: field %2: the picture store would pass 2 GiB")
                                    .arg(input.where, PictureColumn));
            input.record.ImagenPos = static_cast<qint32>(mb.size());
            input.record.ImagenTam = pictureBlocksBytes(picture->size());
            mb += *picture;
        } else {
            input.record.ImagenPos = 0;
            input.record.ImagenTam = 0;
        }
        db += encodeRecord(input.record);
    }
    return {};
}

// Book information from the options.
struct TextOption {
    const char* option;
    QString BookHeader::*field;
};
const std::array<TextOption, 10> TextOptions = {{
    {"title", &BookHeader::title},
    {"author", &BookHeader::author},
    {"author-data", &BookHeader::authorData},
    {"email", &BookHeader::email},
    {"category", &BookHeader::category},
    {"version", &BookHeader::version},
    {"summary", &BookHeader::summary},
    {"password", &BookHeader::password},
    {"created", &BookHeader::created},
    {"last-practice", &BookHeader::lastPractice},
}};

struct NumberOption {
    const char* option;
    quint32 BookHeader::*field;
};
const std::array<NumberOption, 3> ColourOptions = {{
    {"cover-colour", &BookHeader::coverColour},
    {"title-background", &BookHeader::titleBackground},
    {"title-font", &BookHeader::titleFont},
}};

struct FlagOption {
    const char* option;
    bool BookHeader::*field;
};
const std::array<FlagOption, 2> FlagOptions = {{
    {"cover-picture", &BookHeader::coverPicture},
    {"title-transparent", &BookHeader::titleTransparent},
}};

// Memo texts keep their line breaks as CR LF.
QString memoText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

std::optional<qint64> numberOption(const Options& options, const char* name, qint64 low,
                                   qint64 high) {
    bool ok = false;
    const qint64 value = options.value(QLatin1String(name)).toLongLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

Failure applyKey(const Options& options, BookHeader& h) {
    if (!options.contains(QStringLiteral("key"))) {
        h.key = drawKey([](int n) { return int(QRandomGenerator::global()->bounded(n)); });
        return {};
    }
    const QByteArray hex = options.value(QStringLiteral("key")).toLatin1();
    const QByteArray bytes = QByteArray::fromHex(hex);
    if (hex.size() != 16 || bytes.size() != 8 || bytes.toHex() != hex.toLower())
        return usage(QStringLiteral("--key takes 16 hexadecimal digits"));
    for (int i = 0; i < 8; ++i)
        h.key[i] = quint8(bytes[i]);
    return {};
}

Failure applyNumbers(const Options& options, BookHeader& h) {
    for (const NumberOption& o : ColourOptions) {
        if (!options.contains(QLatin1String(o.option))) continue;
        const auto value = numberOption(options, o.option, 0, 0xFFFFFFFFLL);
        if (!value)
            return usage(QStringLiteral("--%1 takes a colour value 0..4294967295")
                             .arg(QLatin1String(o.option)));
        h.*o.field = quint32(*value);
    }
    for (const FlagOption& o : FlagOptions) {
        if (!options.contains(QLatin1String(o.option))) continue;
        const QString v = options.value(QLatin1String(o.option)).toLower();
        if (v != QLatin1String("true") && v != QLatin1String("false") && v != QLatin1String("1") &&
            v != QLatin1String("0"))
            return usage(QStringLiteral("--%1 takes true or false").arg(QLatin1String(o.option)));
        h.*o.field = v == QLatin1String("true") || v == QLatin1String("1");
    }
    struct ByteOption {
        const char* option;
        quint8 BookHeader::*field;
        int low, high;
    };
    for (const ByteOption& o : {ByteOption{"cover-design", &BookHeader::coverDesign, 1, 20},
                                ByteOption{"choice-format", &BookHeader::choiceFormat, 1, 5}}) {
        if (!options.contains(QLatin1String(o.option))) continue;
        const auto value = numberOption(options, o.option, o.low, o.high);
        if (!value)
            return usage(QStringLiteral("--%1 takes a number %2..%3")
                             .arg(QLatin1String(o.option))
                             .arg(o.low)
                             .arg(o.high));
        h.*o.field = quint8(*value);
    }
    return {};
}

Failure applyTexts(const Options& options, BookHeader& h) {
    for (const TextOption& o : TextOptions)
        if (options.contains(QLatin1String(o.option)))
            h.*o.field = options.value(QLatin1String(o.option));
    if (options.contains(QStringLiteral("summary-file"))) {
        const auto bytes = readFile(options.value(QStringLiteral("summary-file")));
        if (!bytes)
            return badInput(QStringLiteral("%1: cannot read")
                                .arg(options.value(QStringLiteral("summary-file"))));
        h.summary = QString::fromUtf8(*bytes).trimmed();
    }
    h.summary = memoText(h.summary);
    h.authorData = memoText(h.authorData);
    h.isProtected = !h.password.isEmpty();
    for (const auto& [option, field] : {std::pair{"created", &BookHeader::created},
                                        std::pair{"last-practice", &BookHeader::lastPractice}}) {
        if (!options.contains(QLatin1String(option))) continue;
        const auto moment = parseDateText(options.value(QLatin1String(option)));
        if (!moment)
            return usage(QStringLiteral("--%1 takes a time as \"dd/mm/yyyy hh:nn:ss\"")
                             .arg(QLatin1String(option)));
        h.*field = dateText(*moment); // the 19-character form, whatever was typed
    }
    if (const auto problem = headerProblem(h)) {
        QString option = problem->field;
        for (const TextOption& o : TextOptions)
            if (QString(QLatin1String(o.option))
                    .remove(QLatin1Char('-'))
                    .compare(problem->field, Qt::CaseInsensitive) == 0)
                option = QLatin1String(o.option);
        return badInput(QStringLiteral("--%1: the text %2").arg(option, problem->words));
    }
    return {};
}

Failure buildHeader(const Options& options, const QDateTime& now, BookHeader& h) {
    h.created = dateText(now);
    h.lastPractice = dateText(now);
    if (const Failure f = applyKey(options, h)) return f;
    if (const Failure f = applyNumbers(options, h)) return f;
    return applyTexts(options, h);
}

std::optional<QDateTime> nowFrom(const Options& options) {
    if (!options.contains(QStringLiteral("now"))) return QDateTime::currentDateTime();
    return parseDateText(options.value(QStringLiteral("now")));
}

QString installed(const QString& name) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo::exists(path) ? path : QString();
}

Failure parametersMember(const Options& options, QByteArray& member) {
    const QString path =
        options.value(QStringLiteral("params"), installed(QStringLiteral("param.dat")));
    if (path.isEmpty())
        return badInput(QStringLiteral("no study parameters: give --params FILE (param.dat is not "
                                       "beside the tool)"));
    const auto bytes = readFile(path);
    if (!bytes) return badInput(QStringLiteral("%1: cannot read").arg(path));
    const auto parameters = parseParameters(QString::fromLatin1(*bytes).split(QLatin1Char('\n')));
    if (!parameters)
        return badInput(QStringLiteral("%1: not a parameter file of 408 whole numbers").arg(path));
    member = formatParameters(*parameters).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    return {};
}

Failure optionalMember(const Options& options, const char* option, const QString& fallback,
                       QByteArray& member) {
    const QString path = options.value(QLatin1String(option), fallback);
    if (path.isEmpty()) return {};
    const auto bytes = readFile(path);
    if (!bytes)
        return badInput(QStringLiteral("--%1: %2 cannot be read").arg(QLatin1String(option), path));
    member = *bytes;
    return {};
}

Failure notepadMember(const Options& options, QByteArray& member) {
    QByteArray text;
    if (const Failure f = optionalMember(options, "notepad", QString(), text)) return f;
    const auto bytes = encodeNotepad(QString::fromUtf8(text));
    if (!bytes)
        return badInput(QStringLiteral("--notepad: the text holds a character that Windows-1252 "
                                       "cannot represent"));
    member = *bytes;
    return {};
}

Failure writeMembers(const QDir& dir, const std::array<QByteArray, hdr::MemberCount>& members) {
    for (int m = 0; m < hdr::MemberCount; ++m) {
        QFile file(dir.filePath(MemberNames[m]));
        if (!file.open(QIODevice::WriteOnly) || file.write(members[m]) != members[m].size())
            return badInput(
                QStringLiteral("cannot write the temporary file %1").arg(file.fileName()));
    }
    return {};
}

Failure create(const QString& book, const Options& options) {
    const auto now = nowFrom(options);
    if (!now) return usage(QStringLiteral("--now takes a time as \"dd/mm/yyyy hh:nn:ss\""));
    BookHeader header;
    if (const Failure f = buildHeader(options, *now, header)) return f;
    std::vector<InputRecord> records;
    if (const Failure f = readInput(options.value(QStringLiteral("from")), *now, records)) return f;
    std::array<QByteArray, hdr::MemberCount> members;
    if (const Failure f = buildRecordFiles(records, members[Records], members[Pictures])) return f;
    if (const Failure f = parametersMember(options, members[Parameters])) return f;
    if (const Failure f = notepadMember(options, members[Notepad])) return f;
    if (const Failure f = optionalMember(options, "cover", QString(), members[Cover])) return f;
    if (const Failure f = optionalMember(options, "image", installed(QStringLiteral("image_p.bmp")),
                                         members[Thumbnail]))
        return f;

    QTemporaryDir work;
    if (!work.isValid()) return badInput(QStringLiteral("cannot make a temporary folder"));
    const QDir dir(work.path());
    if (const Failure f = writeMembers(dir, members)) return f;
    ContainerWrite write{book, header, {}, {}, -1};
    for (int m = 0; m < hdr::MemberCount; ++m)
        write.sources[m] = dir.filePath(MemberNames[m]);
    if (!writeContainer(write).ok())
        return badInput(QStringLiteral("%1: cannot write the book").arg(book));
    return {};
}
} // namespace

int runCreate(const QString& book, const Options& options) {
    const Failure f = create(book, options);
    if (f) printError(f.message);
    return f.exit;
}

} // namespace tessera::tool
