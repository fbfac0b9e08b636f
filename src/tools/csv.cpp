#include "tools/csv.h"

namespace tessera::tool {

namespace {
class CsvParser {
public:
    explicit CsvParser(const QString& text) : text_(text) {}

    bool run(std::vector<CsvRow>& rows, QString& error) {
        while (at_ < text_.size()) {
            CsvRow row{line_, {}};
            if (!readRow(row.fields, error)) return false;
            const bool empty = row.fields.size() == 1 && row.fields[0].isEmpty();
            if (!empty) rows.push_back(row);
        }
        return true;
    }

private:
    bool readRow(QStringList& fields, QString& error) {
        for (;;) {
            QString field;
            if (!readField(field, error)) return false;
            fields << field;
            if (at_ >= text_.size()) return true;
            const QChar c = text_[at_++];
            if (c == QLatin1Char(',')) continue;
            endLine(c);
            return true;
        }
    }

    // After a CR or LF: a CR LF pair counts as one line end.
    void endLine(QChar c) {
        if (c == QLatin1Char('\r') && at_ < text_.size() && text_[at_] == QLatin1Char('\n')) ++at_;
        ++line_;
    }

    bool readField(QString& field, QString& error) {
        if (at_ < text_.size() && text_[at_] == QLatin1Char('"')) return readQuoted(field, error);
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) break;
            if (c == QLatin1Char('"')) {
                error =
                    QStringLiteral("line %1: a quote inside a field that does not start with one")
                        .arg(line_);
                return false;
            }
            field.append(c);
            ++at_;
        }
        return true;
    }

    bool readQuoted(QString& field, QString& error) {
        const int startLine = line_;
        ++at_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c == QLatin1Char('"')) {
                if (at_ < text_.size() && text_[at_] == QLatin1Char('"')) {
                    field.append(c);
                    ++at_;
                    continue;
                }
                if (at_ < text_.size() && !isSeparator(text_[at_])) {
                    error = QStringLiteral("line %1: text after the closing quote of a field")
                                .arg(line_);
                    return false;
                }
                return true;
            }
            if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && peekNot(QLatin1Char('\n'))))
                ++line_;
            field.append(c);
        }
        error = QStringLiteral("line %1: a quoted field is never closed").arg(startLine);
        return false;
    }

    bool isSeparator(QChar c) const {
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }
    bool peekNot(QChar c) const { return at_ >= text_.size() || text_[at_] != c; }

    const QString& text_;
    qsizetype at_ = 0;
    int line_ = 1;
};

QString quoted(const QString& field) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool needs = false;
    for (QChar c : field)
        needs = needs || special.contains(c);
    if (!needs) return field;
    QString copy = field;
    return QLatin1Char('"') + copy.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}
} // namespace

bool parseCsv(const QString& text, std::vector<CsvRow>& rows, QString& error) {
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return CsvParser(body).run(rows, error);
}

QByteArray csvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields)
        out << quoted(f);
    return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

} // namespace tessera::tool
