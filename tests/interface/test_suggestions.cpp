#include "interface/suggestions.h"
#include "shell/textfile.h"
#include "support/tempapp.h"

#include <QtTest>
#include <deque>

using namespace tessera;
using namespace tessera::test;

Q_DECLARE_METATYPE(std::vector<tessera::Suggestion>)

namespace {

// Chance under the test's control: each draw takes the next scripted number
// (0 once the script is used up), and the draws are counted.
class ScriptedRandom : public Random {
public:
    int below(int n) override {
        ++draws;
        if (n <= 0 || script.empty()) return 0;
        const int value = script.front();
        script.pop_front();
        return value % n;
    }
    std::deque<int> script;
    int draws = 0;
};

// A context over a table of Spanish suggestions, a fixed clock and scripted chance.
struct Choosing {
    Choosing() { ctx.settings.initialise(clock.moment); }
    void table(const std::vector<Suggestion>& suggestions) {
        ctx.settings.suggestions[Spanish] = suggestions;
    }
    void secondsSinceStart(int seconds) {
        clock.moment = ctx.settings.startMoment.addSecs(seconds);
    }
    std::vector<Suggestion>& suggestions() { return ctx.settings.suggestions[Spanish]; }

    FakeFeedback feedback;
    FixedClock clock;
    ScriptedRandom random;
    Context ctx{feedback, clock, random, 0.0};
};

QList<int> toList(const std::vector<int>& numbers) {
    return QList<int>(numbers.begin(), numbers.end());
}

// A file of Windows-1252 lines.
QByteArray lines(std::initializer_list<QByteArray> text) {
    QByteArray file;
    for (const QByteArray& line : text)
        file += line + "\r\n";
    return file;
}

// count suggestion lines of context 1, with a comment line before every tenth.
QStringList numberedLines(int count) {
    QStringList result;
    for (int i = 1; i <= count; ++i) {
        if (i % 10 == 0) result << QStringLiteral("// a comment line takes no place");
        result << QStringLiteral("001 1 suggestion %1").arg(i);
    }
    return result;
}

const QString ShippedFiles[3] = {QStringLiteral("sug_esp.txt"), QStringLiteral("sug_eng.txt"),
                                 QStringLiteral("sug_por.txt")};

} // namespace

class TestSuggestions : public QObject {
    Q_OBJECT
private slots:
    // Reading the files.
    void suggestionLine_data();
    void suggestionLine();
    void atMost512PerLanguage_data();
    void atMost512PerLanguage();
    void loadsTheThreeLanguagesAndRestoresShowings();
    void damagedFileLoadsWhatItCan();
    void unreadableFileIsError50_data();
    void unreadableFileIsError50();
    void shippedFilesServeEveryContext();

    // Choosing.
    void eligibility_data();
    void eligibility();
    void usedUpContextShowsOnlyFromTheNextButton_data();
    void usedUpContextShowsOnlyFromTheNextButton();
    void digitZeroIsNeverShownAutomatically();
    void nineInAHundredHoldBack_data();
    void nineInAHundredHoldBack();
    void neverTheSameTwiceInARow_data();
    void neverTheSameTwiceInARow();
    void nextButton_data();
    void nextButton();
    void closingPicksNothing();
    void showingCountsDown();
    void animationWaitsWhileSomeoneWorks_data();
    void animationWaitsWhileSomeoneWorks();
    void animationsEndWhereTheLineIs();
};

