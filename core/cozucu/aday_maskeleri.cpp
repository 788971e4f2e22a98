#include "cozucu/aday_maskeleri.h"

#include <string_view>
#include <unordered_map>

namespace velzora {

bool Aday_Maskeleri::kur(const Yer_Tablosu& yerler, const Aday_Listeleri& adaylar,
                         std::size_t bellek_siniri) {
    adaylar_ = &adaylar;
    const int n = yerler.Yer_Sayisi();
    const Sozluk& sozluk = adaylar.sozluk();
    const std::size_t aday_toplami = adaylar.aday_toplami();

    // First the sizes, so that a grid too large for the budget allocates nothing.
    kelime_sayisi_.assign(static_cast<std::size_t>(n) + 1, 0);
    grup_basi_.assign(static_cast<std::size_t>(n) + 2, 0);
    int grup_sayisi = 0;
    for (int s = 1; s <= n; ++s) {
        kelime_sayisi_[static_cast<std::size_t>(s)] = (adaylar.Aday_Adet(s) + 63) / 64;
        grup_basi_[static_cast<std::size_t>(s)] = grup_sayisi;
        grup_sayisi += yerler.Yer(s).Uzunluk;
    }
    grup_basi_[static_cast<std::size_t>(n) + 1] = grup_sayisi;

    std::vector<std::uint8_t> sira(static_cast<std::size_t>(grup_sayisi) * 256, 0);
    std::vector<std::size_t> grup_maskesi(static_cast<std::size_t>(grup_sayisi), 0);
    std::size_t mask_kelimesi = 0;
    for (int s = 1; s <= n; ++s) {
        const auto W = static_cast<std::size_t>(kelime_sayisi(s));
        for (const Capraz& c : yerler.caprazlar(s)) {
            const auto grup =
                static_cast<std::size_t>(grup_basi_[static_cast<std::size_t>(s)] + c.bu_konum - 1);
            std::uint8_t* tablo = sira.data() + grup * 256;
            std::uint8_t farkli = 0;
            for (int k = 1; k <= adaylar.Aday_Adet(s); ++k) {
                const auto harf =
                    static_cast<unsigned char>(adaylar.aday_harfleri(s, k)[c.bu_konum - 1]);
                if (tablo[harf] == 0)
                    tablo[harf] = ++farkli;
            }
            grup_maskesi[grup] = mask_kelimesi;
            mask_kelimesi += farkli * W;
        }
    }
    const std::size_t gereken = mask_kelimesi * sizeof(std::uint64_t) + sira.size() +
                                aday_toplami * (sizeof(Es_Aday) + sizeof(int)) +
                                static_cast<std::size_t>(sozluk.Kelime_Sayisi()) * sizeof(int);
    if (gereken > bellek_siniri)
        return false;

    harf_sirasi_ = std::move(sira);
    grup_maskesi_ = std::move(grup_maskesi);
    maskeler_.assign(mask_kelimesi, 0);
    for (int s = 1; s <= n; ++s) {
        const auto W = static_cast<std::size_t>(kelime_sayisi(s));
        for (const Capraz& c : yerler.caprazlar(s)) {
            const auto grup =
                static_cast<std::size_t>(grup_basi_[static_cast<std::size_t>(s)] + c.bu_konum - 1);
            const std::uint8_t* tablo = harf_sirasi_.data() + grup * 256;
            std::uint64_t* ilk = maskeler_.data() + grup_maskesi_[grup];
            for (int k = 1; k <= adaylar.Aday_Adet(s); ++k) {
                const auto harf =
                    static_cast<unsigned char>(adaylar.aday_harfleri(s, k)[c.bu_konum - 1]);
                const auto i = static_cast<std::size_t>(k - 1);
                ilk[(tablo[harf] - 1u) * W + i / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
    }

    // Distinct words, numbered in dictionary order; then every candidate
    // listed under its word.
    std::vector<int> kimlik(static_cast<std::size_t>(sozluk.Kelime_Sayisi()) + 1, 0);
    std::unordered_map<std::string_view, int> numaralar;
    numaralar.reserve(static_cast<std::size_t>(sozluk.Kelime_Sayisi()));
    for (int w = 1; w <= sozluk.Kelime_Sayisi(); ++w) {
        const auto it =
            numaralar.emplace(sozluk.Kelime(w), static_cast<int>(numaralar.size())).first;
        kimlik[static_cast<std::size_t>(w)] = it->second;
    }
    aday_kimligi_.assign(aday_toplami, 0);
    es_basi_.assign(numaralar.size() + 1, 0);
    for (int s = 1; s <= n; ++s) {
        for (int k = 1; k <= adaylar.Aday_Adet(s); ++k) {
            const int numara = kimlik[static_cast<std::size_t>(adaylar.kayit(s, k))];
            aday_kimligi_[adaylar.genel_sira(s, k)] = numara;
            ++es_basi_[static_cast<std::size_t>(numara) + 1];
        }
    }
    for (std::size_t i = 1; i < es_basi_.size(); ++i)
        es_basi_[i] += es_basi_[i - 1];
    es_listesi_.assign(aday_toplami, Es_Aday{});
    std::vector<int> dolu(es_basi_.begin(), es_basi_.end() - 1);
    for (int s = 1; s <= n; ++s) {
        for (int k = 1; k <= adaylar.Aday_Adet(s); ++k) {
            const auto numara = static_cast<std::size_t>(aday_kimligi_[adaylar.genel_sira(s, k)]);
            es_listesi_[static_cast<std::size_t>(dolu[numara]++)] = {s, k};
        }
    }
    return true;
}

std::size_t Aday_Maskeleri::bayt() const {
    return maskeler_.size() * sizeof(std::uint64_t) + harf_sirasi_.size() +
           es_listesi_.size() * sizeof(Es_Aday) +
           (aday_kimligi_.size() + es_basi_.size()) * sizeof(int);
}

}  // namespace velzora
