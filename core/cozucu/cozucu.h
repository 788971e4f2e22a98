// The puzzle solver: the slot analysis of a grid and the search that fills
// it. The program owns one Bulmaca_Cozucu (the desktop window and the
// command-line tool each their own); it keeps every table of the last run for
// the output commands until the next analysis.
//
// Terms used in every name here and in the files behind it:
//   cell (hucre)       one square of the grid, row and column from 1.
//   slot (yer)         a maximal run of two or more white cells across or
//                      down; slots are numbered from 1, across ones first,
//                      and the number indexes every per-slot table (index 0
//                      unused).
//   candidate (aday)   a dictionary word that fits a slot; candidate k is the
//                      k-th of the slot's list after the shuffle, from 1.
//   level (seviye)     the depth of the search: at level L the slots at
//                      positions 1..L-1 hold words and the slot at position L
//                      is being filled. Levels run from 1 to n + 1.
//   position (konum)   an index into the fill order Sira: position p holds
//                      the slot that is filled at level p.
//   crossing (kesisme) a cell shared by an across and a down slot.
//   tried (denenen)    a candidate taken off a level, accepted or not; in
//                      the smart search, a node of its search tree.
//   engine (motor)     one of the smart search's searches, each on a thread
//                      of its own with a seed of its own; a node (dugum) is
//                      a choice of a letter for a cell, a failure
//                      (basarisiz) a node whose letters cannot all stand, a
//                      restart (yeniden baslatma) a new search tree from the
//                      root after a number of failures.
//
// Two searches fill the slots: the exact search (arama.h), the program's own
// and its default, and the smart search (akilli_arama.h), a constraint model
// that either fills the grid or proves that no fill exists. Both leave the
// same results behind for the output.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cozucu/akilli_arama.h"
#include "cozucu/arama.h"
#include "cozucu/cozum_turleri.h"
#include "izgara/izgara.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace velzora {

// Shown when a run's tables cannot be had.
inline constexpr std::string_view BELLEK_YETERSIZ_MESAJI =
    "Bellek yetersiz: bu bulmacanın çözümü için gereken bellek ayrılamadı.";

// Tables of one run above this many bytes are refused rather than allocated.
inline constexpr std::size_t VARSAYILAN_BELLEK_SINIRI = std::size_t{2} << 30;

class Bulmaca_Cozucu {
  public:
    // Whether the next analysis reloads the dictionary: the first one, and
    // every one while Sozluk_Degisti is set.
    bool sozluk_yuklenmeli(bool Sozluk_Degisti) const { return Ilk_Kez_ || Sozluk_Degisti; }

    // The analysis before every search: records Baslama_Zamani, calls
    // `sozluk_yukle` when sozluk_yuklenmeli(Sozluk_Degisti) (it reloads
    // `sozluk`, the caller's store), finds the slots and crossings, takes the
    // letter snapshot and builds and shuffles the candidate lists with draws
    // from `kaynak`. The lists keep a copy of the word store.
    Analiz_Sonucu analiz_et(const Izgara& izgara, const Sozluk& sozluk, bool Sozluk_Degisti,
                            const Sozluk_Yukleyici& sozluk_yukle, Rastgele_Kaynak& kaynak);

