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
                                   const std::vector<Sozcuk_Listesi>& baskilar) {
    std::unordered_map<std::string, std::vector<Anlam>> anlamlar;
    for (std::size_t k = 0; k < kumeler.size(); ++k) {
        for (const auto& s : kumeler[k].sozcukler) {
            if (auto kelime = kelime_bicimle(s.metin))
                anlamlar[std::move(*kelime)].push_back({s.anlam_no, k});
        }
    }

    std::vector<Madde> maddeler;
    for (auto& [kelime, a] : anlamlar) {
        std::sort(a.begin(), a.end(), [](const Anlam& x, const Anlam& y) {
            return std::pair(x.anlam_no, x.kume) < std::pair(y.anlam_no, y.kume);
        });
        // Spellings that meet in one word (ab, âb) share their synsets.
        std::vector<std::size_t> gorulen;
        Madde m{kelime, {}, 0, 0, false, false};
        for (const auto& x : a) {
            if (std::find(gorulen.begin(), gorulen.end(), x.kume) != gorulen.end())
                continue;
            gorulen.push_back(x.kume);
            m.ingilizce_karsiligi = m.ingilizce_karsiligi || kumeler[x.kume].ingilizce_karsiligi;
            m.ansiklopedi_maddesi = m.ansiklopedi_maddesi || kumeler[x.kume].ansiklopedi_maddesi;
            if (m.ipucu.empty()) {
                if (auto ipucu = ipucu_bicimle(kumeler[x.kume].tanim, kelime))
                    m.ipucu = std::move(*ipucu);
            }
        }
        if (m.ipucu.empty())
            continue;
        m.anlam_sayisi = static_cast<int>(gorulen.size());
        for (const auto& b : baskilar)
            m.baski_sayisi += b.listeler_mi(kelime) ? 1 : 0;
        maddeler.push_back(std::move(m));
    }
    std::sort(maddeler.begin(), maddeler.end(),
              [](const Madde& x, const Madde& y) { return turkce_once_mi(x.kelime, y.kelime); });
    return maddeler;
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
    std::array<std::vector<Madde>, EN_UZUN_KELIME + 1> gruplar;
    for (auto& m : maddeler)
        gruplar[std::min(m.kelime.size(), EN_UZUN_KELIME)].push_back(std::move(m));

    std::vector<std::size_t> korunan, orta;
    std::vector<std::size_t> korunan_adet, orta_adet;
    for (std::size_t u = 0; u < gruplar.size(); ++u) {
        std::sort(gruplar[u].begin(), gruplar[u].end(), daha_istenir);
        (korunan_uzunluk(u) ? korunan : orta).push_back(u);
        (korunan_uzunluk(u) ? korunan_adet : orta_adet).push_back(gruplar[u].size());
    }
    const std::size_t korunan_toplam =
        std::accumulate(korunan_adet.begin(), korunan_adet.end(), std::size_t{0});
    const auto korunan_pay = paylastir(korunan_adet, sinir);
    const auto orta_pay = paylastir(orta_adet, sinir - std::min(sinir, korunan_toplam));

    std::vector<Madde> secilen;
    const auto al = [&](const std::vector<std::size_t>& uzunluklar,
                        const std::vector<std::size_t>& paylar) {
        for (std::size_t i = 0; i < uzunluklar.size(); ++i) {
            auto& g = gruplar[uzunluklar[i]];
            std::move(g.begin(), g.begin() + static_cast<std::ptrdiff_t>(paylar[i]),
                      std::back_inserter(secilen));
        }
    };
    al(korunan, korunan_pay);
    al(orta, orta_pay);
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