void TestSuggestions::suggestionLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("context");
    QTest::addColumn<int>("showings");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << "021 3 Press F1 for help." << true << 21 << 3 << "Press F1 for help.";
    QTest::newRow("any separators") << "005-9/Two words" << true << 5 << 9 << "Two words";
    QTest::newRow("showings 0") << "001 0 Only by the button" << true << 1 << 0
                                << "Only by the button";
    QTest::newRow("no text") << "007 2 " << true << 7 << 2 << "";
    QTest::newRow("ends at the showings") << "007 2" << true << 7 << 2 << "";
    QTest::newRow("text kept as written")
        << "002 1   <b>indented</b>  " << true << 2 << 1 << "  <b>indented</b>  ";
    QTest::newRow("text cut to 255") << "003 4 " + QString(300, QLatin1Char('x')) << true << 3 << 4
                                     << QString(255, QLatin1Char('x'));
    QTest::newRow("empty") << "" << false << 0 << 0 << "";
    QTest::newRow("comment") << "// 001 3 not a suggestion" << false << 0 << 0 << "";
    QTest::newRow("blanks only") << "      " << false << 0 << 0 << "";
    QTest::newRow("letters for the context") << "abc 3 text" << false << 0 << 0 << "";
    QTest::newRow("two-digit context") << "21 3 text" << false << 0 << 0 << "";
    QTest::newRow("letter for the showings") << "001 x text" << false << 0 << 0 << "";
    QTest::newRow("context only") << "001" << false << 0 << 0 << "";
    QTest::newRow("other script digits")
        << QString::fromUtf8("\u0660\u0660\u0661 3 text") << false << 0 << 0 << "";
}

void TestSuggestions::suggestionLine() {
    QFETCH(QString, line);
    QFETCH(bool, read);
    const auto suggestion = parseSuggestionLine(line);
    QCOMPARE(suggestion.has_value(), read);
    if (!read) return;
    QTEST(suggestion->context, "context");
    QTEST(suggestion->showings, "showings");
    QTEST(suggestion->text, "text");
}

void TestSuggestions::atMost512PerLanguage_data() {
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("kept");
    QTest::newRow("511") << 511 << 511;
    QTest::newRow("512") << 512 << 512;
    QTest::newRow("513") << 513 << 512;
    QTest::newRow("600") << 600 << 512;
}

void TestSuggestions::atMost512PerLanguage() {
    QFETCH(int, written);
    QFETCH(int, kept);
    const std::vector<Suggestion> table = parseSuggestions(numberedLines(written));
    QCOMPARE(int(table.size()), kept);
    QCOMPARE(table.back().text, QStringLiteral("suggestion %1").arg(kept));
}

void TestSuggestions::loadsTheThreeLanguagesAndRestoresShowings() {
    TempApp app;
    app.write(QStringLiteral("sug_esp.txt"),
              lines({"// espa\xf1ol", "001 2 uno", "", "002 1 dos"}));
    app.write(QStringLiteral("sug_eng.txt"), lines({"001 4 one"}));
    app.write(QStringLiteral("sug_por.txt"), lines({"021 5 um", "021 0 dois", "021 3 tr\xeas"}));
    Settings& s = app.ctx.settings;

    QVERIFY(loadSuggestions(app.ctx));
    QVERIFY(s.suggestionsLoaded);
    QCOMPARE(int(s.suggestions[Spanish].size()), 2);
    QCOMPARE(s.suggestions[Spanish][1].text, QStringLiteral("dos"));
    QCOMPARE(int(s.suggestions[English].size()), 1);
    QCOMPARE(s.suggestions[English][0].showings, 4);
    QCOMPARE(int(s.suggestions[Portuguese].size()), 3);
    QCOMPARE(s.suggestions[Portuguese][2].text, QString::fromUtf8("três"));

    s.suggestions[Spanish][0].showings = 0;
    s.suggestions[English].clear();
    QVERIFY(loadSuggestions(app.ctx));
    QCOMPARE(s.suggestions[Spanish][0].showings, 2);
    QCOMPARE(int(s.suggestions[English].size()), 1);
    QVERIFY(app.feedback.messages.isEmpty());
}

void TestSuggestions::damagedFileLoadsWhatItCan() {
    TempApp app;
    QByteArray damaged(1, '\0');
    damaged += "\xff\xfe garbage\r\n001 3 kept\n\x01\x02\r\n\r\r\n";
    damaged += QByteArray(5000, '\xff') + "\r\n003 ";
    damaged += QByteArray(1, '\0') + " a zero byte for the showings\r\n002 1 also kept";
    app.write(QStringLiteral("sug_esp.txt"), damaged);
    app.write(QStringLiteral("sug_eng.txt"), QByteArray());
    app.write(QStringLiteral("sug_por.txt"), QByteArray(1, '\0'));

    QVERIFY(loadSuggestions(app.ctx));
    const std::vector<Suggestion>& spanish = app.ctx.settings.suggestions[Spanish];
    QCOMPARE(int(spanish.size()), 2);
    QCOMPARE(spanish[0].text, QStringLiteral("kept"));
    QCOMPARE(spanish[1].text, QStringLiteral("also kept"));
    QVERIFY(app.ctx.settings.suggestions[English].empty());
    QVERIFY(app.ctx.settings.suggestions[Portuguese].empty());
    QVERIFY(!app.ctx.settings.fatalError);
}

