// Precomputed candidate sets for the forward check. For every slot, every
// crossed position and every letter, the bitset of the slot's candidates
// (in list order) that have that letter there; and, for the repetition rule,
// which candidates of all slots carry one and the same word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "analiz/aday_listeleri.h"
#include "analiz/yer_tablosu.h"

namespace velzora {

// A candidate somewhere in the grid: candidate `aday` of slot `yer`.
struct Es_Aday {
    int yer = 0;
    int aday = 0;
};

class Aday_Maskeleri {
  public:
    // Returns false, building nothing, when the tables would take more than
    // `bellek_siniri` bytes.
    bool kur(const Yer_Tablosu& yerler, const Aday_Listeleri& adaylar, std::size_t bellek_siniri);

    // 64-bit words in a bitset of slot s (bit k - 1 is candidate k).
    int kelime_sayisi(int s) const { return kelime_sayisi_[static_cast<std::size_t>(s)]; }

    // Candidates of slot s whose letter at position p (a crossed position)
    // is `harf`; nullptr when there is none.
    const std::uint64_t* maske(int s, int p, char harf) const {
        const auto grup = static_cast<std::size_t>(grup_basi_[static_cast<std::size_t>(s)] + p - 1);
        const unsigned sira = harf_sirasi_[grup * 256 + static_cast<unsigned char>(harf)];
        if (sira == 0)
            return nullptr;
        return maskeler_.data() + grup_maskesi_[grup] +
               (sira - 1) * static_cast<std::size_t>(kelime_sayisi(s));
    }

    // Every candidate in the grid whose word equals that of candidate k of
    // slot s, this one included.
    std::span<const Es_Aday> esler(int s, int k) const {
        const auto kimlik = static_cast<std::size_t>(aday_kimligi_[adaylar_->genel_sira(s, k)]);
        return std::span<const Es_Aday>(es_listesi_)
            .subspan(static_cast<std::size_t>(es_basi_[kimlik]),
                     static_cast<std::size_t>(es_basi_[kimlik + 1] - es_basi_[kimlik]));
    }

    std::size_t bayt() const;

  private:
    const Aday_Listeleri* adaylar_ = nullptr;
    std::vector<int> kelime_sayisi_;
    // One group per (slot, position): slot s owns groups grup_basi_[s] ..
    // grup_basi_[s] + Uzunluk - 1.
    std::vector<int> grup_basi_;
    // 256 per group; 0 = no candidate. A word holds any byte but CR and LF,
    // so at most 254 letters occur at one position.
    std::vector<std::uint8_t> harf_sirasi_;
    std::vector<std::size_t> grup_maskesi_;  // first mask of the group in maskeler_
    std::vector<std::uint64_t> maskeler_;
    std::vector<int> aday_kimligi_;  // every candidate -> number of its distinct word
    std::vector<int> es_basi_;
    std::vector<Es_Aday> es_listesi_;
};

}  // namespace velzora
