#pragma once
// @brief What every window is handed at creation: the dialogs, the random source and
// the clock. The program passes the real ones; tests pass scripted ones.

namespace morvelin {

class Clock;
class Dialogs;
class RandomSource;

struct Services {
    Dialogs &dialogs;
    RandomSource &random;
    const Clock &clock;
};

} // namespace morvelin