void TestSuggestions::unreadableFileIsError50_data() {
    QTest::addColumn<int>("missing");
    QTest::newRow("Spanish") << int(Spanish);
    QTest::newRow("English") << int(English);
    QTest::newRow("Portuguese") << int(Portuguese);
}

void TestSuggestions::unreadableFileIsError50() {
    QFETCH(int, missing);
    TempApp app;
    for (int language = 0; language < 3; ++language)
        if (language != missing) app.write(ShippedFiles[language], lines({"001 1 text"}));

    QVERIFY(!loadSuggestions(app.ctx));
    QVERIFY(app.logLines().contains(QStringLiteral("ERR 50")));
    QCOMPARE(app.feedback.messages.size(), 1);
    QCOMPARE(app.feedback.messages[0].text, QStringLiteral("E1: 50"));
    QCOMPARE(app.feedback.messages[0].kind, MessageKind::Error);
    QVERIFY(app.ctx.settings.fatalError);
    QCOMPARE(app.feedback.terminateRequests, 1);
    QVERIFY(!app.ctx.settings.suggestionsLoaded);
}

void TestSuggestions::shippedFilesServeEveryContext() {
    for (const QString& name : ShippedFiles) {
        const auto text = readTextLines(QStringLiteral(TESSERA_DATA_DIR "/") + name);
        QVERIFY2(text, qPrintable(name));
        const std::vector<Suggestion> table = parseSuggestions(*text);
        const auto suggestionLines =
            std::count_if(text->begin(), text->end(), [](const QString& l) {
                return !l.isEmpty() && !l.startsWith(QLatin1String("//"));
            });
        QVERIFY2(qsizetype(table.size()) == suggestionLines,
                 qPrintable(name + ": a line not read"));
        for (int context = 1; context <= 21; ++context) {
            const QString where = QStringLiteral("%1, context %2").arg(name).arg(context);
            QVERIFY2(!eligibleSuggestions(table, context, false).empty(), qPrintable(where));
            const bool dialog = context >= 12 && context <= 20;
            QVERIFY2(dialog || nextButtonVisible(table, context), qPrintable(where));
        }
    }
}

void TestSuggestions::eligibility_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("any");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("showings left, with text") << 5 << false << QList<int>{1, 4};
    QTest::newRow("next button adds the used up") << 5 << true << QList<int>{1, 3, 4};
    QTest::newRow("other context") << 6 << false << QList<int>{5};
    QTest::newRow("context without suggestions") << 7 << true << QList<int>{};
}

void TestSuggestions::eligibility() {
    QFETCH(int, context);
    QFETCH(bool, any);
    const std::vector<Suggestion> table = {
        {5, "a", 2}, {5, "", 3}, {5, "c", 0}, {5, "d", 9}, {6, "e", 1}};
    QTEST(toList(eligibleSuggestions(table, context, any)), "numbers");
}

void TestSuggestions::usedUpContextShowsOnlyFromTheNextButton_data() {
    QTest::addColumn<bool>("any");
    QTest::addColumn<bool>("shown");
    QTest::newRow("automatically") << false << false;
    QTest::newRow("next button") << true << true;
}

void TestSuggestions::usedUpContextShowsOnlyFromTheNextButton() {
    QFETCH(bool, any);
    Choosing c;
    c.table({{3, "first", 0}, {3, "second", 0}, {4, "elsewhere", 5}});
    c.secondsSinceStart(5);
    const SuggestionChoice choice = chooseSuggestion(c.ctx, 3, true, any);
    QTEST(choice.show, "shown");
    QCOMPARE(choice.number != 0, any);
    QCOMPARE(c.ctx.settings.currentContext, 3);
    QVERIFY(choice.nextButton);
}

