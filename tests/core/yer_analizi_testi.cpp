// The analysis: a repeated slot table, the letter snapshot, candidate lists,
// the shuffle and the dictionary reload rule.
#include <gtest/gtest.h>

#include "analiz/yer_tablosu.h"
#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::sozluk_yap;

// Slot numbers and crossings themselves are held to the literal reference on
// random grids in cozucu_fark_testi.cpp.
TEST(Yer_Tablosu, IkinciAnalizAyniTablolariVerir) {
    Izgara g;
    izgara_yap(g, {"..#..", ".....", "#...#", "....."});
    Yer_Tablosu a, b;
    a.yerleri_bul(g);
    b.yerleri_bul(g);
    b.yerleri_bul(g);
    ASSERT_EQ(a.Yerler(), b.Yerler());
    for (int s = 0; s <= a.Yer_Sayisi(); ++s) {
        for (int t = 0; t <= a.Yer_Sayisi(); ++t)
            EXPECT_EQ(a.Kesisim(s, t), b.Kesisim(s, t));
    }
}

// The candidates of the one slot of a 1-row grid as "WORD-n" (n its place in
// the dictionary), after the shuffle with the given draws.
std::string aday_sirasi(const std::string& satir, const std::vector<std::string>& kelimeler,
                        std::initializer_list<double> cekilisler) {
    Izgara g;
    izgara_yap(g, {satir, std::string(satir.size(), '#')});
    const Sozluk s = sozluk_yap(kelimeler);
    Bulmaca_Cozucu c;
    Sabit_Kaynak k(cekilisler);
    EXPECT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    std::string v;
    for (int i = 1; i <= c.Aday_Adet(1); ++i)
        v += std::string(c.Aday_Soru(1, i)) + " ";
    return v;
}

// With h = half the list, candidate k is exchanged with the nearest whole
// number to u * (h - 1) + 1 + h, halves going to the even one; an odd last
// candidate stays, two or three are always exchanged, one never. A fixed
// letter matches only itself: Â and a are other letters than A.
TEST(Aday_Listeleri, KaristirmaEsleriVeSabitHarf) {
    const std::vector<std::string> bes = {"AAAAA", "BBBBB", "CCCCC", "DDDDD", "EEEEE"};
    const struct {
        std::string satir;
        std::vector<std::string> kelimeler;
        std::initializer_list<double> cekilisler;
        std::string beklenen;
    } durumlar[] = {
        // clang-format off
        // Every word of the length, duplicates kept: EVE KAR EVE YOL, then
        // 1 <-> 4 (3.5 goes to 4) and 2 <-> 3.
        {"...#", {"EVE", "AT", "KAR", "EVE", "KALEM", "YOL"}, {0.5, 0.0},
            "YOL-6 EVE-4 KAR-3 EVE-1 "},
        {".....", bes, {0.0, 0.0}, "CCCCC-3 AAAAA-1 BBBBB-2 DDDDD-4 EEEEE-5 "},
        {".....", bes, {0.0, 0.6}, "CCCCC-3 DDDDD-4 AAAAA-1 BBBBB-2 EEEEE-5 "},
        {".....", bes, {0.6, 0.0}, "DDDDD-4 CCCCC-3 BBBBB-2 AAAAA-1 EEEEE-5 "},
        {".....", bes, {0.5, 0.5}, "DDDDD-4 AAAAA-1 CCCCC-3 BBBBB-2 EEEEE-5 "},
        // h = 3: u = 0.25 gives 4.5, which goes to 4, not 5.
        {"......", {"AAAAAA", "BBBBBB", "CCCCCC", "DDDDDD", "EEEEEE", "FFFFFF"}, {0.25, 0.0, 0.0},
            "DDDDDD-4 AAAAAA-1 BBBBBB-2 CCCCCC-3 EEEEEE-5 FFFFFF-6 "},
        {"..", {"AB", "CD"}, {0.99}, "CD-2 AB-1 "},
        {"..", {"AB", "CD", "EF"}, {0.0}, "CD-2 AB-1 EF-3 "},
        {"..", {"AB"}, {}, "AB-1 "},
        {"..", {"ABC"}, {}, ""},
        {"A...", {"ARAB", "aRAB", "\xC2RAB", "KAR", "ALTI", "BABA"}, {}, "ALTI-5 ARAB-1 "},
        // clang-format on
    };
    for (const auto& d : durumlar)
        EXPECT_EQ(aday_sirasi(d.satir, d.kelimeler, d.cekilisler), d.beklenen) << d.beklenen;
}

// One across slot of two letters.
struct Iki_Harf : ::testing::Test {
    Izgara g;
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    void SetUp() override { izgara_yap(g, {"..", "##"}); }
};

TEST_F(Iki_Harf, SozlukIlkAnalizdeVeDegistikceYuklenir) {
    Sozluk s = sozluk_yap({"AB"});
    int yukleme = 0;
    bool basarili = false;
    auto yukle = [&] {
        ++yukleme;
        if (basarili)
            s = sozluk_yap({"XY", "ZW"});
        return basarili;
    };
    EXPECT_TRUE(c.sozluk_yuklenmeli(false));
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Sozluk_Yuklenemedi);
    EXPECT_EQ(test::coz(c, g, false), Cozum_Durumu::Analiz_Yok);
    // A failed reload leaves the next analysis to try again.
    basarili = true;
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.Aday_Adet(1), 2);
    EXPECT_FALSE(c.sozluk_yuklenmeli(false));
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(yukleme, 2);
    // While the preferences report a change, every analysis reloads.
    EXPECT_EQ(c.analiz_et(g, s, true, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.analiz_et(g, s, true, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(yukleme, 4);
}

// The lists and the fill are the solver's own copies; a filled grid's second
// analysis takes its letters as fixed.
TEST_F(Iki_Harf, AdaylarKopyaDoluIzgaraSabitHarfli) {
    Sozluk s = sozluk_yap({"AB", "CD"});
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    ASSERT_EQ(test::coz(c, g, false), Cozum_Durumu::Cozuldu);
    s = sozluk_yap({"QQ", "RR", "SS"});
    EXPECT_EQ(c.Aday_Kelime(1, 1), "CD");
    EXPECT_EQ(c.Cozum_Kelime(1), "CD");
    EXPECT_EQ(c.Cozum_Soru(1), "CD-2");
    EXPECT_EQ(test::satirlar(g)[0], "CD");
    s = sozluk_yap({"AB", "CD"});
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.Aday_Adet(1), 1);
    EXPECT_EQ(c.Aday_Kelime(1, 1), "CD");
    EXPECT_EQ(c.Harf(1, 2), "D");
}

}  // namespace
}  // namespace velzora
