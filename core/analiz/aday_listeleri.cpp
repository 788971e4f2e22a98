#include "analiz/aday_listeleri.h"

#include <algorithm>
#include <cfenv>
#include <numeric>
#include <utility>

#include "ortak/sayi_okuma.h"

namespace velzora {

bool Aday_Listeleri::kelime_uyar(const Kelime_Yeri& yer, const Harf_Tablosu& harfler,
                                 std::string_view kelime) {
    for (int k = 1; k <= yer.Uzunluk; ++k) {
        const std::string_view t = harfler.Harf(yer.satir_k(k), yer.sutun_k(k));
        if (!t.empty() && t[0] != kelime[static_cast<std::size_t>(k) - 1])
            return false;
    }
    return true;
}

bool Aday_Listeleri::aday_bul(const Yer_Tablosu& yerler, const Harf_Tablosu& harfler,
                              const Sozluk& sozluk, Rastgele_Kaynak& kaynak,
                              std::size_t bellek_siniri) {
    const int n = yerler.Yer_Sayisi();

    // Entries by length, each group in dictionary order: a slot then reads
    // only the words of its own length, and its list keeps dictionary order.
    std::vector<std::vector<int>> uzunluga_gore(EN_COK_EBAT + 1);
    for (int w = 1; w <= sozluk.Kelime_Sayisi(); ++w) {
        const std::size_t u = sozluk.Kelime(w).size();
        if (u <= EN_COK_EBAT)
            uzunluga_gore[u].push_back(w);
    }

    // Every word of the right length bounds the lists from above; only when
    // that bound is over budget are the fitting words counted exactly.
    auto gereken = [&](bool tam) {
        std::size_t bayt = 0;
        for (int s = 1; s <= n; ++s) {
            const Kelime_Yeri& yer = yerler.Yer(s);
            const auto& grup = uzunluga_gore[static_cast<std::size_t>(yer.Uzunluk)];
            const std::size_t adet =
                tam ? static_cast<std::size_t>(std::count_if(
                          grup.begin(), grup.end(),
                          [&](int w) { return kelime_uyar(yer, harfler, sozluk.Kelime(w)); }))
                    : grup.size();
            bayt += adet * aday_bayti(yer.Uzunluk);
        }
        return bayt;
    };
    if (gereken(false) > bellek_siniri && gereken(true) > bellek_siniri)
        return false;

    sozluk_ = sozluk;
    bas_.assign(static_cast<std::size_t>(n) + 2, 0);
    uzunluklar_.assign(static_cast<std::size_t>(n) + 1, 0);
    taban_.clear();
    for (int s = 1; s <= n; ++s) {
        bas_[static_cast<std::size_t>(s)] = static_cast<int>(taban_.size());
        const Kelime_Yeri& yer = yerler.Yer(s);
        uzunluklar_[static_cast<std::size_t>(s)] = yer.Uzunluk;
        for (const int w : uzunluga_gore[static_cast<std::size_t>(yer.Uzunluk)]) {
            if (kelime_uyar(yer, harfler, sozluk_.Kelime(w)))
                taban_.push_back(w);
        }
    }
    bas_[static_cast<std::size_t>(n) + 1] = static_cast<int>(taban_.size());

    sira_.resize(taban_.size());
    En_Cok_Aday_ = 0;
    for (int s = 1; s <= n; ++s) {
        const auto b = sira_.begin() + bas_[static_cast<std::size_t>(s)];
        std::iota(b, b + Aday_Adet(s), 0);
        En_Cok_Aday_ = std::max(En_Cok_Aday_, Aday_Adet(s));
    }
    aday_karistir(kaynak);
    return true;
}

void Aday_Listeleri::aday_karistir(Rastgele_Kaynak& kaynak) {
    for (int s = 1; s <= Yer_Sayisi(); ++s)
        liste_karistir(std::span<int>(sira_).subspan(
                           static_cast<std::size_t>(bas_[static_cast<std::size_t>(s)]),
                           static_cast<std::size_t>(Aday_Adet(s))),
                       kaynak);
    harfleri_diz();
}

void Aday_Listeleri::liste_karistir(std::span<int> liste, Rastgele_Kaynak& kaynak) {
    const int h = static_cast<int>(liste.size()) / 2;
    if (h == 0)
        return;
    // The partner is the whole number nearest to the drawn position, halves
    // to even. Adding and taking away 2^52 rounds a double below 2^52 in the
    // current rounding mode, pinned to nearest here once per list rather than
    // once per draw.
    const int onceki = std::fegetround();
    std::fesetround(FE_TONEAREST);
    for (int k = 1; k <= h; ++k) {
        const double u = kaynak.tekduze();
        const double konum = u * (h - 1) + 1 + h;
        const int r = static_cast<int>((konum + 0x1p52) - 0x1p52);
        std::swap(liste[static_cast<std::size_t>(k) - 1], liste[static_cast<std::size_t>(r) - 1]);
    }
    std::fesetround(onceki);
}

std::size_t Aday_Listeleri::bayt() const {
    // Each entry of the store: its word and clue, and two pairs of offsets.
    std::size_t sozluk = 0;
    for (int w = 1; w <= sozluk_.Kelime_Sayisi(); ++w)
        sozluk += sozluk_.Kelime(w).size() + sozluk_.Soru(w).size() + 4 * sizeof(std::uint32_t);
    return sozluk +
           (bas_.size() + taban_.size() + sira_.size() + uzunluklar_.size()) * sizeof(int) +
           harf_basi_.size() * sizeof(std::size_t) + harfler_.size();
}

void Aday_Listeleri::harfleri_diz() {
    const int n = Yer_Sayisi();
    harf_basi_.assign(static_cast<std::size_t>(n) + 1, 0);
    std::size_t toplam = 0;
    for (int s = 1; s <= n; ++s) {
        harf_basi_[static_cast<std::size_t>(s)] = toplam;
        toplam += static_cast<std::size_t>(Aday_Adet(s)) * static_cast<std::size_t>(uzunluk(s));
    }
    harfler_.resize(toplam);
    for (int s = 1; s <= n; ++s) {
        for (int k = 1; k <= Aday_Adet(s); ++k) {
            const std::string_view w = sozluk_.Kelime(kayit(s, k));
            std::copy(w.begin(), w.end(),
                      harfler_.data() + (aday_harfleri(s, k) - harfler_.data()));
        }
    }
}

}  // namespace velzora