void TestSuggestions::digitZeroIsNeverShownAutomatically() {
    Choosing c;
    c.table({{2, "automatic", 9}, {2, "only by the button", 0}});
    for (int request = 0; request < 20; ++request) {
        const SuggestionChoice choice = chooseSuggestion(c.ctx, 2, true, false);
        QCOMPARE(choice.number, 1);
    }
    const SuggestionChoice next = chooseSuggestion(c.ctx, 2, true, true);
    QCOMPARE(next.number, 2);
    QVERIFY(next.show);
}

void TestSuggestions::nineInAHundredHoldBack_data() {
    QTest::addColumn<int>("showings");
    QTest::addColumn<bool>("any");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("draw");
    QTest::addColumn<bool>("shown");
    QTest::newRow("draw 8, 2 left, 31 s") << 2 << false << 31 << 8 << false;
    QTest::newRow("draw 0, 1 left, an hour") << 1 << false << 3600 << 0 << false;
    QTest::newRow("draw 9") << 2 << false << 31 << 9 << true;
    QTest::newRow("3 left") << 3 << false << 31 << 0 << true;
    QTest::newRow("30 s is not more than 30") << 2 << false << 30 << 0 << true;
    QTest::newRow("next button") << 2 << true << 31 << 0 << true;
    QTest::newRow("next button, used up") << 0 << true << 3600 << 0 << true;
}

void TestSuggestions::nineInAHundredHoldBack() {
    QFETCH(int, showings);
    QFETCH(bool, any);
    QFETCH(int, seconds);
    QFETCH(int, draw);
    Choosing c;
    c.table({{8, "the only one", showings}});
    c.secondsSinceStart(seconds);
    c.random.script = {0, draw};
    const SuggestionChoice choice = chooseSuggestion(c.ctx, 8, true, any);
    QCOMPARE(choice.number, 1);
    QTEST(choice.show, "shown");
    QCOMPARE(c.random.draws, 2);
}

void TestSuggestions::neverTheSameTwiceInARow_data() {
    QTest::addColumn<int>("eligible");
    QTest::addColumn<bool>("any");
    QTest::newRow("two, automatically") << 2 << false;
    QTest::newRow("two, next button") << 2 << true;
    QTest::newRow("five, automatically") << 5 << false;
}

void TestSuggestions::neverTheSameTwiceInARow() {
    QFETCH(int, eligible);
    QFETCH(bool, any);
    Choosing c;
    std::vector<Suggestion> table = {{9, "of another context", 9}};
    for (int i = 0; i < eligible; ++i)
        table.push_back({1, QStringLiteral("suggestion %1").arg(i), 9});
    c.table(table);
    // Chance that keeps drawing the same position must not repeat the suggestion either.
    for (int stubbornDraw : {0, 1}) {
        c.random.script.assign(200, stubbornDraw);
        int previous = c.ctx.settings.currentSuggestion;
        for (int request = 0; request < 50; ++request) {
            const SuggestionChoice choice = chooseSuggestion(c.ctx, 1, true, any);
            QVERIFY(choice.number >= 2);
            QVERIFY2(choice.number != previous, qPrintable(QString::number(request)));
            previous = choice.number;
        }
    }
}

void TestSuggestions::nextButton_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<std::vector<Suggestion>>("table");
    QTest::addColumn<bool>("visible");
    const std::vector<Suggestion> two = {{1, "a", 1}, {1, "b", 1}};
    QTest::newRow("two with text") << 1 << two << true;
    QTest::newRow("two used up") << 1 << std::vector<Suggestion>{{1, "a", 0}, {1, "b", 0}} << true;
    QTest::newRow("one with text")
        << 1 << std::vector<Suggestion>{{1, "a", 3}, {1, "", 3}} << false;
    QTest::newRow("other context") << 2 << two << false;
    for (int dialog : {12, 15, 20}) {
        const std::vector<Suggestion> three = {
            {dialog, "a", 3}, {dialog, "b", 3}, {dialog, "c", 3}};
        QTest::addRow("dialog context %d", dialog) << dialog << three << false;
    }
    for (int window : {11, 21}) {
        const std::vector<Suggestion> pair = {{window, "a", 3}, {window, "b", 3}};
        QTest::addRow("context %d", window) << window << pair << true;
    }
}

