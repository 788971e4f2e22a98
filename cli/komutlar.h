// The subcommands of velzora-cli. Each takes its options, already read
// against its table, and returns the process exit status.
#pragma once

#include "argumanlar.h"

namespace velzora::cli {

// Exit statuses shared by the subcommands.
inline constexpr int CIKIS_TAMAM = 0;
inline constexpr int CIKIS_BASARISIZ = 1;     // not filled, or stopped
inline constexpr int CIKIS_HATALI_GIRDI = 2;  // bad options or unreadable input
inline constexpr int CIKIS_YAZILAMADI = 3;    // an output could not be written
// Proved unfillable: the search went through every choice, or the smart
// search's constraints left none.
inline constexpr int CIKIS_COZUMSUZ = 4;

int komut_random(Argumanlar& a);
int komut_dict(Argumanlar& a);
int komut_show(Argumanlar& a);
int komut_solve(Argumanlar& a);
int komut_slots(Argumanlar& a);

}  // namespace velzora::cli
