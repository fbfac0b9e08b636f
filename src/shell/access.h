#pragma once

#include <functional>

namespace tessera {

class Context;

enum class Attempt { Done, Retry, Stop };

// The access rule for files that other computers share: each attempt does
// the whole operation; a failed one is tried again after 75..99 ms while
// messages run, the lost-connection window comes up after the ninth failure,
// and the tenth ends it. True when an attempt finished the work; false after
// ten failures or when an attempt said Stop.
bool withAccessRule(Context& ctx, const std::function<Attempt()>& attempt);

} // namespace tessera
