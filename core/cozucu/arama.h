// The backtracking search over the analysis tables: depth-first, one slot per
// level, the slot with the fewest remaining candidates next, forward checking
// every later slot after each tried candidate. Terms are those of cozucu.h.
#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

#include "analiz/aday_listeleri.h"
#include "analiz/harf_tablosu.h"
#include "analiz/yer_tablosu.h"
#include "cozucu/aday_maskeleri.h"
#include "cozucu/cozum_turleri.h"
#include "cozucu/hucre_harfleri.h"
#include "cozucu/seviye_durumu.h"
#include "cozucu/tur_sirasi.h"
#include "cozucu/yeniden_baslatma.h"
#include "izgara/izgara.h"
#include "ortak/rastgele.h"

namespace velzora {

// Everything one analysis produces, read-only for the search.
struct Analiz_Tablolari {
    Yer_Tablosu yerler;
    Harf_Tablosu harfler;
    Aday_Listeleri adaylar;
    Aday_Maskeleri maskeler;
};

struct Arama_Istatistigi {
    long long kabul_edilen = 0;
    long long denenen = 0;  // every candidate taken off a level, accepted or not
    long long geri_donus = 0;
    std::size_t tepe_seviye_bayti = 0;
};

class Arama {
  public:
    // The analysis's last step: sizes the level storage for these tables.
    // Throws std::bad_alloc when it exceeds `bellek_siniri` bytes.
    void hazirla(const Analiz_Tablolari& tablolar, std::size_t bellek_siniri);

    // Runs the search to its end. Throws std::bad_alloc when the level
    // storage outgrows the budget; the caller turns that into the outcome.
    Cozum_Durumu bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                             const Tekrar_Okuyucu& tekrar_izni);

    // The same search in rounds: a round ends when it has tried its budget
    // of candidates, and the next one reshuffles every list with draws from
    // `kaynak`, puts the letter snapshot back and starts again from level 1.
    // A round that exhausts slot 1 proves that no fill exists. The deepest
    // fill is the deepest of all rounds. With `ayar.budama` the crossings'
    // letters are pruned once before the first round, every round starts
    // from that, and every accepted word prunes them again.
    Cozum_Durumu yeniden_baslatarak_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                        const Tekrar_Okuyucu& tekrar_izni,
                                        const Yeniden_Baslatma& ayar, Rastgele_Kaynak& kaynak);

    // Position p (1..n) holds the slot filled at level p.
    const std::vector<int>& Sira() const { return Sira_; }
    // Candidate numbers per slot, 0 for none: the word in the slot now, the
    // last accepted one (kept when withdrawn), and the deepest fill's.
    int yerlesen(int s) const { return yerlesen_[static_cast<std::size_t>(s)]; }
    int son_kabul(int s) const { return son_kabul_[static_cast<std::size_t>(s)]; }
    int en_iyi(int s) const { return en_iyi_[static_cast<std::size_t>(s)]; }
    int En_Derin() const { return En_Derin_; }
    std::chrono::sys_seconds Bitis_Zamani() const { return Bitis_Zamani_; }
    bool cizim_yapildi() const { return cizildi_; }
    Arama_Istatistigi istatistik() const;
    // Rounds begun in the last run; the exact search is one round.
    long long Tur_Sayisi() const { return tur_; }

  private:
    bool baslat(Izgara& izgara, const Cozum_Kancasi& kanca, const Tekrar_Okuyucu& tekrar_izni);
    void tur_hazirla();
    void bitir();
    Cozum_Durumu dongu_donanim();
    Cozum_Durumu dongu_genel();
    Cozum_Durumu tur_donanim();
    Cozum_Durumu tur_genel();
    template <bool Turlu>
    Cozum_Durumu dongu();
    template <bool Turlu>
    int kelime_sec(int L);
    int tur_adayi(int s, const std::uint64_t* bitler, int& imlec) const;
    bool ileri_denetim(int L, int s, int k);
    bool capraz_buda(int L, int s);
    bool harf_buda(int L, int seviye);
    std::uint64_t destekli_harfler(int t, const Kesisme& e, std::uint64_t kume);
    bool harfleri_sil(int u, const Kesisme& e, std::uint64_t silinen, int seviye);
    void kuyruga_ekle(int s);
    void seviyeye_gir(int L);
    void sonraki_sec(int p);
    void yerlestir(int s, int k);
    void cozum_goster(int L);
    void tam_ciz(const std::vector<int>& kelimeler);
    void harf_geri_yaz();
    Kanca_Yaniti kanca_cagir(Kanca_Nedeni neden, int L);
    bool ara_denetim_durdur(int L);
    bool sureli_denetim_durdur(int L);
    void saat_sayacini_kur();

    const Analiz_Tablolari* t_ = nullptr;
    int n_ = 0;
    Seviye_Durumu durum_;
    std::vector<int> Sira_;
    std::vector<int> konum_;  // inverse of Sira_
    std::vector<int> yerlesen_;
    std::vector<int> son_kabul_;
    std::vector<int> en_iyi_;
    std::vector<Seviye_Durumu::Isaret> isaret_;  // [L]: where level L's versions end
    std::vector<int> imlec_;                     // [L]: first bitset word that may be set
    std::vector<int> kirli_;                     // slots changed since the last redraw
    std::vector<char> kirli_mi_;
    std::vector<int> adetler_;  // Aday_Adet of every slot
    int En_Derin_ = 0;
    bool bos_yer_var_ = false;  // a slot other than slot 1 has no candidate
    bool tekrar_izni_ = false;
    bool cizildi_ = false;

    Izgara* izgara_ = nullptr;
    const Cozum_Kancasi* kanca_ = nullptr;
    const Tekrar_Okuyucu* tekrar_oku_ = nullptr;
    std::chrono::sys_seconds Bitis_Zamani_{};
    std::chrono::steady_clock::time_point son_ara_denetim_{};
    std::chrono::sys_seconds saniye_onbellegi_{};  // wall clock at the last stop check
    long long son_cizim_denemesi_ = -1;            // tried count at the last redraw
    int saat_sayaci_ = 0;
    long long kabul_ = 0;
    long long denenen_ = 0;
    long long geri_donus_ = 0;

    // The restart search; an exact run is one round without a budget.
    Tur_Sirasi tur_sirasi_;
    long long tur_ = 0;
    long long butce_sonu_ = 0;  // the round ends when denenen_ reaches it
    bool butce_bitti_ = false;
    // Its stronger pruning: the shared cells' letters, where level L's begin,
    // and the slots whose sets shrank and whose cells are still to be checked.
    bool budama_ = false;
    Hucre_Harfleri hucreler_;
    std::vector<std::size_t> hucre_isareti_;
    std::vector<int> kuyruk_;
    std::vector<char> kuyrukta_;
};

}  // namespace velzora
