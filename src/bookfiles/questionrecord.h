#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace tessera {

// The 2200-byte question record of database.db. Field names are the record's own.
namespace rec {
constexpr int Size = 2200;
constexpr int MaxRecords = 16768;
constexpr int OptionCount = 6;

constexpr int Tema = 0, TemaCapacity = 24;
constexpr int Pregunta = 25, TextCapacity = 255;
constexpr int Respuesta = 281;
constexpr int Multiple = 537;
constexpr int Opcion1 = 538, OptionStride = 256; // Opcion1..Opcion6, one after another
constexpr int Nivel = 2076;
constexpr int PregTot = 2080;
constexpr int PregOK = 2084;
constexpr int ForzarRespuesta = 2088;
constexpr int Historico = 2089, HistoricoCapacity = 10;
constexpr int HoraPregunta = 2104;
constexpr int VocBasico = 2112;
constexpr int VocExt = 2113;
constexpr int Novato = 2114;
constexpr int HoraNovato = 2120;
constexpr int Reserved = 2128, ReservedCapacity = 40;
constexpr int NoPreguntar = 2169;
constexpr int Clasificacion = 2170, ClasificacionCapacity = 16;
constexpr int Comentario = 2187;
constexpr int YaEstudiado = 2188;
constexpr int MostrarImagen = 2189;
constexpr int ImagenPos = 2192;
constexpr int ImagenTam = 2196;

constexpr int PictureBlock = 1024;
constexpr int MaxLevel = 13;
constexpr int MaxCounter = 255;
} // namespace rec

struct QuestionRecord {
    QString Tema;
    QString Pregunta;
    QString Respuesta;
    bool Multiple = false;
    std::array<QString, rec::OptionCount> Opcion; // Opcion1..Opcion6
    qint32 Nivel = 0;
    qint32 PregTot = 0;
    qint32 PregOK = 0;
    bool ForzarRespuesta = false;
    QString Historico;
    double HoraPregunta = 0; // days since 1899-12-30, as stored
    bool VocBasico = false;
    bool VocExt = false;
    bool Novato = false;
    double HoraNovato = 0;
    bool NoPreguntar = false;
    QString Clasificacion;
    bool Comentario = false;
    bool YaEstudiado = false;
    bool MostrarImagen = false;
    qint32 ImagenPos = 0;
    qint32 ImagenTam = 0; // 0: no picture

    bool hasPicture() const { return ImagenTam != 0; }
    bool operator==(const QuestionRecord&) const = default;
};

// The values of a record that has just been made; the caller sets Tema.
QuestionRecord newRecord(const QDateTime& now);

QuestionRecord decodeRecord(const QByteArray& image);
// Gaps and unused string bytes are written as zeros.
QByteArray encodeRecord(const QuestionRecord& record);

// A text field that cannot be stored as it is; encodeRecord would change it.
struct FieldProblem {
    QString field;
    QString words;
};
std::optional<FieldProblem> recordProblem(const QuestionRecord& record);

// The stored length of a picture of the given size: whole 1024-byte blocks.
qint32 pictureBlocksBytes(qint64 pictureSize);

// A stored date/time as a moment; empty for a value no calendar holds
// (a damaged record).
std::optional<QDateTime> storedMoment(double days);

} // namespace tessera
