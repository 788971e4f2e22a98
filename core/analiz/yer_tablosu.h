// The slot table of a grid: every maximal run of two or more white cells,
// numbered across first (row-major) then down (column-major), with the
// crossings between across and down slots and, for every cell, the slots
// that cover it.
#pragma once

#include <span>
#include <vector>

#include "analiz/kelime_yeri.h"
#include "izgara/izgara.h"

namespace velzora {

// Where two slots share a cell: letter Konum_A of the first slot's word and
// letter Konum_B of the second's, from 1. Both 0 when they do not cross.
struct Kesisim_Noktasi {
    int Konum_A = 0;
    int Konum_B = 0;
    bool operator==(const Kesisim_Noktasi&) const = default;
};

// One crossing seen from a slot: the other slot and the two positions.
struct Capraz {
    int yer = 0;          // the crossing slot
    int bu_konum = 0;     // position of the shared cell in this slot's word
    int oteki_konum = 0;  // and in the crossing slot's word
};

class Yer_Tablosu {
  public:
    // Rebuilds everything from the grid's white cells.
    void yerleri_bul(const Izgara& izgara);

    int Yer_Sayisi() const { return static_cast<int>(Yerler_.size()) - 1; }
    // Index 0 holds no slot.
    const std::vector<Kelime_Yeri>& Yerler() const { return Yerler_; }
    const Kelime_Yeri& Yer(int s) const { return Yerler_[static_cast<std::size_t>(s)]; }

    // Any two slot numbers from 0 to Yer_Sayisi; (b, a) holds (a, b) reversed.
    Kesisim_Noktasi Kesisim(int a, int b) const;

    // The crossings of slot s in the order of its letters.
    std::span<const Capraz> caprazlar(int s) const;

    // The across and down slot covering a cell, 0 when none.
    int soldan_yer(int satir, int sutun) const { return hucre(satir, sutun).soldan; }
    int yukaridan_yer(int satir, int sutun) const { return hucre(satir, sutun).yukaridan; }

    int Satir_Sayisi() const { return satir_sayisi_; }
    int Sutun_Sayisi() const { return sutun_sayisi_; }

  private:
    struct Hucre_Yerleri {
        int soldan = 0;
        int yukaridan = 0;
    };
    const Hucre_Yerleri& hucre(int satir, int sutun) const {
        return hucreler_[static_cast<std::size_t>((satir - 1) * sutun_sayisi_ + sutun - 1)];
    }
    Hucre_Yerleri& hucre_yaz(int satir, int sutun) {
        return hucreler_[static_cast<std::size_t>((satir - 1) * sutun_sayisi_ + sutun - 1)];
    }

    void yer_tara(const Izgara& izgara, int hat_sayisi, int hucre_sayisi, Yon_Turu yon);
    void kesisim_bul();

    int satir_sayisi_ = 0;
    int sutun_sayisi_ = 0;
    std::vector<Kelime_Yeri> Yerler_{Kelime_Yeri{}};
    std::vector<Hucre_Yerleri> hucreler_;
    // Crossings of every slot, one block per slot: slot s owns
    // capraz_listesi_[capraz_basi_[s] .. capraz_basi_[s + 1]).
    std::vector<Capraz> capraz_listesi_;
    std::vector<int> capraz_basi_{0, 0};
};

}  // namespace velzora
