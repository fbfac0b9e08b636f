#include "tools/bookreader.h"
#include "tools/commands.h"

#include "bookfiles/binaryfield.h"
#include "bookfiles/history.h"
#include "bookfiles/parameters.h"
#include "bookfiles/questionrecord.h"
#include "shell/datetext.h"

#include <QFile>

namespace tessera::tool {

namespace {
struct ShortStringField {
    const char* name;
    int offset;
    int capacity;
};

std::vector<ShortStringField> shortStrings() {
    std::vector<ShortStringField> fields = {
        {"Tema", rec::Tema, rec::TemaCapacity},
        {"Pregunta", rec::Pregunta, rec::TextCapacity},
        {"Respuesta", rec::Respuesta, rec::TextCapacity},
        {"Historico", rec::Historico, rec::HistoricoCapacity},
        {"Clasificacion", rec::Clasificacion, rec::ClasificacionCapacity}};
    static const char* const options[] = {"Opcion1", "Opcion2", "Opcion3",
                                          "Opcion4", "Opcion5", "Opcion6"};
    for (int i = 0; i < rec::OptionCount; ++i)
        fields.push_back({options[i], rec::Opcion1 + i * rec::OptionStride, rec::TextCapacity});
    return fields;
}

struct NamedOffset {
    const char* name;
    int offset;
};

constexpr std::array<NamedOffset, 9> RecordFlags = {{{"Multiple", rec::Multiple},
                                                     {"ForzarRespuesta", rec::ForzarRespuesta},
                                                     {"VocBasico", rec::VocBasico},
                                                     {"VocExt", rec::VocExt},
                                                     {"Novato", rec::Novato},
                                                     {"NoPreguntar", rec::NoPreguntar},
                                                     {"Comentario", rec::Comentario},
                                                     {"YaEstudiado", rec::YaEstudiado},
                                                     {"MostrarImagen", rec::MostrarImagen}}};

struct Range {
    const char* name;
    int offset;
    int maximum;
};
constexpr std::array<Range, 3> RecordRanges = {{{"Nivel", rec::Nivel, rec::MaxLevel},
                                                {"PregTot", rec::PregTot, rec::MaxCounter},
                                                {"PregOK", rec::PregOK, rec::MaxCounter}}};

constexpr std::array<NamedOffset, 2> RecordTimes = {
    {{"HoraPregunta", rec::HoraPregunta}, {"HoraNovato", rec::HoraNovato}}};

class Checker {
public:
    explicit Checker(const QString& path) : path_(path) {}

    void problem(const QString& text) { problems_ << text; }
    void recordProblem(int n, const char* field, const QString& text) {
        problem(QStringLiteral("record %1: field %2 %3").arg(n).arg(QLatin1String(field), text));
    }

    void header(const BookHeader& h, const QByteArray& plain) {
        if (h.choiceFormat < 1 || h.choiceFormat > 5)
            problem(QStringLiteral("the multiple-choice format is %1, outside 1..5 (it reads as 1)")
                        .arg(h.choiceFormat));
        if (h.coverDesign < 1 || h.coverDesign > 20)
            problem(QStringLiteral("the cover design is %1, outside 1..20").arg(h.coverDesign));
        for (const NamedOffset& f : {NamedOffset{"cover picture", hdr::CoverPicture},
                                     NamedOffset{"title transparent", hdr::TitleTransparent},
                                     NamedOffset{"protected", hdr::Protected}})
            if (bin::u8(plain, f.offset) > 1)
                problem(QStringLiteral("the %1 flag holds %2, not 0 or 1")
                            .arg(QLatin1String(f.name))
                            .arg(bin::u8(plain, f.offset)));
        for (const auto& [name, text] : {std::pair{"creation date", h.created},
                                         std::pair{"last practice date", h.lastPractice}})
            if (!parseDateText(text))
                problem(QStringLiteral("the %1 \"%2\" is not dd/mm/yyyy hh:nn:ss")
                            .arg(QLatin1String(name), text));
    }

    void records(const QByteArray& db, qint64 storeSize) {
        if (db.size() % rec::Size != 0)
            problem(QStringLiteral("database.db holds %1 bytes, not a whole number of 2200-byte "
                                   "records")
                        .arg(db.size()));
        if (db.size() / rec::Size > rec::MaxRecords)
            problem(QStringLiteral("%1 records, more than the %2 a book may hold")
                        .arg(db.size() / rec::Size)
                        .arg(rec::MaxRecords));
        for (qsizetype at = 0; at + rec::Size <= db.size(); at += rec::Size)
            record(int(at / rec::Size) + 1, db.mid(at, rec::Size), storeSize);
    }

