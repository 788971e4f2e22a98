// The analysis: the letter snapshot, candidate lists and the dictionary
// reload rule. Slot tables, the shuffle and fixed letters are held to the
// literal reference in cozucu_fark_testi.cpp.
#include <gtest/gtest.h>

#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::sozluk_yap;

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
