#include "shell/eventlog.h"

#include "shell/codepage.h"
#include "shell/textfile.h"

#include <QStringList>

namespace tessera {

void EventLog::clear() {
    for (auto& line : ring_)
        line.clear();
    newest_ = Capacity - 1;
}

const QString& EventLog::entry(int k) const {
    return ring_[(newest_ + k) % Capacity];
}

QStringList EventLog::lines() const {
    QStringList result;
    for (int k = 1; k <= Capacity; ++k)
        if (!entry(k).isEmpty()) result << entry(k);
    return result;
}

void EventLog::append(const QString& text, const QString& filePath) {
    if (!enabled_) return;
    newest_ = (newest_ + 1) % Capacity;
    ring_[newest_] = text.left(LineLength);

    QByteArray content;
    for (int k = 1; k <= Capacity; ++k) {
        const QString& line = entry(k);
        if (line.isEmpty()) continue;
        content += toCp1252Lossy(line);
        content += "\r\n";
    }
    // A failure leaves the old file; the line is written with the next one.
    writeFileWhole(filePath, content);
}

} // namespace tessera
