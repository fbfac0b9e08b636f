#pragma once

#include "bookfiles/questionrecord.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <vector>

namespace tessera::tool {

// The columns of an exported record, in export order, named after the record's fields.
enum class FieldKind { Text, Flag, Integer, Time, StoredPictureSize };

struct RecordField {
    QString name;
    FieldKind kind;
    int capacity = 0; // text
    int option = -1;  // Opcion1..6: 0..5
    int minimum = 0;  // integers
    int maximum = 0;
    QString QuestionRecord::*text = nullptr;
    bool QuestionRecord::*flag = nullptr;
    qint32 QuestionRecord::*integer = nullptr;
    double QuestionRecord::*time = nullptr;
};

const std::vector<RecordField>& recordFields();
const RecordField* findField(const QString& name);
QStringList fieldNames();

// The name of the optional picture column of create's input.
inline const QString PictureColumn = QStringLiteral("Imagen");

// Export forms: CSV text (flags 1/0) and JSON values (flags true/false).
QString csvValue(const QuestionRecord& record, const RecordField& field);
QJsonValue jsonValue(const QuestionRecord& record, const RecordField& field);

// Sets a field from create's input; a description of what is wrong otherwise.
// An input of ImagenTam is accepted and left to the picture.
QString setFromText(QuestionRecord& record, const RecordField& field, const QString& text);
QString setFromJson(QuestionRecord& record, const RecordField& field, const QJsonValue& value);

} // namespace tessera::tool
