#include "ornek_bulmaca.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "analiz/yer_tablosu.h"
#include "cozucu/soru_satirlari.h"
#include "ortak/cp1254.h"

namespace velzora::test {
namespace {

constexpr const char* DESEN[15] = {
    "....#.....#....",  //
    "....#.....#....",  //
    "...#...#.......",  //
    "##....#....#...",  //
    "....#....#.....",  //
    ".....#.....#...",  //
    "...#.....#.....",  //
    "#.....###.....#",  //
    ".....#.....#...",  //
    "...#.....#.....",  //
    ".....#....#....",  //
    "...#....#....##",  //
    ".......#...#...",  //
    "....#.....#....",  //
    "....#.....#....",  //
};

constexpr const char* IPUCLARI[] = {
    "Başkent",         "Bir renk",         "Işık",  "Su (eski)", "Çabuk", "Gövde",      "Şeker",
    "İlave",           "Öğrenci",          "Gümüş", "Üzüm suyu", "Geçit", "Tavla pulu", "Bir nota",
    " Baştaki boşluk", "Az & çok <değil>",
};
// Long enough to wrap in its column; every seventh slot has it.
constexpr const char* UZUN_IPUCU =
    "Atom numarası 86, atom ağırlığı 222 olan, radyoaktif bir soy gaz";

bool siyah_mi(int ebat, int r, int c) {
    return ebat == 15 ? DESEN[r - 1][c - 1] == '#' : (r * 7 + c * 3) % 11 == 0;
}

}  // namespace

Ornek_Bulmaca::Ornek_Bulmaca(int ebat) {
    izgara.ebat_ver(ebat, ebat);
    for (int r = 1; r <= ebat; ++r) {
        for (int c = 1; c <= ebat; ++c) {
            if (siyah_mi(ebat, r, c))
                izgara.siyah_yap(r, c, Renk_Kodu::Siyah);
            else
                izgara.harf_yaz(r, c, std::string(1, static_cast<char>('A' + (r + c) % 26)));
        }
    }
    Yer_Tablosu tablo;
    tablo.yerleri_bul(izgara);
    const std::vector<Kelime_Yeri> Yerler = tablo.Yerler();
    const int n = static_cast<int>(Yerler.size()) - 1;

    std::vector<int> Sira(static_cast<std::size_t>(n) + 1, 0);
    std::iota(Sira.begin() + 1, Sira.end(), 1);
    std::mt19937 rng(15);
    std::shuffle(Sira.begin() + 1, Sira.end(), rng);

    std::vector<std::string> Cozum_Soru(static_cast<std::size_t>(n) + 1);
    constexpr int ipucu_sayisi = static_cast<int>(std::size(IPUCLARI));
    for (int j = 1; j <= n; ++j)
        Cozum_Soru[static_cast<std::size_t>(j)] =
            utf8_cp1254(j % 7 == 0 ? UZUN_IPUCU : IPUCLARI[(j - 1) % ipucu_sayisi]).value();

    soldan = soldan_satirlari(ebat, ebat, {Yerler, Sira, Cozum_Soru});
    yukaridan = yukaridan_satirlari(ebat, ebat, {Yerler, Sira, Cozum_Soru});
}

}  // namespace velzora::test
