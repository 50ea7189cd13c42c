#pragma once

#include <functional>

namespace vimo {

// A prescribed pause of the protocol, in milliseconds. Exchanges take it as a parameter so that tests can record
// the pauses instead of sleeping through them.
using Pause = std::function<void(int ms)>;

// Sleeps the calling thread.
void sleepPause(int ms);

} // namespace vimo
