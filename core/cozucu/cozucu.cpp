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
    // One budget for the whole run: every stage gets what the ones before it
    // left, and the search what the analysis left.
    try {
        t_.yerler.yerleri_bul(izgara);
        t_.harfler.harf_oku(izgara);
        std::size_t kalan = bellek_siniri_;
        const auto harca = [&kalan](std::size_t bayt) {
            if (bayt > kalan)
                return false;
            kalan -= bayt;
            return true;
        };
        if (!t_.adaylar.aday_bul(t_.yerler, t_.harfler, sozluk, kaynak, kalan) ||
            !harca(t_.adaylar.bayt()) || !t_.maskeler.kur(t_.yerler, t_.adaylar, kalan) ||
            !harca(t_.maskeler.bayt())) {
            durum_ = Cozum_Durumu::Bellek_Yetersiz;
            return Analiz_Sonucu::Bellek_Yetersiz;
        }
        arama_.hazirla(t_, kalan);
        kalan_bellek_ = kalan - std::min(kalan, arama_.ayrilan_bayt());
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

Cozum_Durumu Bulmaca_Cozucu::bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                         const Tekrar_Okuyucu& tekrar_izni) {
    akilli_son_ = false;
    return aramayi_yurut(arama_.denetci(), izgara, kanca, tekrar_izni,
                         [&] { return arama_.bulmaca_coz(); });
}

Cozum_Durumu Bulmaca_Cozucu::akilli_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                        const Tekrar_Okuyucu& tekrar_izni,
                                        const Akilli_Ayar& ayar) {
    akilli_son_ = true;
    return aramayi_yurut(akilli_.denetci(), izgara, kanca, tekrar_izni,
                         [&] { return akilli_.coz(t_, ayar, kalan_bellek_); });
}

std::vector<std::string> Bulmaca_Cozucu::Cozum_Soru_Tablosu() const {
    std::vector<std::string> tablo(static_cast<std::size_t>(Yer_Sayisi() + 1));
    for (int s = 1; s <= Yer_Sayisi(); ++s)
        tablo[static_cast<std::size_t>(s)] = Cozum_Soru(s);
    return tablo;
}

}  // namespace velzora
