// The installation content that books are made from: the default study
// parameters, the CSV sources of the sample books with their pictures, and the
// cover bitmaps. These are data files, so the tests read them from data/.

#include "bookfiles/parameters.h"
#include "shell/codepage.h"
#include "support/tempapp.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <array>
#include <queue>
#include <set>
#include <string>

using tessera::isCp1252;

namespace {

const QString dataDir = QStringLiteral(TESSERA_DATA_DIR);
constexpr int Levels = 14;
constexpr int Unused = 100;

QByteArray readData(const QString& name) {
    QFile file(dataDir + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Parameters {
    int poolMin = 0;
    int poolMax = 0;
    std::array<int, Levels> a{};
    std::array<std::array<int, Levels>, Levels> b{};
    std::array<std::array<int, Levels>, Levels> c{};
};

Parameters parse(const QList<int>& v) {
    Parameters p;
    p.poolMin = v[0];
    p.poolMax = v[1];
    for (int level = 0; level < Levels; ++level) {
        p.a[level] = v[2 + level];
        for (int k = 0; k < Levels; ++k) {
            p.b[level][k] = v[16 + level * Levels + k];
            p.c[level][k] = v[212 + level * Levels + k];
        }
    }
    return p;
}

QList<int> paramValues() {
    QList<int> values;
    for (const QByteArray& line : readData(QStringLiteral("param.dat")).split('\n'))
        if (!line.isEmpty()) values << line.trimmed().toInt();
    return values;
}

// The practice's level rules, as far as the tables steer them: the difficulty
// score of a history, the scaled thresholds (low 8 bits), and the decision.
int score(const std::string& history) {
    static const double w[10] = {1.0, 2.29, 3.73, 5.27, 6.89, 8.58, 10.33, 12.12, 13.97, 15.84};
    double total = 0;
    double factor = 1.0;
    for (int i = 0; i < 10; ++i) {
        const char m = history[i];
        int value = 100;
        switch (m) {
        case '-':
            value = 300;
            break;
        case '=':
            value = 150;
            break;
        case '0':
            value = 80;
            break;
        case '1':
            value = 70;
            break;
        case '2':
            value = 60;
            break;
        case '3':
            value = 50;
            break;
        default:
            break;
        }
        if (m == '+')
            total += int(w[i] * 100 * factor);
        else
            total += w[i] * value;
        if (m >= '0' && m <= '3') factor = 0.9 - 0.1 * (m - '0');
    }
    return int(total) / 80;
}

int scaled(int s, int value) {
    return (s * value / 100) % 256;
}

struct Decision {
    int level;
    char mark;
    QString fault;
};

Decision decide(const Parameters& p, int level, const std::string& history, int r) {
    const int s = score(history);
    for (int k = Levels - 1; k > level; --k)
        if (r >= scaled(s, p.b[level][k])) {
            const QString fault = p.b[level][k] == Unused
                                      ? QStringLiteral("unused promotion %1->%2 fires at score %3")
                                            .arg(level)
                                            .arg(k)
                                            .arg(s)
                                      : QString();
            return {k, '+', fault};
        }
    if (level >= 2)
        for (int k = 1; k < level; ++k)
            if (p.c[level][k] != Unused && r <= scaled(s, p.c[level][k])) {
                if (level >= 10)
                    return {k, char('0' + level - 10),
                            QStringLiteral("right answers demote level %1").arg(level)};
                return {k, '-', QString()};
            }
    return {level, level == 13 ? '+' : '=', QString()};
}

// The right-answer counts with which a round of answers can end at a level.
QList<int> endings(const Parameters& p, int level, const std::string& history) {
    const int t = scaled(score(history), p.a[level]);
    QList<int> result;
    if (level >= 10) return {qMax(t, 1)};
    if (level == 0 && t >= 3) {
        for (int r = 0; r < t; ++r)
            result << r; // a wrong answer among the first three
        for (int r = 5; r <= qMax(t, 5); ++r)
            result << r; // three right first count as five
        return result;
    }
    for (int r = 0; r <= qMax(t, 1); ++r)
        result << r;
    return result;
}

struct CsvBook {
    QStringList header;
    QList<QStringList> rows;
    QString error;
};

// RFC 4180: comma-separated, fields with commas, quotes or line breaks quoted,
// quotes doubled, CR LF between records.
CsvBook parseCsv(const QString& text) {
    CsvBook book;
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (ch == u'"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == u'"') {
            quoted = true;
        } else if (ch == u',') {
            record << field;
            field.clear();
        } else if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else if (ch == u'\n') {
            book.error = QStringLiteral("bare line feed at character %1").arg(i);
            return book;
        } else {
            field += ch;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        book.error = QStringLiteral("last record without CR LF");
    if (records.isEmpty()) return book;
    book.header = records.takeFirst();
    book.rows = records;
    return book;
}

const QStringList sampleBooks = {
    QStringLiteral("Autoescuela"),          QStringLiteral("Tabla periódica"),
    QStringLiteral("Países del mundo"),     QStringLiteral("Periodic table"),
    QStringLiteral("Spanish vocabulary I"), QStringLiteral("Countries of the world"),
};

} // namespace

class TestSampleContent : public QObject {
    Q_OBJECT
private slots:
    void paramFileHas408IntegerLines();
    void paramTablesUseOnlyMeaningfulCells();
    void paramRulesHoldForEveryReachableHistory();
    void sampleBook_data();
    void sampleBook();
    void everySampleBookHasABuildRuleAndSummary();
    void coversAreSmallDistinctBitmaps();
};

void TestSampleContent::paramFileHas408IntegerLines() {
    const QByteArray file = readData(QStringLiteral("param.dat"));
    QVERIFY2(!file.isEmpty(), "data/param.dat is missing");
    QVERIFY(file.endsWith("\r\n"));
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast(); // after the last line end
    QCOMPARE(lines.size(), 408);
    static const QRegularExpression number(QStringLiteral("^[0-9]+\r$"));
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(number.match(QString::fromLatin1(lines[i])).hasMatch(),
                 qPrintable(QStringLiteral("line %1 is not a number ended by CR LF").arg(i + 1)));
        const int limit = i < 2 ? 65535 : 255; // table values are read as bytes
        QVERIFY2(lines[i].trimmed().toInt() <= limit,
                 qPrintable(QStringLiteral("line %1").arg(i + 1)));
    }
    const Parameters p = parse(paramValues());
    QVERIFY(p.poolMin < p.poolMax);

    // The program's own reader takes the installed file as it is, and its
    // writer gives back the same bytes, so saving the defaults unchanged
    // changes nothing.
    tessera::test::TempApp app;
    app.install({QStringLiteral("param.dat")});
    const auto read = tessera::readParameters(app.ctx, app.path(QStringLiteral("param.dat")), 34);
    QVERIFY(read);
    QCOMPARE(int(read->poolMin), p.poolMin);
    QCOMPARE(int(read->poolMax), p.poolMax);
    for (int level = 0; level < Levels; ++level) {
        QCOMPARE(int(read->asks[level]), p.a[level]);
        for (int k = 0; k < Levels; ++k) {
            QCOMPARE(int(read->promote[level][k]), p.b[level][k]);
            QCOMPARE(int(read->demote[level][k]), p.c[level][k]);
        }
    }
    QCOMPARE(
        (tessera::formatParameters(*read).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
            .toLatin1(),
        file);
}

void TestSampleContent::paramTablesUseOnlyMeaningfulCells() {
    const Parameters p = parse(paramValues());
    for (int level = 0; level < Levels; ++level) {
        const QByteArray where = QByteArray("level ") + QByteArray::number(level);
        // Thresholds are scaled by scores up to 300: A up to 85 never wraps.
        QVERIFY2(p.a[level] >= 1 && p.a[level] <= 85, where);
        for (int k = 0; k < Levels; ++k) {
            if (k <= level) QVERIFY2(p.b[level][k] == Unused, where + " B not above");
            if (k >= level) QVERIFY2(p.c[level][k] == Unused, where + " C not below");
            if (k > level && p.b[level][k] != Unused) QVERIFY2(p.b[level][k] <= p.a[level], where);
            if (k < level && level < 10 && p.c[level][k] != Unused)
                QVERIFY2(p.c[level][k] <= p.a[level], where);
        }
        if (level >= 10) {
            int ones = 0;
            for (int k = 0; k < level; ++k) {
                QVERIFY2(p.c[level][k] == 0 || p.c[level][k] == 1, where);
                ones += p.c[level][k];
            }
            QVERIFY2(ones == 1, where + " needs one fall target");
            // One right answer would meet the fall mark's threshold of 1.
            QVERIFY2(p.a[level] >= 2, where);
        }
    }
}

void TestSampleContent::paramRulesHoldForEveryReachableHistory() {
    const Parameters p = parse(paramValues());
    using State = std::pair<int, std::string>;
    std::set<State> seen;
    std::queue<State> todo;
    const State start{0, std::string(10, '_')};
    seen.insert(start);
    todo.push(start);
    QSet<int> levels;
    while (!todo.empty()) {
        const auto [level, history] = todo.front();
        todo.pop();
        levels.insert(level);
        QList<std::pair<int, char>> next;
        for (int r : endings(p, level, history)) {
            const Decision d = decide(p, level, history, r);
            QVERIFY2(
                d.fault.isEmpty(),
                qPrintable(d.fault +
                           QStringLiteral(" (history %1)").arg(QString::fromStdString(history))));
            next << std::pair{d.level, d.mark};
        }
        if (level >= 10) {
            int target = 1;
            for (int k = 0; k < Levels; ++k)
                if (p.c[level][k] == 1) target = k;
            next << std::pair{target, char('0' + level - 10)};
        }
        for (const auto& [nextLevel, mark] : next) {
            State state{nextLevel, history.substr(1) + mark};
            if (seen.insert(state).second) todo.push(state);
        }
    }
    for (int level = 0; level < Levels; ++level)
        QVERIFY2(levels.contains(level),
                 qPrintable(QStringLiteral("level %1 is never reached").arg(level)));
}

void TestSampleContent::sampleBook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("allMultiple");
    QTest::addColumn<bool>("allPictures");
    QTest::newRow("Autoescuela") << QStringLiteral("Autoescuela") << true << false;
    QTest::newRow("Tabla periodica") << QStringLiteral("Tabla periódica") << false << false;
    QTest::newRow("Paises del mundo") << QStringLiteral("Países del mundo") << false << true;
    QTest::newRow("Periodic table") << QStringLiteral("Periodic table") << false << false;
    QTest::newRow("Spanish vocabulary I")
        << QStringLiteral("Spanish vocabulary I") << false << false;
    QTest::newRow("Countries of the world")
        << QStringLiteral("Countries of the world") << false << true;
}

void TestSampleContent::sampleBook() {
    QFETCH(QString, name);
    QFETCH(bool, allMultiple);
    QFETCH(bool, allPictures);
    const QByteArray bytes = readData(QStringLiteral("books/") + name + QStringLiteral(".csv"));
    QVERIFY2(!bytes.isEmpty(), "CSV source missing");
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "no byte-order mark");
    const CsvBook book = parseCsv(QString::fromUtf8(bytes));
    QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
    for (const char* column :
         {"Tema", "Pregunta", "Respuesta", "Multiple", "MostrarImagen", "Imagen"})
        QVERIFY2(book.header.contains(QLatin1String(column)), column);
    const auto col = [&](const char* n) { return book.header.indexOf(QLatin1String(n)); };
    QVERIFY(book.rows.size() >= 40);

    QStringList topics;
    int multiple = 0;
    int pictures = 0;
    for (int i = 0; i < book.rows.size(); ++i) {
        const QStringList& row = book.rows[i];
        const QByteArray where = QStringLiteral("%1 line %2").arg(name).arg(i + 2).toUtf8();
        QVERIFY2(row.size() == book.header.size(), where);
        for (int f = 0; f < row.size(); ++f) {
            QVERIFY2(isCp1252(row[f]), where + " not Windows-1252");
            const int capacity = book.header[f] == QLatin1String("Tema") ? 24 : 255;
            QVERIFY2(row[f].size() <= capacity, where + " " + book.header[f].toUtf8());
        }
        const QString topic = row[col("Tema")];
        QVERIFY2(!topic.isEmpty() && !row[col("Pregunta")].isEmpty() &&
                     !row[col("Respuesta")].isEmpty(),
                 where);
        if (!topics.contains(topic)) topics << topic;

        QStringList options;
        for (int k = 1; k <= 6; ++k) {
            const QString text = row[book.header.indexOf(QStringLiteral("Opcion%1").arg(k))];
            if (!text.isEmpty()) options << text;
        }
        const QString isMultiple = row[col("Multiple")];
        QVERIFY2(isMultiple == QLatin1String("0") || isMultiple == QLatin1String("1"), where);
        if (isMultiple == QLatin1String("1")) {
            ++multiple;
            // The answer is checked against the chosen option's text, and the
            // editor keeps option 1 equal to the answer.
            QVERIFY2(row[col("Opcion1")] == row[col("Respuesta")], where + " option 1");
            QVERIFY2(options.size() >= 2, where);
            QVERIFY2(QSet<QString>(options.begin(), options.end()).size() == options.size(),
                     where + " repeats an option");
        } else {
            QVERIFY2(options.isEmpty(), where + " options without multiple choice");
        }

        const QString picture = row[col("Imagen")];
        if (!picture.isEmpty()) {
            ++pictures;
            QVERIFY2(row[col("MostrarImagen")] == QLatin1String("1"), where);
            const QImage image(dataDir + QStringLiteral("/books/") + picture, "JPEG");
            QVERIFY2(!image.isNull(), where + " picture " + picture.toUtf8());
            QVERIFY2(image.width() <= 160 && image.height() <= 160, where + " picture too large");
        }
    }
    QVERIFY2(topics.size() >= 2 && topics.size() <= 22, qPrintable(topics.join(u',')));
    QVERIFY(multiple > 0);
    if (allMultiple) QCOMPARE(multiple, book.rows.size());
    if (allPictures) QCOMPARE(pictures, book.rows.size());
}

void TestSampleContent::everySampleBookHasABuildRuleAndSummary() {
    const QString rules = QString::fromUtf8(readData(QStringLiteral("books/books.cmake")));
    for (const QString& name : sampleBooks) {
        QVERIFY2(rules.contains(QStringLiteral("NAME \"%1\"").arg(name)), qPrintable(name));
        // The header keeps 482 characters of the summary, one byte each: the
        // low byte of the character, so only Latin-1 survives.
        const QString summary = QString::fromUtf8(readData(QStringLiteral("books/summaries/") +
                                                           name + QStringLiteral(".txt")))
                                    .trimmed();
        QVERIFY2(!summary.isEmpty() && summary.size() <= 482, qPrintable(name));
        for (const QChar ch : summary)
            QVERIFY2(ch.unicode() <= 0xFF, qPrintable(name));
    }
}

void TestSampleContent::coversAreSmallDistinctBitmaps() {
    const QStringList files =
        QDir(dataDir + QStringLiteral("/covers")).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    QVERIFY(files.size() >= 24);
    QSet<QByteArray> contents;
    for (const QString& file : files + QStringList{QStringLiteral("../image_p.bmp")}) {
        const QString path = dataDir + QStringLiteral("/covers/") + file;
        const QImage image(path, "BMP");
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), QSize(48, 48));
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        contents.insert(raw.readAll());
    }
    QCOMPARE(contents.size(), files.size() + 1);
}

QTEST_GUILESS_MAIN(TestSampleContent)
#include "test_sample_content.moc"
