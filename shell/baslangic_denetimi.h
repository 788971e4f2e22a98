// velzora --check: start-up as usual, but without a dialog. What start-up
// would show or ask goes to standard error; once the program waits for
// commands, it writes where it found its data and ends.
#pragma once

#include "dizinler.h"

namespace velzora {

// The exit status: EXIT_SUCCESS when start-up reached the waiting state
// without the user, EXIT_FAILURE when it needed them.
int baslangici_denetle(Dizinler dizinler);

}  // namespace velzora
