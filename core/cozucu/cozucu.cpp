#include "cozucu/cozucu.h"

#include <algorithm>
#include <new>

namespace velzora {

Analiz_Sonucu Bulmaca_Cozucu::analiz_et(const Izgara& izgara, const Sozluk& sozluk,
                                        bool Sozluk_Degisti, const Sozluk_Yukleyici& sozluk_yukle,
                                        Rastgele_Kaynak& kaynak) {
    const auto bas = std::chrono::steady_clock::now();
    Baslama_Zamani_ = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    analiz_hazir_ = false;
    durum_ = Cozum_Durumu::Analiz_Yok;
    if (sozluk_yuklenmeli(Sozluk_Degisti)) {
        if (!sozluk_yukle || !sozluk_yukle())
            return Analiz_Sonucu::Sozluk_Yuklenemedi;
        Ilk_Kez_ = false;
    }
    // The last run's tables go first: they count against this run's budget
    // as long as they are held.
    t_.maskeler = Aday_Maskeleri();
    arama_ = Arama();
    arama_hazir_ = false;
    // One budget for the whole run: every stage gets what the ones before it
    // left, and the search what the analysis left.
    try {
        t_.yerler.yerleri_bul(izgara);
        t_.harfler.harf_oku(izgara);
        if (!t_.adaylar.aday_bul(t_.yerler, t_.harfler, sozluk, kaynak, bellek_siniri_) ||
            t_.adaylar.bayt() > bellek_siniri_) {
            durum_ = Cozum_Durumu::Bellek_Yetersiz;
            return Analiz_Sonucu::Bellek_Yetersiz;
        }
        kalan_bellek_ = bellek_siniri_ - t_.adaylar.bayt();
    } catch (const std::bad_alloc&) {
        durum_ = Cozum_Durumu::Bellek_Yetersiz;
        return Analiz_Sonucu::Bellek_Yetersiz;
    }
    analiz_hazir_ = true;
    analiz_suresi_ = std::chrono::steady_clock::now() - bas;
    return Analiz_Sonucu::Tamam;
}

template <class Kos>
Cozum_Durumu Bulmaca_Cozucu::aramayi_yurut(Arama_Denetcisi& denetci, Izgara& izgara,
                                           const Cozum_Kancasi& kanca,
                                           const Tekrar_Okuyucu& tekrar_izni, const Kos& kos) {
    if (!analiz_hazir_)
        return durum_;
    // A grid of another size than the analysed one is not searched at all.
    if (izgara.Satir_Sayisi() != t_.yerler.Satir_Sayisi() ||
        izgara.Sutun_Sayisi() != t_.yerler.Sutun_Sayisi())
        return durum_ = Cozum_Durumu::Analiz_Yok;
    const auto bas = std::chrono::steady_clock::now();
    denetci.baslat(izgara, t_, kanca, tekrar_izni, deneme_siniri_);
    Arama_Sonucu sonuc = Arama_Sonucu::Bellek_Yetersiz;
    try {
        sonuc = kos();
    } catch (const std::bad_alloc&) {
        sonuc = Arama_Sonucu::Bellek_Yetersiz;
    }
    switch (sonuc) {
        case Arama_Sonucu::Kabul:
            durum_ = Cozum_Durumu::Cozuldu;
            break;
        case Arama_Sonucu::Tukendi:
            durum_ = Cozum_Durumu::Cozulemedi;
            break;
        case Arama_Sonucu::Durduruldu:
            durum_ = Cozum_Durumu::Durduruldu;
            break;
        case Arama_Sonucu::Sinir_Doldu:
            durum_ = Cozum_Durumu::Sinir_Doldu;
            break;
        case Arama_Sonucu::Bellek_Yetersiz:
            durum_ = Cozum_Durumu::Bellek_Yetersiz;
            break;
    }
    arama_suresi_ = std::chrono::steady_clock::now() - bas;
    return durum_;
}

// The exact search's own tables (the masks and the level storage) from what
// the analysis left of the budget, once per analysis; their time counts as
// the analysis's.
bool Bulmaca_Cozucu::arama_hazirla() {
    const auto bas = std::chrono::steady_clock::now();
    try {
        if (!t_.maskeler.kur(t_.yerler, t_.adaylar, kalan_bellek_) ||
            t_.maskeler.bayt() > kalan_bellek_)
            return false;
        arama_.hazirla(t_, kalan_bellek_ - t_.maskeler.bayt());
    } catch (const std::bad_alloc&) {
        return false;
    }
    arama_hazir_ = true;
    analiz_suresi_ += std::chrono::steady_clock::now() - bas;
    return true;
}

Cozum_Durumu Bulmaca_Cozucu::bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                         const Tekrar_Okuyucu& tekrar_izni) {
    akilli_son_ = false;
    if (analiz_hazir_ && !arama_hazir_ && !arama_hazirla())
        return durum_ = Cozum_Durumu::Bellek_Yetersiz;
    return aramayi_yurut(arama_.denetci(), izgara, kanca, tekrar_izni,
                         [&] { return arama_.bulmaca_coz(); });
}

Cozum_Durumu Bulmaca_Cozucu::akilli_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                        const Tekrar_Okuyucu& tekrar_izni,
                                        const Akilli_Ayar& ayar) {
    akilli_son_ = true;
    // The exact search's tables, where it ran on this analysis, stay.
    const std::size_t tutulan = arama_hazir_ ? t_.maskeler.bayt() + arama_.ayrilan_bayt() : 0;
    return aramayi_yurut(akilli_.denetci(), izgara, kanca, tekrar_izni, [&] {
        return akilli_.coz(t_, ayar, kalan_bellek_ - std::min(kalan_bellek_, tutulan));
    });
}

std::vector<std::string> Bulmaca_Cozucu::Cozum_Soru_Tablosu() const {
    std::vector<std::string> tablo(static_cast<std::size_t>(Yer_Sayisi() + 1));
    for (int s = 1; s <= Yer_Sayisi(); ++s)
        tablo[static_cast<std::size_t>(s)] = Cozum_Soru(s);
    return tablo;
}

}  // namespace velzora
