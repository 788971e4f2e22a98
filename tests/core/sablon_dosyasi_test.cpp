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

// Fields split at blanks, commas and line ends however many; the first pair
// is skipped whatever it is, a header alone leaves no size, and a pair the
// file ends in the middle of is ignored.
TEST(SablonDosyasi, ParsingFindsTheSizeAndBlackSquaresOrSaysWhy) {
    using H = Sablon_Hatasi;
    using Ciftler = std::vector<std::pair<int, int>>;
    const Ciftler uc_dort{{3, 4}, {1, 4}, {3, 1}};
    const struct {
        std::string_view metin;
        H hata;
        Ciftler ebat_ve_siyahlar;
    } durumlar[] = {
        {"BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n", H::Yok, uc_dort},
        {"BULMACA SABLONU\n3,4\n   1 ,, 4\r3    1", H::Yok, uc_dort},
        {"X Y 3 4 1 4 3 1", H::Yok, uc_dort},
        {"BULMACA SABLONU\r\n", H::Yok, {}},
        {"", H::Yok, {}},
        {"BULMACA SABLONU\r\n 7", H::Yok, {}},
        {"BULMACA SABLONU\r\n 5  5 \r\n 2  2 \r\n 4", H::Yok, {{5, 5}, {2, 2}}},
        {"BULMACA SABLONU\n3 x\n", H::Sayi_Degil, {}},
        {"BULMACA SABLONU\n3 4\n1.5 2\n", H::Sayi_Degil, {}},
        {"BULMACA SABLONU\n3 4\n1 +\n", H::Sayi_Degil, {}},
        {"BULMACA SABLONU\n32768 4\n", H::Sayi_Tasmasi, {}},
        {"BULMACA SABLONU\n3 4\n1 99999999999999999999\n", H::Sayi_Tasmasi, {}},
    };
    for (const auto& d : durumlar) {
        Sablon_Icerigi s;
        ASSERT_EQ(sablon_cozumle(d.metin, s), d.hata) << d.metin;
        if (d.hata != H::Yok)
            continue;
        Ciftler okunan = s.siyah_kareler;
        if (s.ebat)
            okunan.insert(okunan.begin(), *s.ebat);
        EXPECT_EQ(okunan, d.ebat_ve_siyahlar) << d.metin;
    }
    // Without a size in the file the grid keeps its own.
    int satir = 6, sutun = 8;
    satsutoku(cozumle("BULMACA SABLONU\r\n"), satir, sutun);
    EXPECT_EQ(std::pair(satir, sutun), std::pair(6, 8));
    Gecici_Dizin d;
    Sablon_Icerigi s;
    EXPECT_EQ(sablon_oku(d.yaz("k.txt", "BULMACA SABLONU\n 3 4x\n"), s), H::Sayi_Degil);
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
