#pragma once

#include <QString>
#include <array>

namespace tessera {

// The ring of the last 1000 log lines and its mirror log.txt, rewritten whole
// after every line so that the file is complete whatever happens next.
class EventLog {
public:
    static constexpr int Capacity = 1000;
    static constexpr int LineLength = 255;

    void clear();
    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    // Appends a line to the ring and rewrites the file; write failures are swallowed.
    void append(const QString& text, const QString& filePath);
    // Entry k of the ring, 1 oldest .. 1000 newest.
    const QString& entry(int k) const;
    // The non-empty lines, oldest first, as the file holds them.
    QStringList lines() const;

private:
    std::array<QString, Capacity> ring_;
    int newest_ = Capacity - 1; // index of entry 1000 in ring_
    bool enabled_ = false;
};

} // namespace tessera
