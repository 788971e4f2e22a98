#include "cozucu/seviye_durumu.h"

#include <algorithm>
#include <new>

namespace velzora {

void Seviye_Durumu::hazirla(std::span<const int> kelime_sayilari, std::size_t ayrilan,
                            std::size_t bellek_siniri) {
    bellek_siniri_ = bellek_siniri;
    yerler_.assign(kelime_sayilari.size(), Yer_Kaydi{});
    taban_ = 0;
    for (std::size_t t = 1; t < kelime_sayilari.size(); ++t) {
        yerler_[t].kelime_sayisi = kelime_sayilari[t];
        taban_ += static_cast<std::size_t>(kelime_sayilari[t]);
    }
    const std::size_t kapasite = taban_ + ayrilan;
    if (kapasite * sizeof(std::uint64_t) > bellek_siniri_)
        throw std::bad_alloc();
    alan_ = std::make_unique_for_overwrite<std::uint64_t[]>(kapasite);
    kapasite_ = kapasite;
    iz_.clear();
    iz_.reserve(kelime_sayilari.size() * 4);
}

void Seviye_Durumu::baslat(std::span<const int> adetler) {
    tabani_yerlestir();
    for (std::size_t t = 1; t < yerler_.size(); ++t) {
        Yer_Kaydi& y = yerler_[t];
        y.sayi = adetler[t];
        std::uint64_t* b = alan_.get() + y.konum;
        std::fill(b, b + y.kelime_sayisi, ~std::uint64_t{0});
        if (adetler[t] % 64 != 0)
            b[y.kelime_sayisi - 1] = (std::uint64_t{1} << (adetler[t] % 64)) - 1;
    }
}

// Every slot's level-0 version at its fixed place, nothing above it.
void Seviye_Durumu::tabani_yerlestir() {
    iz_.clear();
    std::size_t konum = 0;
    for (std::size_t t = 1; t < yerler_.size(); ++t) {
        Yer_Kaydi& y = yerler_[t];
        y.konum = konum;
        y.seviye = 0;
        konum += static_cast<std::size_t>(y.kelime_sayisi);
    }
    boy_ = tepe_ = konum;
}

std::uint64_t* Seviye_Durumu::kopya_surum(int t, int seviye) {
    const int sayi = yer(t).sayi;
    const Yeni_Surum s = yeni_surum(t, seviye);
    std::copy(s.eski, s.eski + yer(t).kelime_sayisi, s.yeni);
    yer(t).sayi = sayi;
    return s.yeni;
}

void Seviye_Durumu::buyut(std::size_t en_az) {
    // The old storage stays until the copy is made, so both count.
    const std::size_t yeni = std::max(kapasite_ * 2, boy_ + en_az);
    if ((kapasite_ + yeni) * sizeof(std::uint64_t) + iz_.capacity() * sizeof(Iz) > bellek_siniri_)
        throw std::bad_alloc();
    auto alan = std::make_unique_for_overwrite<std::uint64_t[]>(yeni);
    std::copy(alan_.get(), alan_.get() + boy_, alan.get());
    alan_ = std::move(alan);
    kapasite_ = yeni;
}

std::size_t Seviye_Durumu::tepe_bayt() const {
    return tepe_ * sizeof(std::uint64_t) + iz_.capacity() * sizeof(Iz);
}

}  // namespace velzora
