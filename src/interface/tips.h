#pragma once

#include <QString>
#include <optional>

namespace tessera {

class Context;

// tip_esp.txt, tip_eng.txt or tip_por.txt by interface language.
QString tipFileName(int language);
// The number of tips (non-empty lines); error 52 when the file cannot be read.
std::optional<int> countTips(Context& ctx);
// Tip n (1-based): its line from the fifth character; error 51 when the file cannot be read.
std::optional<QString> readTip(Context& ctx, int n);
// The tip to show: none (0) without tips, the only one, tip 1 at the very first
// start, otherwise a random one other than the previous.
int chooseTip(Context& ctx, int count, int previous, bool firstStart);

} // namespace tessera
