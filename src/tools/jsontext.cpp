#include "tools/jsontext.h"

#include <cmath>

namespace tessera::tool {

QByteArray jsonString(const QString& text) {
    QByteArray out = "\"";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20)
                out += "\\u" + QByteArray::number(u, 16).rightJustified(4, '0');
            else
                out += QString(c).toUtf8();
        }
    }
    return out + "\"";
}

QByteArray jsonScalar(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? "true" : "false";
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (d == std::floor(d) && std::abs(d) < 9.0e15) return QByteArray::number(qint64(d));
        return QByteArray::number(d, 'g', 17);
    }
    case QJsonValue::String:
        return jsonString(value.toString());
    default:
        return "null";
    }
}

QByteArray jsonObject(const std::vector<JsonMember>& members, int indent) {
    const QByteArray pad = indent < 0 ? QByteArray() : QByteArray(indent + 2, ' ');
    const QByteArray separator = indent < 0 ? ", " : ",\n";
    QByteArray out = indent < 0 ? "{" : "{\n";
    for (size_t i = 0; i < members.size(); ++i) {
        if (i > 0) out += separator;
        out += pad + jsonString(members[i].first) + ": " + members[i].second;
    }
    out += indent < 0 ? QByteArray("}") : "\n" + QByteArray(indent, ' ') + "}";
    return out;
}

int lineOfOffset(const QByteArray& text, qsizetype offset) {
    return int(text.left(offset).count('\n')) + 1;
}

} // namespace tessera::tool
