// A whole puzzle at one moment: the grid's size and cells and the fill.
// A puzzle file holds one, and an undo step restores one.
#pragma once

#include <cstddef>
#include <vector>

#include "bulmaca/dolgu.h"
#include "izgara/izgara.h"

namespace velzora {

struct Bulmaca_Hucresi {
    bool siyah = false;
    bool dolu = false;
    char harf = 0;  // Windows-1254, when dolu
    bool operator==(const Bulmaca_Hucresi&) const = default;
};

struct Bulmaca {
    int Satir_Sayisi = 0;
    int Sutun_Sayisi = 0;
    std::vector<Bulmaca_Hucresi> hucreler;  // row by row
    Dolgu dolgu;

    // 1 <= satir <= Satir_Sayisi, 1 <= sutun <= Sutun_Sayisi.
    Bulmaca_Hucresi& hucre(int satir, int sutun) {
        return hucreler[static_cast<std::size_t>((satir - 1) * Sutun_Sayisi + sutun - 1)];
    }
    const Bulmaca_Hucresi& hucre(int satir, int sutun) const {
        return hucreler[static_cast<std::size_t>((satir - 1) * Sutun_Sayisi + sutun - 1)];
    }
    bool operator==(const Bulmaca&) const = default;
};

Bulmaca_Hucresi hucre_al(const Izgara& izgara, int satir, int sutun);
Bulmaca bulmaca_al(const Izgara& izgara, const Dolgu& dolgu);

// Gives the grid the puzzle's size and cells in one change batch. The size
// is set only when it differs, so a view keeps its layout otherwise.
void izgaraya_yaz(const Bulmaca& bulmaca, Izgara& izgara);

}  // namespace velzora
