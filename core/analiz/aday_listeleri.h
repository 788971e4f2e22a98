// Every slot's candidate list: the dictionary entries of the slot's length
// that fit the letter snapshot, first in dictionary order, then shuffled.
// The order is kept as a permutation over the dictionary-order list, so a
// later reshuffle needs no second search of the dictionary.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "analiz/harf_tablosu.h"
#include "analiz/yer_tablosu.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace velzora {

class Aday_Listeleri {
  public:
    // Builds the lists in dictionary order and shuffles them with
    // aday_karistir. Keeps its own copy of the word store, so the candidates
    // and the solver's results stay readable whatever happens to `sozluk`.
    // Returns false, building nothing, when the lists and the search tables
    // that grow with them would take more than `bellek_siniri` bytes.
    bool aday_bul(const Yer_Tablosu& yerler, const Harf_Tablosu& harfler, const Sozluk& sozluk,
                  Rastgele_Kaynak& kaynak, std::size_t bellek_siniri);

    // Bytes that every candidate of a slot of this length costs here and in
    // the search's tables (masks aside).
    static std::size_t aday_bayti(int uzunluk) {
        return 5 * sizeof(int) + sizeof(int) + static_cast<std::size_t>(uzunluk);
    }

    // Each of the first h = Aday_Adet / 2 candidates of every slot is exchanged
    // with the one at a drawn position h + 1 .. 2h.
    void aday_karistir(Rastgele_Kaynak& kaynak);

    int Yer_Sayisi() const { return static_cast<int>(bas_.size()) - 2; }
    int Aday_Adet(int s) const {
        return bas_[static_cast<std::size_t>(s) + 1] - bas_[static_cast<std::size_t>(s)];
    }
    int En_Cok_Aday() const { return En_Cok_Aday_; }

    // Dictionary entry number of candidate k (1 <= k <= Aday_Adet(s)), in list order.
    int kayit(int s, int k) const {
        const auto b = static_cast<std::size_t>(bas_[static_cast<std::size_t>(s)]);
        return taban_[b + static_cast<std::size_t>(sira_[b + static_cast<std::size_t>(k) - 1])];
    }
    // Empty beyond the slot's own count.
    std::string_view Aday_Kelime(int s, int k) const {
        return k >= 1 && k <= Aday_Adet(s) ? sozluk_.Kelime(kayit(s, k)) : std::string_view();
    }
    std::string_view Aday_Soru(int s, int k) const {
        return k >= 1 && k <= Aday_Adet(s) ? sozluk_.Soru(kayit(s, k)) : std::string_view();
    }

    const Sozluk& sozluk() const { return sozluk_; }
    // Bytes the lists hold, their copy of the word store included.
    std::size_t bayt() const;

    // The letters of candidate k, Uzunluk bytes, from a copy laid out in list
    // order so that the search reads one cache line per candidate.
    const char* aday_harfleri(int s, int k) const {
        return harfler_.data() + harf_basi_[static_cast<std::size_t>(s)] +
               static_cast<std::size_t>(k - 1) * static_cast<std::size_t>(uzunluk(s));
    }
    // Index of candidate k of slot s among all candidates of all slots.
    std::size_t genel_sira(int s, int k) const {
        return static_cast<std::size_t>(bas_[static_cast<std::size_t>(s)] + k - 1);
    }
    std::size_t aday_toplami() const { return taban_.size(); }

    // Whether a word of the slot's length agrees with the snapshot letters in its cells.
    static bool kelime_uyar(const Kelime_Yeri& yer, const Harf_Tablosu& harfler,
                            std::string_view kelime);

  private:
    static void liste_karistir(std::span<int> liste, Rastgele_Kaynak& kaynak);
    int uzunluk(int s) const { return uzunluklar_[static_cast<std::size_t>(s)]; }
    void harfleri_diz();

    Sozluk sozluk_;
    // Slot s owns indexes bas_[s] .. bas_[s + 1] - 1 of both tables below.
    std::vector<int> bas_{0, 0};
    std::vector<int> taban_;  // entry numbers in dictionary order
    std::vector<int> sira_;   // list position -> index into the slot's dictionary-order block
    int En_Cok_Aday_ = 0;
    std::vector<int> uzunluklar_;
    std::vector<std::size_t> harf_basi_;
    std::vector<char> harfler_;
};

}  // namespace velzora
