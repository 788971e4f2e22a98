#include "izgara/sablon_dosyasi.h"

#include <gtest/gtest.h>

#include "gecici_dizin.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;

Sablon_Icerigi cozumle(std::string_view metin) {
    Sablon_Icerigi s;
    EXPECT_EQ(sablon_cozumle(metin, s), Sablon_Hatasi::Yok) << metin;
    return s;
}

TEST(SablonDosyasi, WritesHeaderSizeAndBlackSquaresRowByRowWithCrLf) {
    Izgara g;
    g.ebat_ver(3, 4);
    g.siyah_yap(3, 1, Renk_Kodu::Siyah);
    g.siyah_yap(1, 4, Renk_Kodu::Siyah);
    g.harf_yaz(2, 2, "K");
    EXPECT_EQ(sablon_metni(g), "BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n");

    g.sabbosalt();
    EXPECT_EQ(sablon_metni(g), "BULMACA SABLONU\r\n 3  4 \r\n");
}

TEST(SablonDosyasi, SavedTemplateReadsBackAsTheSameGridWithoutLetters) {
    Gecici_Dizin d;
    Izgara g;
    g.ebat_ver(50, 37);
    for (int r = 1; r <= 50; r += 3)
        g.siyah_yap(r, (r * 7) % 37 + 1, Renk_Kodu::Siyah);
    g.harf_yaz(2, 2, "A");
    ASSERT_EQ(sablon_yaz(d / "sab01.txt", g), Sablon_Hatasi::Yok);

    Sablon_Icerigi okunan;
    ASSERT_EQ(sablon_oku(d / "sab01.txt", okunan), Sablon_Hatasi::Yok);
    int satir = 9, sutun = 9;
    satsutoku(okunan, satir, sutun);
    EXPECT_EQ(satir, 50);
    EXPECT_EQ(sutun, 37);
    Izgara geri;
    geri.ebat_ver(satir, sutun);
    geri.harf_yaz(1, 1, "Z");
    syhkroku(okunan, geri);
    for (int r = 1; r <= 50; ++r) {
        for (int c = 1; c <= 37; ++c) {
            EXPECT_EQ(geri.siyah_mi(r, c), g.siyah_mi(r, c));
            EXPECT_EQ(geri.harf_al(r, c), "");
        }
    }
}

TEST(SablonDosyasi, FieldsSplitAtBlanksCommasAndLineEndsHoweverMany) {
    const auto a = cozumle("BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n");
    const auto b = cozumle("BULMACA SABLONU\n3,4\n   1 ,, 4\r3    1");
    const auto c = cozumle("X Y 3 4 1 4 3 1");  // the first pair is skipped whatever it is
    ASSERT_TRUE(a.ebat);
    EXPECT_EQ(a.ebat, b.ebat);
    EXPECT_EQ(a.ebat, c.ebat);
    EXPECT_EQ(a.siyah_kareler, b.siyah_kareler);
    EXPECT_EQ(a.siyah_kareler, c.siyah_kareler);
}

TEST(SablonDosyasi, HeaderOnlyKeepsTheSizeAndAHalfPairIsIgnored) {
    EXPECT_FALSE(cozumle("BULMACA SABLONU\r\n").ebat);
    EXPECT_FALSE(cozumle("").ebat);
    EXPECT_FALSE(cozumle("BULMACA SABLONU\r\n 7").ebat);
    const auto s = cozumle("BULMACA SABLONU\r\n 5  5 \r\n 2  2 \r\n 4");
    EXPECT_EQ(s.siyah_kareler, (std::vector<std::pair<int, int>>{{2, 2}}));

    int satir = 6, sutun = 8;
    satsutoku(cozumle("BULMACA SABLONU\r\n"), satir, sutun);
    EXPECT_EQ(satir, 6);
    EXPECT_EQ(sutun, 8);
}

TEST(SablonDosyasi, BadFieldsAreErrors) {
    Sablon_Icerigi s;
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 x\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1.5 2\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1 +\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n32768 4\n", s), Sablon_Hatasi::Sayi_Tasmasi);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1 99999999999999999999\n", s),
              Sablon_Hatasi::Sayi_Tasmasi);
    Gecici_Dizin d;
    EXPECT_EQ(sablon_oku(d.yaz("k.txt", "BULMACA SABLONU\n 3 4x\n"), s), Sablon_Hatasi::Sayi_Degil);
}

TEST(SablonDosyasi, BlackSquaresOutsideTheGridAreIgnored) {
    Izgara g;
    g.ebat_ver(3, 3);
    syhkroku(
        cozumle("BULMACA SABLONU\r\n 3  3 \r\n 0  1 \r\n 4  1 \r\n -1  2 \r\n 2  2 \r\n 3  9 "), g);
    int siyah = 0;
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c)
            siyah += g.siyah_mi(r, c);
    }
    EXPECT_EQ(siyah, 1);
    EXPECT_TRUE(g.siyah_mi(2, 2));
}

TEST(SablonDosyasi, ReadingIsOneFileReadAndFailuresSayWhy) {
    Gecici_Dizin d;
    Sablon_Icerigi s;
    Dosya_Sonucu dosya;
    EXPECT_EQ(sablon_oku(d.yol(), s, &dosya), Sablon_Hatasi::Acilamadi);
    EXPECT_EQ(dosya.hata, Dosya_Hatasi::Dosya_Degil);
    // A file over the cap is refused before it is parsed.
    const auto buyuk = d.yaz("buyuk.txt", std::string(EN_BUYUK_SABLON + 1, '1'));
    EXPECT_EQ(sablon_oku(buyuk, s, &dosya), Sablon_Hatasi::Acilamadi);
    EXPECT_EQ(dosya.hata, Dosya_Hatasi::Cok_Buyuk);
    EXPECT_EQ(sablon_yaz(d / "yok" / "sab.txt", Izgara(), &dosya), Sablon_Hatasi::Yazilamadi);
    EXPECT_EQ(dosya.hata, Dosya_Hatasi::Sistem);
}

}  // namespace
}  // namespace velzora
