// The restart search's stronger pruning works on shared cells: for every
// cell where an across and a down slot cross, the set of letters both slots
// still allow. Letters are dense codes fixed for the run; a set is one
// 64-bit word, kept per level with an undo trail like the slots' sets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "analiz/aday_listeleri.h"
#include "analiz/yer_tablosu.h"
#include "cozucu/aday_maskeleri.h"

namespace velzora {

// A crossing seen from the slot whose list holds it.
struct Kesisme {
    int yer = 0;       // the other slot
    int bu_konum = 0;  // position of the cell in this slot's word
    int hucre = 0;     // the cell's number
    int karsi = 0;     // kesisme_no of the same crossing seen from the other slot
};

class Hucre_Harfleri {
  public:
    // Builds the tables for the analysis; every cell may take every letter.
    // False when more than 64 distinct letters occur at crossed positions;
    // the pruning then stays off.
    bool hazirla(const Yer_Tablosu& yerler, const Aday_Listeleri& adaylar,
                 const Aday_Maskeleri& maskeler);

    std::span<const Kesisme> kesismeler(int s) const {
        return std::span<const Kesisme>(kesismeler_)
            .subspan(static_cast<std::size_t>(bas_[static_cast<std::size_t>(s)]),
                     static_cast<std::size_t>(bas_[static_cast<std::size_t>(s) + 1] -
                                              bas_[static_cast<std::size_t>(s)]));
    }
    int kesisme_no(const Kesisme& e) const { return static_cast<int>(&e - kesismeler_.data()); }
    const Kesisme& karsi(const Kesisme& e) const {
        return kesismeler_[static_cast<std::size_t>(e.karsi)];
    }
    // Per letter code, the candidates of the slot that owns e with that
    // letter at the cell (nullptr for none): Aday_Maskeleri's masks, looked
    // up once.
    const std::uint64_t* const* maskeler(const Kesisme& e) const {
        return maske_tablosu_.data() + static_cast<std::size_t>(kesisme_no(e)) * 64;
    }
    // Per candidate of the slot that owns crossing e (from 0, list order),
    // the code of its letter at the cell: one byte per candidate, so that
    // reading a few candidates' letters reads few cache lines.
    const std::uint8_t* kodlar(const Kesisme& e) const {
        return kod_tablosu_.data() + kod_basi_[static_cast<std::size_t>(kesisme_no(e))];
    }

    // Per crossing and letter, the bitset word where the crossing's slot
    // last had a candidate with that letter there: checked first, it
    // usually still holds one. A hint only, so never undone.
    int* son_destek(const Kesisme& e) {
        return son_destek_.data() + static_cast<std::size_t>(kesisme_no(e)) * 64;
    }

    std::uint64_t kume(int h) const { return alan_[static_cast<std::size_t>(h)]; }
    void ata(int h, std::uint64_t yeni) {
        iz_.push_back({h, alan_[static_cast<std::size_t>(h)]});
        alan_[static_cast<std::size_t>(h)] = yeni;
    }
    std::size_t isaret() const { return iz_.size(); }
    void geri_al(std::size_t isaret) {
        for (; iz_.size() > isaret; iz_.pop_back())
            alan_[static_cast<std::size_t>(iz_.back().hucre)] = iz_.back().eski;
    }

    // The sets as they stand become those every round starts from.
    void taban_sakla();
    void tabana_don();

  private:
    struct Iz {
        int hucre;
        std::uint64_t eski;
    };

    std::vector<Kesisme> kesismeler_;
    std::vector<int> bas_{0, 0};  // slot s owns bas_[s] .. bas_[s + 1] - 1
    std::vector<int> son_destek_;
    std::vector<const std::uint64_t*> maske_tablosu_;
    std::vector<std::size_t> kod_basi_;
    std::vector<std::uint8_t> kod_tablosu_;
    std::vector<std::uint64_t> alan_;
    std::vector<std::uint64_t> taban_;
    std::vector<Iz> iz_;
};

}  // namespace velzora