    // The exact search: fills the analysed grid. `kanca` runs after every
    // accepted word (the grid already redrawn, in one change batch) and,
    // while no word is accepted, at least every 100 ms (nothing redrawn);
    // Durdur ends the run. `tekrar_izni` is read at the start and after
    // every hook call.
    Cozum_Durumu bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                             const Tekrar_Okuyucu& tekrar_izni);

    // The smart search, the designer's choice: fills the analysed grid or
    // proves that no fill exists (Cozulemedi). `kanca` runs on the calling
    // thread at least every 100 ms, after the grid was redrawn with the
    // letters fixed at the deepest point reached when that changed (at most
    // ten times a second); Durdur ends the run, and all its engines, within
    // the time of one node. `tekrar_izni` is read once, at the start. A
    // fill leaves the same results as the exact search's, with the identity
    // fill order; an unsolved run leaves the deepest point in the grid and,
    // as its deepest fill, the slots that were complete there.
    Cozum_Durumu akilli_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                            const Tekrar_Okuyucu& tekrar_izni, const Akilli_Ayar& ayar);

    // The memory budget of a whole run, analysis and search together: the
    // candidate lists, the masks, the level storage with its growth, and
    // the smart search's tables and engines.
    void bellek_siniri_ata(std::size_t bayt) { bellek_siniri_ = bayt; }
    // The most candidates a search may try (the smart search: nodes, over
    // all its engines); 0, the default, for no limit. A run that reaches it
    // ends with Sinir_Doldu; with one engine, a seeded run is reproducible.
    void deneme_siniri_ata(long long deneme) { deneme_siniri_ = deneme; }

    // The last analysis.
    int Yer_Sayisi() const { return t_.yerler.Yer_Sayisi(); }
    const std::vector<Kelime_Yeri>& Yerler() const { return t_.yerler.Yerler(); }
    Kesisim_Noktasi Kesisim(int a, int b) const { return t_.yerler.Kesisim(a, b); }
    std::string_view Harf(int satir, int sutun) const { return t_.harfler.Harf(satir, sutun); }
    int Aday_Adet(int s) const { return t_.adaylar.Aday_Adet(s); }
    int En_Cok_Aday() const { return t_.adaylar.En_Cok_Aday(); }
    std::string_view Aday_Kelime(int s, int k) const { return t_.adaylar.Aday_Kelime(s, k); }
    std::string_view Aday_Soru(int s, int k) const { return t_.adaylar.Aday_Soru(s, k); }

    // The last search (Windows-1254 text, valid until the next analysis).
    Cozum_Durumu Durum() const { return durum_; }
    bool Akilli() const { return akilli_son_; }
    const std::vector<int>& Sira() const { return kayit().Sira; }
    std::string_view Cozum_Kelime(int s) const {
        return Aday_Kelime(s, yer_kaydi(kayit().yerlesen, s));
    }
    std::string_view Cozum_Soru(int s) const {
        return Aday_Soru(s, yer_kaydi(kayit().son_kabul, s));
    }
    // Cozum_Soru of every slot, index 0 unused: what the clue lines read.
    std::vector<std::string> Cozum_Soru_Tablosu() const;
    std::string_view En_Iyi_Kelime(int s) const {
        return Aday_Kelime(s, yer_kaydi(kayit().en_iyi, s));
    }
    int En_Derin() const { return kayit().En_Derin; }
    Arama_Istatistigi istatistik() const {
        return akilli_son_ ? akilli_.istatistik() : arama_.istatistik();
    }
    std::size_t tablo_bayti() const { return t_.maskeler.bayt(); }

    // Wall-clock whole seconds: the start of the analysis, and the last
    // redraw (the end of the search when it drew nothing). Their difference
    // is the elapsed time the window shows.
    std::chrono::sys_seconds Baslama_Zamani() const { return Baslama_Zamani_; }
    std::chrono::sys_seconds Bitis_Zamani() const {
        return akilli_son_ ? akilli_.denetci().Bitis_Zamani() : arama_.denetci().Bitis_Zamani();
    }
    std::chrono::steady_clock::duration Analiz_Suresi() const { return analiz_suresi_; }
    std::chrono::steady_clock::duration Arama_Suresi() const { return arama_suresi_; }

  private:
    template <class Kos>
    Cozum_Durumu aramayi_yurut(Arama_Denetcisi& denetci, Izgara& izgara, const Cozum_Kancasi& kanca,
                               const Tekrar_Okuyucu& tekrar_izni, const Kos& kos);
    bool arama_hazirla();
    const Cozum_Kaydi& kayit() const { return akilli_son_ ? akilli_.kayit() : arama_.kayit(); }
    static int yer_kaydi(const std::vector<int>& v, int s) {
        return static_cast<std::size_t>(s) < v.size() ? v[static_cast<std::size_t>(s)] : 0;
    }

    Analiz_Tablolari t_;
    Arama arama_;
    Akilli_Arama akilli_;
    bool akilli_son_ = false;  // the last search was the smart one
    bool Ilk_Kez_ = true;
    bool analiz_hazir_ = false;
    bool arama_hazir_ = false;  // the exact search's tables stand for this analysis
    Cozum_Durumu durum_ = Cozum_Durumu::Analiz_Yok;
    std::size_t bellek_siniri_ = VARSAYILAN_BELLEK_SINIRI;
    long long deneme_siniri_ = 0;
    std::size_t kalan_bellek_ = 0;  // what the analysis's lists left of the budget
    std::chrono::sys_seconds Baslama_Zamani_{};
    std::chrono::steady_clock::duration analiz_suresi_{};
    std::chrono::steady_clock::duration arama_suresi_{};
};

}  // namespace velzora
