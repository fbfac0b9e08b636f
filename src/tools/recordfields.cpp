#include "tools/recordfields.h"

#include "bookfiles/binaryfield.h"
#include "shell/datetext.h"

#include <cmath>

namespace tessera::tool {

namespace {
RecordField text(const char* name, QString QuestionRecord::*member, int capacity) {
    RecordField f{QLatin1String(name), FieldKind::Text};
    f.text = member;
    f.capacity = capacity;
    return f;
}

RecordField option(int i) {
    RecordField f{QStringLiteral("Opcion%1").arg(i + 1), FieldKind::Text};
    f.option = i;
    f.capacity = rec::TextCapacity;
    return f;
}

RecordField flag(const char* name, bool QuestionRecord::*member) {
    RecordField f{QLatin1String(name), FieldKind::Flag};
    f.flag = member;
    return f;
}

RecordField integer(const char* name, qint32 QuestionRecord::*member, int maximum) {
    RecordField f{QLatin1String(name), FieldKind::Integer};
    f.integer = member;
    f.maximum = maximum;
    return f;
}

RecordField time(const char* name, double QuestionRecord::*member) {
    RecordField f{QLatin1String(name), FieldKind::Time};
    f.time = member;
    return f;
}

std::vector<RecordField> buildFields() {
    std::vector<RecordField> fields = {
        text("Tema", &QuestionRecord::Tema, rec::TemaCapacity),
        text("Pregunta", &QuestionRecord::Pregunta, rec::TextCapacity),
        text("Respuesta", &QuestionRecord::Respuesta, rec::TextCapacity),
        flag("Multiple", &QuestionRecord::Multiple),
    };
    for (int i = 0; i < rec::OptionCount; ++i)
        fields.push_back(option(i));
    const std::vector<RecordField> rest = {
        integer("Nivel", &QuestionRecord::Nivel, rec::MaxLevel),
        integer("PregTot", &QuestionRecord::PregTot, rec::MaxCounter),
        integer("PregOK", &QuestionRecord::PregOK, rec::MaxCounter),
        flag("ForzarRespuesta", &QuestionRecord::ForzarRespuesta),
        text("Historico", &QuestionRecord::Historico, rec::HistoricoCapacity),
        time("HoraPregunta", &QuestionRecord::HoraPregunta),
        flag("VocBasico", &QuestionRecord::VocBasico),
        flag("VocExt", &QuestionRecord::VocExt),
        flag("Novato", &QuestionRecord::Novato),
        time("HoraNovato", &QuestionRecord::HoraNovato),
        flag("NoPreguntar", &QuestionRecord::NoPreguntar),
        text("Clasificacion", &QuestionRecord::Clasificacion, rec::ClasificacionCapacity),
        flag("Comentario", &QuestionRecord::Comentario),
        flag("YaEstudiado", &QuestionRecord::YaEstudiado),
        flag("MostrarImagen", &QuestionRecord::MostrarImagen),
        RecordField{QStringLiteral("ImagenTam"), FieldKind::StoredPictureSize},
    };
    fields.insert(fields.end(), rest.begin(), rest.end());
    return fields;
}

QString& textOf(QuestionRecord& record, const RecordField& field) {
    return field.option >= 0 ? record.Opcion[field.option] : record.*field.text;
}

const QString& textOf(const QuestionRecord& record, const RecordField& field) {
    return field.option >= 0 ? record.Opcion[field.option] : record.*field.text;
}

QString timeText(double days) {
    const auto moment = storedMoment(days);
    return moment ? dateText(*moment) : QString();
}

QString setText(QuestionRecord& record, const RecordField& field, const QString& value) {
    const auto problem = bin::ansiProblem(value, field.capacity);
    if (problem != bin::TextProblem::None) return bin::textProblemWords(problem, field.capacity);
    textOf(record, field) = value;
    return QString();
}

QString setInteger(QuestionRecord& record, const RecordField& field, qint64 value) {
    if (value < field.minimum || value > field.maximum)
        return QStringLiteral("%1 is outside %2..%3")
            .arg(value)
            .arg(field.minimum)
            .arg(field.maximum);
    record.*field.integer = static_cast<qint32>(value);
    return QString();
}

QString setTime(QuestionRecord& record, const RecordField& field, const QString& value) {
    const auto moment = parseDateText(value);
    if (!moment) return QStringLiteral("\"%1\" is not a time as dd/mm/yyyy hh:nn:ss").arg(value);
    record.*field.time = toDayCount(*moment);
    return QString();
}

std::optional<bool> flagText(const QString& value) {
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("1") || v == QLatin1String("true")) return true;
    if (v == QLatin1String("0") || v == QLatin1String("false")) return false;
    return std::nullopt;
}
} // namespace

