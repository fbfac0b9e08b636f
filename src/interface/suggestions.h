#pragma once

#include "shell/settings.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace tessera {

class Context;
class Random;

// sug_esp.txt, sug_eng.txt or sug_por.txt by interface language 0..2.
QString suggestionFileName(int language);

// One line of a suggestion file: the context in characters 1-3 (three digits),
// the showings in character 5 (one digit), the text from character 7, cut to
// 255 characters. Empty for a line that holds no suggestion: an empty line, a
// "//" comment, or a line whose context or showings are not digits.
std::optional<Suggestion> parseSuggestionLine(const QString& line);
// The suggestions of a file, in file order; lines beyond the 512th suggestion are ignored.
std::vector<Suggestion> parseSuggestions(const QStringList& lines);

// Loads the tables of the three languages, every showings counter back to its
// file value. A file that cannot be read is error 50 (fatal); false then.
bool loadSuggestions(Context& ctx);

// The table of the language in use.
std::vector<Suggestion>& suggestionTable(Settings& s);

// The next button belongs to a context with at least two suggestions with a
// text, whatever their showings, unless the context is one of the library
// dialogs and windows (12..20), which have no room for it.
bool nextButtonVisible(const std::vector<Suggestion>& table, int context);

// The numbers (1-based positions in the table) of the suggestions of the
// context with a text and, unless any is set, a showing left.
std::vector<int> eligibleSuggestions(const std::vector<Suggestion>& table, int context, bool any);

// One eligible suggestion at random, never the previous one while another is
// eligible; 0 when none is eligible.
int pickSuggestion(const std::vector<int>& eligible, int previous, Random& random);

// Now and then (9 times in 100) a suggestion close to the end of its showings
// is held back, so that the line is not always busy once the program has run
// for more than 30 seconds. The "next" button (any) is never held back.
bool holdBack(const Suggestion& suggestion, bool any, qint64 secondsSinceStart, Random& random);

struct SuggestionChoice {
    int number = 0;          // the picked suggestion of the table in use, 0 none
    bool show = false;       // the line shows it; false closes the line
    bool nextButton = false; // the next buttons are visible
};

// What the line does for a request: the context becomes current, the pick
// becomes the current suggestion and the previous one is the one it replaces.
// A request with show false only closes the line and picks nothing.
SuggestionChoice chooseSuggestion(Context& ctx, int context, bool show, bool any);

// The text of the suggestion now put into the line; it has one showing fewer.
QString takeSuggestion(Settings& s, int number);

// The animation of the line takes its time only while a person is working
// with the program (after start-up, while logged in) and it is not ending.
bool animationWaits(const Settings& s);

enum class SuggestionAnimation { Opening, Closing, Bounce };

// Picture 0 (closed) .. 10 (open) and how long it stays, in milliseconds.
struct AnimationFrame {
    int picture;
    int ms;
};
const std::vector<AnimationFrame>& animationFrames(SuggestionAnimation animation);

constexpr int ClosedPicture = 0;
constexpr int OpenPicture = 10;

} // namespace tessera