void TestSuggestions::nextButton() {
    QFETCH(int, context);
    QFETCH(std::vector<Suggestion>, table);
    QTEST(nextButtonVisible(table, context), "visible");
    Choosing c;
    c.table(table);
    QTEST(chooseSuggestion(c.ctx, context, true, false).nextButton, "visible");
}

void TestSuggestions::closingPicksNothing() {
    Choosing c;
    c.table({{1, "a", 3}, {1, "b", 3}});
    c.ctx.settings.currentSuggestion = 2;
    const SuggestionChoice choice = chooseSuggestion(c.ctx, 1, false, false);
    QVERIFY(!choice.show);
    QCOMPARE(choice.number, 0);
    QVERIFY(choice.nextButton);
    QCOMPARE(c.ctx.settings.currentContext, 1);
    QCOMPARE(c.ctx.settings.currentSuggestion, 2);
    QCOMPARE(c.random.draws, 0);
}

void TestSuggestions::showingCountsDown() {
    Choosing c;
    c.table({{1, "a", 2}, {1, "b", 0}});
    QCOMPARE(takeSuggestion(c.ctx.settings, 1), QStringLiteral("a"));
    QCOMPARE(c.suggestions()[0].showings, 1);
    QCOMPARE(takeSuggestion(c.ctx.settings, 2), QStringLiteral("b"));
    QCOMPARE(c.suggestions()[1].showings, 0);
    QCOMPARE(takeSuggestion(c.ctx.settings, 3), QString());

    // The table in use follows the language.
    c.ctx.settings.suggestions[English] = {{1, "in English", 4}};
    c.ctx.settings.currentLanguage = English;
    QCOMPARE(takeSuggestion(c.ctx.settings, 1), QStringLiteral("in English"));
    QCOMPARE(c.ctx.settings.suggestions[English][0].showings, 3);
    QCOMPARE(c.suggestions()[0].showings, 1);
}

void TestSuggestions::animationWaitsWhileSomeoneWorks_data() {
    QTest::addColumn<bool>("singleUser");
    QTest::addColumn<bool>("startingUp");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("quitting");
    QTest::addColumn<bool>("waits");
    QTest::newRow("single user at work") << true << false << false << false << true;
    QTest::newRow("single user starting") << true << true << false << false << false;
    QTest::newRow("single user quitting") << true << false << false << true << false;
    QTest::newRow("nobody logged in") << false << false << false << false << false;
    QTest::newRow("logged in") << false << false << true << false << true;
    QTest::newRow("logged in, quitting") << false << false << true << true << false;
}

void TestSuggestions::animationWaitsWhileSomeoneWorks() {
    QFETCH(bool, singleUser);
    QFETCH(bool, startingUp);
    QFETCH(bool, loggedIn);
    QFETCH(bool, quitting);
    Settings s;
    s.singleUser = singleUser;
    s.startingUp = startingUp;
    s.userLoggedIn = loggedIn;
    s.terminateRequested = quitting;
    QTEST(animationWaits(s), "waits");
}

void TestSuggestions::animationsEndWhereTheLineIs() {
    const struct {
        SuggestionAnimation animation;
        int first;
        int last;
    } expected[] = {{SuggestionAnimation::Opening, ClosedPicture, OpenPicture},
                    {SuggestionAnimation::Closing, OpenPicture, ClosedPicture},
                    {SuggestionAnimation::Bounce, OpenPicture, OpenPicture}};
    for (const auto& e : expected) {
        const std::vector<AnimationFrame>& frames = animationFrames(e.animation);
        QCOMPARE(frames.front().picture, e.first);
        QCOMPARE(frames.back().picture, e.last);
        // One picture at a time, so the scroll moves without jumps.
        for (std::size_t i = 1; i < frames.size(); ++i)
            QCOMPARE(std::abs(frames[i].picture - frames[i - 1].picture), 1);
    }
}

QTEST_GUILESS_MAIN(TestSuggestions)
#include "test_suggestions.moc"