const std::vector<RecordField>& recordFields() {
    static const std::vector<RecordField> fields = buildFields();
    return fields;
}

const RecordField* findField(const QString& name) {
    for (const RecordField& f : recordFields())
        if (f.name == name) return &f;
    return nullptr;
}

QStringList fieldNames() {
    QStringList names;
    for (const RecordField& f : recordFields())
        names << f.name;
    return names;
}

QString csvValue(const QuestionRecord& record, const RecordField& field) {
    switch (field.kind) {
    case FieldKind::Text:
        return textOf(record, field);
    case FieldKind::Flag:
        return record.*field.flag ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::Integer:
        return QString::number(record.*field.integer);
    case FieldKind::Time:
        return timeText(record.*field.time);
    case FieldKind::StoredPictureSize:
        return QString::number(record.ImagenTam);
    }
    return QString();
}

QJsonValue jsonValue(const QuestionRecord& record, const RecordField& field) {
    switch (field.kind) {
    case FieldKind::Flag:
        return record.*field.flag;
    case FieldKind::Integer:
        return record.*field.integer;
    case FieldKind::StoredPictureSize:
        return record.ImagenTam;
    case FieldKind::Text:
    case FieldKind::Time:
        break;
    }
    return csvValue(record, field);
}

QString setFromText(QuestionRecord& record, const RecordField& field, const QString& value) {
    switch (field.kind) {
    case FieldKind::Text:
        return setText(record, field, value);
    case FieldKind::StoredPictureSize:
        return QString();
    default:
        break;
    }
    if (value.trimmed().isEmpty()) return QString(); // the new-record value stays
    switch (field.kind) {
    case FieldKind::Flag: {
        const auto on = flagText(value);
        if (!on) return QStringLiteral("\"%1\" is not a flag (1, 0, true or false)").arg(value);
        record.*field.flag = *on;
        return QString();
    }
    case FieldKind::Integer: {
        bool ok = false;
        const qint64 number = value.trimmed().toLongLong(&ok);
        if (!ok) return QStringLiteral("\"%1\" is not a whole number").arg(value);
        return setInteger(record, field, number);
    }
    case FieldKind::Time:
        return setTime(record, field, value);
    default:
        return QString();
    }
}

QString setFromJson(QuestionRecord& record, const RecordField& field, const QJsonValue& value) {
    if (value.isNull() || value.isUndefined()) return QString();
    switch (field.kind) {
    case FieldKind::Text:
        if (!value.isString()) return QStringLiteral("expected a string");
        return setText(record, field, value.toString());
    case FieldKind::Flag:
        if (value.isBool()) {
            record.*field.flag = value.toBool();
            return QString();
        }
        if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1)) {
            record.*field.flag = value.toDouble() == 1;
            return QString();
        }
        return QStringLiteral("expected true or false");
    case FieldKind::Integer: {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || number != std::floor(number))
            return QStringLiteral("expected a whole number");
        return setInteger(record, field, static_cast<qint64>(std::clamp(number, -1e12, 1e12)));
    }
    case FieldKind::Time:
        if (!value.isString()) return QStringLiteral("expected a time as \"dd/mm/yyyy hh:nn:ss\"");
        return setTime(record, field, value.toString());
    case FieldKind::StoredPictureSize:
        return QString();
    }
    return QString();
}

} // namespace tessera::tool
