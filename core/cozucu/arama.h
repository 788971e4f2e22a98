// The exact search over the analysis tables: depth-first, one slot per
// level, the slot with the fewest remaining candidates next, forward checking
// every later slot after each tried candidate. Terms are those of cozucu.h.
#pragma once

#include <cstddef>
#include <vector>

#include "analiz/aday_listeleri.h"
#include "analiz/harf_tablosu.h"
#include "analiz/yer_tablosu.h"
#include "cozucu/aday_maskeleri.h"
#include "cozucu/arama_denetcisi.h"
#include "cozucu/cozum_turleri.h"
#include "cozucu/seviye_durumu.h"
#include "izgara/izgara.h"

namespace velzora {

// Everything one analysis produces, read-only for the search.
struct Analiz_Tablolari {
    Yer_Tablosu yerler;
    Harf_Tablosu harfler;
    Aday_Listeleri adaylar;
    Aday_Maskeleri maskeler;
};

class Arama {
  public:
    // The analysis's last step: sizes the level storage for these tables.
    // Throws std::bad_alloc when it exceeds `bellek_siniri` bytes, which
    // also bounds its growth during the search.
    void hazirla(const Analiz_Tablolari& tablolar, std::size_t bellek_siniri);
    // Bytes the level storage holds now.
    std::size_t ayrilan_bayt() const { return durum_.ayrilan_bayt(); }

    // Runs the search to its end on a grid of the analysed size, under the
    // clock, hook and redraw of denetci(), which the caller has started.
    Arama_Sonucu bulmaca_coz();

    Arama_Denetcisi& denetci() { return d_; }
    const Arama_Denetcisi& denetci() const { return d_; }
    const Cozum_Kaydi& kayit() const { return k_; }
    Arama_Istatistigi istatistik() const;

  private:
    Arama_Sonucu dongu_donanim();
    Arama_Sonucu dongu_genel();
    Arama_Sonucu dongu();
    Arama_Sonucu kelime_sec(int L, int& k);
    bool ileri_denetim(int L, int s, int k);
    void seviyeye_gir(int L);
    void sonraki_sec(int p);
    void yerlestir(int s, int k);
    void cozum_goster(int L);
    Ilerleme ilerleme(Kanca_Nedeni neden, int L) const;
    bool dongu_tutarli(int L) const;

    const Analiz_Tablolari* t_ = nullptr;
    Arama_Denetcisi d_;
    int n_ = 0;
    Seviye_Durumu durum_;
    Cozum_Kaydi k_;
    std::vector<int> konum_;                     // inverse of k_.Sira
    std::vector<Seviye_Durumu::Isaret> isaret_;  // [L]: where level L's versions end
    std::vector<int> imlec_;                     // [L]: first bitset word that may be set
    std::vector<int> adetler_;                   // Aday_Adet of every slot
    bool bos_yer_var_ = false;                   // a slot other than slot 1 has no candidate
    bool tekrar_izni_ = false;
    long long kabul_ = 0;
    long long denenen_ = 0;
    long long geri_donus_ = 0;
};

}  // namespace velzora
