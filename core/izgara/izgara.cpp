#include "izgara/izgara.h"

#include <algorithm>

namespace velzora {

Izgara::Izgara() : hucreler_(static_cast<std::size_t>(satir_sayisi_ * sutun_sayisi_)) {}

bool Izgara::ebat_ver(int satir_sayisi, int sutun_sayisi) {
    if (!ebat_gecerli_mi(satir_sayisi, sutun_sayisi))
        return false;
    satir_sayisi_ = satir_sayisi;
    sutun_sayisi_ = sutun_sayisi;
    hucreler_.assign(static_cast<std::size_t>(satir_sayisi * sutun_sayisi), Hucre{});
    tumu_degisti(true);
    return true;
}

void Izgara::siyah_yap(int satir, int sutun, Renk_Kodu kod) {
    Hucre& h = hucre(satir, sutun);
    const auto yeni = static_cast<std::uint8_t>(kod == Renk_Kodu::Siyah ? 1 : 0);
    if (h.siyah == yeni)
        return;
    h.siyah = yeni;
    degisti(satir, sutun);
}

std::string Izgara::harf_al(int satir, int sutun) const {
    const Hucre& h = hucre(satir, sutun);
    return h.dolu ? std::string(1, h.harf) : std::string();
}

void Izgara::harf_yaz(int satir, int sutun, std::string_view metin) {
    Hucre& h = hucre(satir, sutun);
    const bool dolu = !metin.empty();
    const char harf = dolu ? metin.front() : 0;
    if (h.dolu == dolu && h.harf == harf)
        return;
    h.dolu = dolu;
    h.harf = harf;
    degisti(satir, sutun);
}

void Izgara::harf_temizle() {
    bool degisen = false;
    for (Hucre& h : hucreler_) {
        degisen = degisen || h.dolu;
        h.dolu = 0;
        h.harf = 0;
    }
    if (degisen)
        tumu_degisti(false);
}

void Izgara::sabbosalt() {
    bool degisen = false;
    for (Hucre& h : hucreler_) {
        degisen = degisen || h.dolu || h.siyah;
        h = Hucre{};
    }
    if (degisen)
        tumu_degisti(false);
}

int Izgara::dinleyici_ekle(Dinleyici dinleyici) {
    dinleyiciler_.push_back({sonraki_numara_, std::move(dinleyici)});
    return sonraki_numara_++;
}

void Izgara::dinleyici_cikar(int numara) {
    std::erase_if(dinleyiciler_, [numara](const auto& d) { return d.numara == numara; });
}

void Izgara::degisti(int satir, int sutun) {
    if (!bekleyen_var_) {
        bekleyen_ = {satir, sutun, satir, sutun, false};
        bekleyen_var_ = true;
    } else {
        bekleyen_.ilk_satir = std::min(bekleyen_.ilk_satir, satir);
        bekleyen_.ilk_sutun = std::min(bekleyen_.ilk_sutun, sutun);
        bekleyen_.son_satir = std::max(bekleyen_.son_satir, satir);
        bekleyen_.son_sutun = std::max(bekleyen_.son_sutun, sutun);
    }
    if (toplu_derinlik_ == 0)
        duyur();
}

void Izgara::tumu_degisti(bool ebat_degisti) {
    const bool onceki_ebat = bekleyen_var_ && bekleyen_.ebat_degisti;
    bekleyen_ = {1, 1, satir_sayisi_, sutun_sayisi_, ebat_degisti || onceki_ebat};
    bekleyen_var_ = true;
    if (toplu_derinlik_ == 0)
        duyur();
}

void Izgara::duyur() {
    if (!bekleyen_var_)
        return;
    const Izgara_Degisikligi d = bekleyen_;
    bekleyen_var_ = false;
    // A listener may add or remove listeners; walk a copy.
    const auto dinleyiciler = dinleyiciler_;
    for (const auto& k : dinleyiciler)
        k.islev(d);
}

Izgara::Toplu_Degisiklik::Toplu_Degisiklik(Izgara& izgara) : izgara_(izgara) {
    ++izgara_.toplu_derinlik_;
}

Izgara::Toplu_Degisiklik::~Toplu_Degisiklik() {
    if (--izgara_.toplu_derinlik_ == 0)
        izgara_.duyur();
}

}  // namespace velzora
