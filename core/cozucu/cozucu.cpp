#include "cozucu/cozucu.h"

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
    try {
        t_.yerler.yerleri_bul(izgara);
        t_.harfler.harf_oku(izgara);
        if (!t_.adaylar.aday_bul(t_.yerler, t_.harfler, sozluk, kaynak, bellek_siniri_) ||
            !t_.maskeler.kur(t_.yerler, t_.adaylar, bellek_siniri_)) {
            durum_ = Cozum_Durumu::Bellek_Yetersiz;
            return Analiz_Sonucu::Bellek_Yetersiz;
        }
        arama_.hazirla(t_, bellek_siniri_ - t_.maskeler.bayt());
    } catch (const std::bad_alloc&) {
        durum_ = Cozum_Durumu::Bellek_Yetersiz;
        return Analiz_Sonucu::Bellek_Yetersiz;
    }
    analiz_hazir_ = true;
    analiz_suresi_ = std::chrono::steady_clock::now() - bas;
    return Analiz_Sonucu::Tamam;
}

template <class Kos>
Cozum_Durumu Bulmaca_Cozucu::aramayi_yurut(const Kos& kos) {
    if (!analiz_hazir_)
        return durum_;
    const auto bas = std::chrono::steady_clock::now();
    try {
        durum_ = kos();
    } catch (const std::bad_alloc&) {
        durum_ = Cozum_Durumu::Bellek_Yetersiz;
    }
    arama_suresi_ = std::chrono::steady_clock::now() - bas;
    return durum_;
}

Cozum_Durumu Bulmaca_Cozucu::bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                         const Tekrar_Okuyucu& tekrar_izni) {
    return aramayi_yurut([&] { return arama_.bulmaca_coz(izgara, kanca, tekrar_izni); });
}

Cozum_Durumu Bulmaca_Cozucu::bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                         const Tekrar_Okuyucu& tekrar_izni,
                                         const Yeniden_Baslatma& ayar, Rastgele_Kaynak& kaynak) {
    return aramayi_yurut(
        [&] { return arama_.yeniden_baslatarak_coz(izgara, kanca, tekrar_izni, ayar, kaynak); });
}

std::vector<std::string> Bulmaca_Cozucu::Cozum_Soru_Tablosu() const {
    std::vector<std::string> tablo(static_cast<std::size_t>(Yer_Sayisi() + 1));
    for (int s = 1; s <= Yer_Sayisi(); ++s)
        tablo[static_cast<std::size_t>(s)] = Cozum_Soru(s);
    return tablo;
}

}  // namespace velzora
