// The restart search's settings: the exact search run in rounds, each on
// freshly reshuffled candidate lists, with budgets of tried candidates that
// follow the Luby sequence times a base.
#pragma once

namespace velzora {

// Tried candidates of a round of Luby length 1, with the pruning and
// without it (where a tried candidate costs some fifty times less);
// measured on random grids with the built-in dictionary
// (bench/yeniden_baslatma_olcumu.sh).
inline constexpr long long VARSAYILAN_TUR_TABANI = 200;
inline constexpr long long BUDAMASIZ_TUR_TABANI = 1000;

struct Yeniden_Baslatma {
    long long taban = VARSAYILAN_TUR_TABANI;
    // Keep every shared cell's letters consistent between its two slots
    // after each accepted word, on top of the exact search's forward check.
    bool budama = true;
};

// 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ... for i = 1, 2, ...
long long luby(long long i);

// What round i may spend: luby(i) * taban, at least 1, capped far below overflow.
long long tur_butcesi(long long i, long long taban);

}  // namespace velzora
