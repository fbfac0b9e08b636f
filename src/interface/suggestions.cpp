#include "interface/suggestions.h"

#include "shell/context.h"
#include "shell/errors.h"
#include "shell/textfile.h"

#include <algorithm>

namespace tessera {

namespace {
constexpr const char* Files[3] = {"sug_esp.txt", "sug_eng.txt", "sug_por.txt"};

// Character positions of a suggestion line, counted from 0.
constexpr int ContextAt = 0;
constexpr int ContextDigits = 3;
constexpr int ShowingsAt = 4;
constexpr int TextAt = 6;
constexpr int TextCapacity = 255;

// The library dialogs and the web windows: their line has no next button.
constexpr int FirstDialogContext = 12;
constexpr int LastDialogContext = 20;

constexpr int HoldBackChance = 9; // in 100
constexpr int HoldBackShowings = 3;
constexpr qint64 HoldBackAfterSeconds = 30;

constexpr int FrameMs = 75;
constexpr int SlowFrameMs = 112;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int language(const Settings& s) {
    return s.currentLanguage >= 0 && s.currentLanguage < 3 ? s.currentLanguage : Spanish;
}
} // namespace

QString suggestionFileName(int language) {
    return language >= 0 && language < 3 ? QLatin1String(Files[language]) : QString();
}

std::optional<Suggestion> parseSuggestionLine(const QString& line) {
    if (line.isEmpty() || line.startsWith(QLatin1String("//"))) return std::nullopt;
    if (line.size() <= ShowingsAt) return std::nullopt;
    const QString context = line.mid(ContextAt, ContextDigits);
    if (!std::all_of(context.begin(), context.end(), isDigit)) return std::nullopt;
    if (!isDigit(line[ShowingsAt])) return std::nullopt;
    Suggestion suggestion;
    suggestion.context = context.toInt();
    suggestion.showings = line[ShowingsAt].digitValue();
    suggestion.text = line.mid(TextAt, TextCapacity);
    return suggestion;
}

std::vector<Suggestion> parseSuggestions(const QStringList& lines) {
    std::vector<Suggestion> table;
    for (const QString& line : lines) {
        if (table.size() == Settings::MaxSuggestions) break;
        if (auto suggestion = parseSuggestionLine(line)) table.push_back(std::move(*suggestion));
    }
    return table;
}

bool loadSuggestions(Context& ctx) {
    Settings& s = ctx.settings;
    if (s.fatalError) return false;
    for (int language = 0; language < 3; ++language) {
        const auto lines = readTextLines(ctx.appFile(suggestionFileName(language)));
        if (!lines) {
            reportError(ctx, err::ReadSuggestions);
            return false;
        }
        s.suggestions[language] = parseSuggestions(*lines);
    }
    s.suggestionsLoaded = true;
    return true;
}

std::vector<Suggestion>& suggestionTable(Settings& s) {
    return s.suggestions[language(s)];
}

bool nextButtonVisible(const std::vector<Suggestion>& table, int context) {
    if (context >= FirstDialogContext && context <= LastDialogContext) return false;
    const auto withText = std::count_if(table.begin(), table.end(), [context](const Suggestion& s) {
        return s.context == context && !s.text.isEmpty();
    });
    return withText >= 2;
}

std::vector<int> eligibleSuggestions(const std::vector<Suggestion>& table, int context, bool any) {
    std::vector<int> numbers;
    for (int i = 0; i < int(table.size()); ++i) {
        const Suggestion& s = table[i];
        if (s.context == context && !s.text.isEmpty() && (any || s.showings > 0))
            numbers.push_back(i + 1);
    }
    return numbers;
}

int pickSuggestion(const std::vector<int>& eligible, int previous, Random& random) {
    if (eligible.empty()) return 0;
    // Drawing among the others is drawing again until the pick differs from
    // the previous one, without a loop whose end depends on chance.
    std::vector<int> others;
    std::copy_if(eligible.begin(), eligible.end(), std::back_inserter(others),
                 [previous](int number) { return number != previous; });
    const std::vector<int>& candidates = others.empty() ? eligible : others;
    return candidates[random.below(int(candidates.size()))];
}

bool holdBack(const Suggestion& suggestion, bool any, qint64 secondsSinceStart, Random& random) {
    if (random.below(100) >= HoldBackChance) return false;
    return suggestion.showings < HoldBackShowings && !any &&
           secondsSinceStart > HoldBackAfterSeconds;
}

SuggestionChoice chooseSuggestion(Context& ctx, int context, bool show, bool any) {
    Settings& s = ctx.settings;
    const int previous = s.currentSuggestion;
    s.currentContext = context;
    const std::vector<Suggestion>& table = suggestionTable(s);
    SuggestionChoice choice;
    choice.nextButton = nextButtonVisible(table, context);
    if (!show) return choice;
    choice.number =
        pickSuggestion(eligibleSuggestions(table, context, any), previous, ctx.random());
    s.currentSuggestion = choice.number;
    if (choice.number == 0) return choice;
    const qint64 seconds = s.startMoment.secsTo(ctx.clock().now());
    choice.show = !holdBack(table[choice.number - 1], any, seconds, ctx.random());
    return choice;
}

QString takeSuggestion(Settings& s, int number) {
    std::vector<Suggestion>& table = suggestionTable(s);
    if (number < 1 || number > int(table.size())) return QString();
    Suggestion& suggestion = table[number - 1];
    // The next button may show one whose showings are used up; it stays at 0.
    if (suggestion.showings > 0) --suggestion.showings;
    return suggestion.text;
}

bool animationWaits(const Settings& s) {
    const bool working = !s.startingUp && (s.singleUser || s.userLoggedIn);
    return working && !s.terminateRequested && !s.fatalError;
}

const std::vector<AnimationFrame>& animationFrames(SuggestionAnimation animation) {
    static const std::vector<AnimationFrame> opening = [] {
        std::vector<AnimationFrame> frames;
        for (int picture = ClosedPicture; picture <= OpenPicture; ++picture)
            frames.push_back({picture, FrameMs});
        return frames;
    }();
    static const std::vector<AnimationFrame> closing = [] {
        std::vector<AnimationFrame> frames;
        for (int picture = OpenPicture; picture >= ClosedPicture; --picture)
            frames.push_back({picture, FrameMs});
        return frames;
    }();
    // Half way down and back up, slower on the way up, like a blind let go.
    static const std::vector<AnimationFrame> bounce = {
        {10, FrameMs},    {9, FrameMs},     {8, FrameMs},     {7, FrameMs},     {6, FrameMs},
        {7, SlowFrameMs}, {8, SlowFrameMs}, {9, SlowFrameMs}, {10, SlowFrameMs}};
    switch (animation) {
    case SuggestionAnimation::Opening:
        return opening;
    case SuggestionAnimation::Closing:
        return closing;
    case SuggestionAnimation::Bounce:
        break;
    }
    return bounce;
}

} // namespace tessera
