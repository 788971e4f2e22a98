#include "madde_secimi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "madde_kurallari.h"
#include "sozluk/sozluk.h"

namespace velzora::sozluk_yapici {
namespace {

constexpr std::size_t KORUNAN_KISALARIN_SONU = 4;
constexpr std::size_t KORUNAN_UZUNLARIN_BASI = 11;

// Place of each Windows-1254 capital in the Turkish alphabet; other bytes sort
// after the letters, by their value.
constexpr std::array<int, 256> alfabe_sirasi() {
    constexpr unsigned char ALFABE[] = {'A', 'B',  'C',  0xC7, 'D', 'E',  'F', 'G', 0xD0, 'H',
                                        'I', 0xDD, 'J',  'K',  'L', 'M',  'N', 'O', 0xD6, 'P',
                                        'R', 'S',  0xDE, 'T',  'U', 0xDC, 'V', 'Y', 'Z'};
    std::array<int, 256> sira{};
    for (int b = 0; b < 256; ++b)
        sira[b] = 100 + b;
    for (std::size_t i = 0; i < std::size(ALFABE); ++i)
        sira[ALFABE[i]] = static_cast<int>(i);
    return sira;
}
constexpr auto ALFABE_SIRASI = alfabe_sirasi();

struct Anlam {
    int anlam_no;
    std::size_t kume;
    std::string_view yazilis;
};

constexpr int EN_COK_SAYILAN_BASKI = 5;
constexpr int BAGLANTI_PUANI = 2;
constexpr int ANSIKLOPEDI_PUANI = 2;
constexpr int EN_COK_SAYILAN_ANLAM = 4;

// FNV-1a: the same order on every machine and in every build.
std::uint32_t ozet(const std::string& s) {
    std::uint32_t h = 2166136261u;
    for (const char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

// Which of two words of one length a designer would rather have.
bool daha_istenir(const Madde& a, const Madde& b) {
    const int pa = istek_puani(a);
    const int pb = istek_puani(b);
    if (pa != pb)
        return pa > pb;
    const auto oa = ozet(a.kelime);
    const auto ob = ozet(b.kelime);
    if (oa != ob)
        return oa < ob;
    return turkce_once_mi(a.kelime, b.kelime);
}

}  // namespace

int istek_puani(const Madde& m) {
    return std::min(m.baski_sayisi, EN_COK_SAYILAN_BASKI) +
           (m.ingilizce_karsiligi ? BAGLANTI_PUANI : 0) +
           (m.ansiklopedi_maddesi ? ANSIKLOPEDI_PUANI : 0) +
           std::min(m.anlam_sayisi, EN_COK_SAYILAN_ANLAM);
}

bool turkce_once_mi(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return ALFABE_SIRASI[static_cast<unsigned char>(x)] <
               ALFABE_SIRASI[static_cast<unsigned char>(y)];
    });
}

std::vector<Madde> maddeleri_topla(const std::vector<Anlam_Kumesi>& kumeler,
                                   const std::vector<Sozcuk_Listesi>& baskilar,
                                   const Turkce_Sozcuk& turkce) {
    std::unordered_map<std::string, std::vector<Anlam>> anlamlar;
    for (std::size_t k = 0; k < kumeler.size(); ++k) {
        for (const auto& s : kumeler[k].sozcukler) {
            if (auto kelime = kelime_bicimle(s.metin))
                anlamlar[std::move(*kelime)].push_back({s.anlam_no, k, s.metin});
        }
    }

    std::vector<Madde> maddeler;
    for (auto& [kelime, a] : anlamlar) {
        std::sort(a.begin(), a.end(), [](const Anlam& x, const Anlam& y) {
            return std::pair(x.anlam_no, x.kume) < std::pair(y.anlam_no, y.kume);
        });
        // Spellings that meet in one word (ab, âb) share their synsets.
        std::vector<Kelime_Anlami> kelime_anlamlari;
        Madde m{kelime, {}, Ipucu_Turu::Tanim, false, 0, 0, false, false};
        for (const auto& x : a) {
            if (std::any_of(kelime_anlamlari.begin(), kelime_anlamlari.end(),
                            [&](const Kelime_Anlami& g) { return g.kume == &kumeler[x.kume]; }))
                continue;
            kelime_anlamlari.push_back({&kumeler[x.kume], x.yazilis});
            m.ingilizce_karsiligi = m.ingilizce_karsiligi || kumeler[x.kume].ingilizce_karsiligi;
            m.ansiklopedi_maddesi = m.ansiklopedi_maddesi || kumeler[x.kume].ansiklopedi_maddesi;
        }
        auto ipucu = ipucu_sec(kelime, kelime_anlamlari, turkce);
        if (!ipucu)
            continue;
        m.ipucu = std::move(ipucu->metin);
        m.ipucu_turu = ipucu->tur;
        m.cevabi_veriyor = ipucu->cevabi_veriyor;
        m.anlam_sayisi = static_cast<int>(kelime_anlamlari.size());
        for (const auto& b : baskilar)
            m.baski_sayisi += b.listeler_mi(kelime) ? 1 : 0;
        maddeler.push_back(std::move(m));
    }
    std::sort(maddeler.begin(), maddeler.end(),
              [](const Madde& x, const Madde& y) { return turkce_once_mi(x.kelime, y.kelime); });
    return maddeler;
}

bool zayif_ipucu(const Madde& m) {
    return m.cevabi_veriyor || m.ipucu.size() > UZUN_IPUCU;
}

bool korunan_uzunluk(std::size_t uzunluk) {
    return uzunluk <= KORUNAN_KISALARIN_SONU || uzunluk >= KORUNAN_UZUNLARIN_BASI;
}

std::vector<std::size_t> paylastir(const std::vector<std::size_t>& adetler, std::size_t butce) {
    const std::size_t toplam = std::accumulate(adetler.begin(), adetler.end(), std::size_t{0});
    if (butce >= toplam)
        return adetler;
    std::vector<std::size_t> pay(adetler.size());
    std::vector<std::pair<std::uint64_t, std::size_t>> artanlar;
    std::size_t dagitilan = 0;
    for (std::size_t i = 0; i < adetler.size(); ++i) {
        const std::uint64_t carpim = std::uint64_t{butce} * adetler[i];
        pay[i] = static_cast<std::size_t>(carpim / toplam);
        dagitilan += pay[i];
        artanlar.push_back({carpim % toplam, i});
    }
    std::stable_sort(artanlar.begin(), artanlar.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    for (std::size_t j = 0; dagitilan < butce; ++j, ++dagitilan)
        ++pay[artanlar[j].second];
    return pay;
}

std::vector<Madde> maddeleri_sec(std::vector<Madde> maddeler, int boyut) {
    const auto sinir = static_cast<std::size_t>(std::clamp(boyut, 0, EN_COK_KAYIT));
    std::array<std::vector<Madde>, EN_UZUN_KELIME + 1> iyiler, zayiflar;
    for (auto& m : maddeler) {
        const std::size_t u = std::min(m.kelime.size(), EN_UZUN_KELIME);
        if (zayif_ipucu(m))
            zayiflar[u].push_back(std::move(m));
        else if (korunan_uzunluk(u) || m.ipucu_turu != Ipucu_Turu::Bas_Obegi)
            iyiler[u].push_back(std::move(m));
    }

    // Groups in the order they are served: the protected lengths, the weak
    // clues of short words (which fill needs most), of long words, the other
    // lengths.
    struct Grup {
        std::vector<Madde>* maddeler;
        std::size_t pay = 0;
    };
    std::array<std::vector<Grup>, 4> sira;
    for (std::size_t u = 0; u < iyiler.size(); ++u) {
        std::sort(iyiler[u].begin(), iyiler[u].end(), daha_istenir);
        std::sort(zayiflar[u].begin(), zayiflar[u].end(), daha_istenir);
        if (korunan_uzunluk(u)) {
            sira[0].push_back({&iyiler[u]});
            sira[u <= KORUNAN_KISALARIN_SONU ? 1 : 2].push_back({&zayiflar[u]});
        } else {
            sira[3].push_back({&iyiler[u]});
        }
    }
    std::size_t kalan = sinir;
    std::size_t zayif_butce = sinir * ZAYIF_IPUCU_PAYI / 100;
    for (std::size_t i = 0; i < sira.size(); ++i) {
        std::vector<std::size_t> adetler;
        for (const auto& g : sira[i])
            adetler.push_back(g.maddeler->size());
        const bool zayif = i == 1 || i == 2;
        const auto paylar = paylastir(adetler, zayif ? std::min(kalan, zayif_butce) : kalan);
        for (std::size_t j = 0; j < paylar.size(); ++j) {
            sira[i][j].pay = paylar[j];
            kalan -= paylar[j];
            if (zayif)
                zayif_butce -= paylar[j];
        }
    }

    std::vector<Madde> secilen;
    for (const auto& gruplar : sira) {
        for (const auto& g : gruplar) {
            std::move(g.maddeler->begin(), g.maddeler->begin() + static_cast<std::ptrdiff_t>(g.pay),
                      std::back_inserter(secilen));
        }
    }
    std::sort(secilen.begin(), secilen.end(),
              [](const Madde& x, const Madde& y) { return turkce_once_mi(x.kelime, y.kelime); });
    return secilen;
}

std::string sozluk_metni(const std::vector<Madde>& maddeler) {
    std::string metin;
    for (const auto& m : maddeler) {
        metin += m.kelime;
        metin += ':';
        metin += m.ipucu;
        metin += "\r\n";
    }
    return metin;
}

}  // namespace velzora::sozluk_yapici
