#include "bookfiles/questionrecord.h"

#include "bookfiles/binaryfield.h"
#include "shell/datetext.h"

#include <cmath>
#include <limits>

namespace tessera {

namespace {
// Year 1 to year 9999 in days from 1899-12-30; beyond that the value is not a date.
constexpr double EarliestDay = -693593;
constexpr double LatestDay = 2958466;

struct TextField {
    const char* name;
    int offset;
    int capacity;
    QString QuestionRecord::*text;
};

const std::array<TextField, 5> SingleTexts = {{
    {"Tema", rec::Tema, rec::TemaCapacity, &QuestionRecord::Tema},
    {"Pregunta", rec::Pregunta, rec::TextCapacity, &QuestionRecord::Pregunta},
    {"Respuesta", rec::Respuesta, rec::TextCapacity, &QuestionRecord::Respuesta},
    {"Historico", rec::Historico, rec::HistoricoCapacity, &QuestionRecord::Historico},
    {"Clasificacion", rec::Clasificacion, rec::ClasificacionCapacity,
     &QuestionRecord::Clasificacion},
}};

struct FlagField {
    int offset;
    bool QuestionRecord::*value;
};

const std::array<FlagField, 9> Flags = {{
    {rec::Multiple, &QuestionRecord::Multiple},
    {rec::ForzarRespuesta, &QuestionRecord::ForzarRespuesta},
    {rec::VocBasico, &QuestionRecord::VocBasico},
    {rec::VocExt, &QuestionRecord::VocExt},
    {rec::Novato, &QuestionRecord::Novato},
    {rec::NoPreguntar, &QuestionRecord::NoPreguntar},
    {rec::Comentario, &QuestionRecord::Comentario},
    {rec::YaEstudiado, &QuestionRecord::YaEstudiado},
    {rec::MostrarImagen, &QuestionRecord::MostrarImagen},
}};

struct IntField {
    int offset;
    qint32 QuestionRecord::*value;
};

const std::array<IntField, 5> Integers = {{
    {rec::Nivel, &QuestionRecord::Nivel},
    {rec::PregTot, &QuestionRecord::PregTot},
    {rec::PregOK, &QuestionRecord::PregOK},
    {rec::ImagenPos, &QuestionRecord::ImagenPos},
    {rec::ImagenTam, &QuestionRecord::ImagenTam},
}};

int optionOffset(int i) {
    return rec::Opcion1 + i * rec::OptionStride;
}
} // namespace

QuestionRecord newRecord(const QDateTime& now) {
    QuestionRecord record;
    record.Historico = QStringLiteral("__________");
    record.HoraPregunta = toDayCount(now);
    record.HoraNovato = record.HoraPregunta;
    return record;
}

QuestionRecord decodeRecord(const QByteArray& image) {
    Q_ASSERT(image.size() >= rec::Size);
    QuestionRecord record;
    for (const TextField& f : SingleTexts)
        record.*f.text = bin::shortString(image, f.offset, f.capacity);
    for (int i = 0; i < rec::OptionCount; ++i)
        record.Opcion[i] = bin::shortString(image, optionOffset(i), rec::TextCapacity);
    for (const FlagField& f : Flags)
        record.*f.value = bin::flag(image, f.offset);
    for (const IntField& f : Integers)
        record.*f.value = bin::i32(image, f.offset);
    record.HoraPregunta = bin::f64(image, rec::HoraPregunta);
    record.HoraNovato = bin::f64(image, rec::HoraNovato);
    return record;
}

QByteArray encodeRecord(const QuestionRecord& record) {
    QByteArray image(rec::Size, '\0');
    for (const TextField& f : SingleTexts)
        bin::setShortString(image, f.offset, f.capacity, record.*f.text);
    for (int i = 0; i < rec::OptionCount; ++i)
        bin::setShortString(image, optionOffset(i), rec::TextCapacity, record.Opcion[i]);
    for (const FlagField& f : Flags)
        bin::setFlag(image, f.offset, record.*f.value);
    for (const IntField& f : Integers)
        bin::setI32(image, f.offset, record.*f.value);
    bin::setF64(image, rec::HoraPregunta, record.HoraPregunta);
    bin::setF64(image, rec::HoraNovato, record.HoraNovato);
    // The reserved string stays empty: its length byte is already 0.
    return image;
}

std::optional<FieldProblem> recordProblem(const QuestionRecord& record) {
    for (const TextField& f : SingleTexts) {
        const auto problem = bin::ansiProblem(record.*f.text, f.capacity);
        if (problem != bin::TextProblem::None)
            return FieldProblem{QLatin1String(f.name), bin::textProblemWords(problem, f.capacity)};
    }
    for (int i = 0; i < rec::OptionCount; ++i) {
        const auto problem = bin::ansiProblem(record.Opcion[i], rec::TextCapacity);
        if (problem != bin::TextProblem::None)
            return FieldProblem{QStringLiteral("Opcion%1").arg(i + 1),
                                bin::textProblemWords(problem, rec::TextCapacity)};
    }
    return std::nullopt;
}

qint32 pictureBlocksBytes(qint64 pictureSize) {
    // A damaged size near 2 GiB stays within the 32-bit field instead of wrapping.
    constexpr qint64 Largest =
        (std::numeric_limits<qint32>::max() / rec::PictureBlock) * rec::PictureBlock;
    const qint64 blocks =
        (std::max<qint64>(0, pictureSize) + rec::PictureBlock - 1) / rec::PictureBlock;
    return static_cast<qint32>(std::min(blocks * rec::PictureBlock, Largest));
}

std::optional<QDateTime> storedMoment(double days) {
    if (!std::isfinite(days) || days < EarliestDay || days > LatestDay) return std::nullopt;
    return fromDayCount(days);
}

} // namespace tessera