    void members(BookReader& reader) {
        const auto parameters = reader.member(Parameters);
        if (parameters &&
            !parseParameters(QString::fromLatin1(*parameters).split(QLatin1Char('\n'))))
            problem(QStringLiteral("paramdb.dat is not 408 lines of whole numbers"));
        const qint64 history = reader.header().members[History].length;
        if (history % day::Size != 0)
            problem(QStringLiteral("historic.db holds %1 bytes, not a whole number of 64-byte "
                                   "days")
                        .arg(history));
        signature(reader, Cover, "\xFF\xD8", "a JPEG picture");
        signature(reader, Thumbnail, "BM", "a BMP picture");
    }

    int report() const {
        for (const QString& p : problems_)
            printOut((path_ + QStringLiteral(": ") + p + QLatin1Char('\n')).toUtf8());
        if (problems_.isEmpty())
            printOut((path_ + QStringLiteral(": no problems found\n")).toUtf8());
        return problems_.isEmpty() ? ExitOk : ExitBadInput;
    }

private:
    void record(int n, const QByteArray& image, qint64 storeSize) {
        for (const ShortStringField& f : shortStrings())
            if (bin::u8(image, f.offset) > f.capacity)
                recordProblem(n, f.name,
                              QStringLiteral("has length %1, over its %2 characters")
                                  .arg(bin::u8(image, f.offset))
                                  .arg(f.capacity));
        for (const NamedOffset& f : RecordFlags)
            if (bin::u8(image, f.offset) > 1)
                recordProblem(n, f.name,
                              QStringLiteral("holds %1, not 0 or 1").arg(bin::u8(image, f.offset)));
        for (const Range& f : RecordRanges) {
            const qint32 value = bin::i32(image, f.offset);
            if (value < 0 || value > f.maximum)
                recordProblem(n, f.name,
                              QStringLiteral("is %1, outside 0..%2").arg(value).arg(f.maximum));
        }
        for (const NamedOffset& f : RecordTimes)
            if (!storedMoment(bin::f64(image, f.offset)))
                recordProblem(n, f.name, QStringLiteral("is not a date"));
        picture(n, bin::i32(image, rec::ImagenPos), bin::i32(image, rec::ImagenTam), storeSize);
    }

    // A stored picture is whole 1024-byte blocks inside the store; only the
    // last block of the store may be short.
    void picture(int n, qint32 position, qint32 stored, qint64 storeSize) {
        if (stored == 0) return;
        if (stored < 0 || stored % rec::PictureBlock != 0) {
            recordProblem(n, "ImagenTam",
                          QStringLiteral("is %1, not a whole number of 1024-byte "
                                         "blocks")
                              .arg(stored));
            return;
        }
        if (position < 0 || position >= storeSize ||
            qint64(position) + stored > storeSize + rec::PictureBlock - 1)
            recordProblem(n, "ImagenPos",
                          QStringLiteral("puts a picture of %1 bytes at %2, outside the %3-byte "
                                         "picture store")
                              .arg(stored)
                              .arg(position)
                              .arg(storeSize));
    }

    void signature(BookReader& reader, int m, const char* magic, const char* what) {
        const auto bytes = reader.member(m);
        if (bytes && !bytes->isEmpty() && !bytes->startsWith(magic))
            problem(QStringLiteral("%1 is not %2").arg(MemberNames[m], QLatin1String(what)));
    }

    QString path_;
    QStringList problems_;
};
} // namespace

int runCheck(const QString& book) {
    Checker checker(book);
    QFile file(book);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: cannot open: %2").arg(book, file.errorString()));
        return ExitBadInput;
    }
    QString error;
    const auto header = readHeader(file, book, error);
    if (!header) {
        checker.problem(QStringLiteral("truncated: %1 bytes, shorter than the 2048-byte header")
                            .arg(file.size()));
        return checker.report();
    }
    if (header->magic != MagicText)
        checker.problem(QStringLiteral("not a Tessera book: the header reads \"%1\" where \"%2\" "
                                       "belongs")
                            .arg(header->magic, MagicText));
    for (const QString& p : layoutProblems(*header, file.size()))
        checker.problem(p);
    if (header->magic != MagicText || !layoutReadable(*header, file.size()))
        return checker.report();

    file.seek(0);
    checker.header(*header, unscrambled(file.read(hdr::BlockSize), header->key));
    const auto reader = BookReader::open(book, error);
    const auto db = reader ? reader->member(Records) : std::nullopt;
    if (!db) {
        printError(error.isEmpty() ? QStringLiteral("%1: cannot read").arg(book) : error);
        return ExitBadInput;
    }
    checker.records(*db, header->members[Pictures].length);
    checker.members(*reader);
    return checker.report();
}

} // namespace tessera::tool
