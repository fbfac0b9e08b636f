#pragma once

#include <QString>
#include <array>

namespace tessera {

// The interface texts: entries 1..621 read in file order from the language file
// of the current language, and the end marker in slot 622.
class LanguageTable {
public:
    static constexpr int Entries = 621;
    static constexpr int Slots = 622;
    static constexpr int EntryLength = 255;

    enum class LoadResult { Ok, BadEndMarker, OpenFailed };

    // txt_esp.txt, txt_eng.txt or txt_por.txt; empty for an index outside 0..2.
    static QString fileName(int language);

    // Reads up to 622 entries with the entry rule. A file that ends early or
    // whose 622nd entry is not ">>>end<<<" keeps what it read and reports BadEndMarker.
    LoadResult load(const QString& path);

    // The text of entry n (empty outside 1..622).
    QString entry(int n) const;
    void setEntry(int n, const QString& text);

    // The entry rule applied to one line: comments in braces removed, one
    // trailing "@" dropped. An empty result is not an entry.
    static QString entryText(const QString& line);

private:
    std::array<QString, Slots> slots_;
};

} // namespace tessera
