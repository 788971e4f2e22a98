#include "izgara/sablon_dosyasi.h"

#include <gtest/gtest.h>

#include "gecici_dizin.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;
using Kareler = std::vector<std::pair<int, int>>;

TEST(SablonDosyasi, SavedTemplateIsHeaderSizeAndBlackSquaresAndReadsBackWithoutLetters) {
    Gecici_Dizin d;
    Izgara g;
    g.ebat_ver(3, 4);
    g.siyah_yap(3, 1, Renk_Kodu::Siyah);
    g.siyah_yap(1, 4, Renk_Kodu::Siyah);
    g.harf_yaz(2, 2, "K");
    ASSERT_EQ(sablon_yaz(d / "sab01.txt", g), Sablon_Hatasi::Yok);
    EXPECT_EQ(Gecici_Dizin::oku(d / "sab01.txt"),
              "BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n");

    Sablon_Icerigi okunan;
    ASSERT_EQ(sablon_oku(d / "sab01.txt", okunan), Sablon_Hatasi::Yok);
    int satir = 9, sutun = 9;
    satsutoku(okunan, satir, sutun);
    Izgara geri;
    geri.ebat_ver(satir, sutun);
    geri.harf_yaz(1, 1, "Z");
    syhkroku(okunan, geri);
    EXPECT_EQ(sablon_metni(geri), sablon_metni(g));
    EXPECT_EQ(geri.harf_al(1, 1), "");
}

// Fields split at blanks, commas and line ends however many; the first pair
// is skipped whatever it is, and a pair the text ends in the middle of too.
TEST(SablonDosyasi, FieldsAreReadInPairs) {
    const std::optional<std::pair<int, int>> yok, ucdort{{3, 4}};
    const struct {
        const char* metin;
        Sablon_Hatasi hata;
        std::optional<std::pair<int, int>> ebat;
        Kareler siyahlar;
    } durumlar[] = {
        // clang-format off
        {"BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n", Sablon_Hatasi::Yok, ucdort, {{1, 4}, {3, 1}}},
        {"BULMACA SABLONU\n3,4\n   1 ,, 4\r3    1", Sablon_Hatasi::Yok, ucdort, {{1, 4}, {3, 1}}},
        {"X Y 3 4 1 4 3 1", Sablon_Hatasi::Yok, ucdort, {{1, 4}, {3, 1}}},
        {"BULMACA SABLONU\r\n 3  4 \r\n 2  2 \r\n 4", Sablon_Hatasi::Yok, ucdort, {{2, 2}}},
        {"BULMACA SABLONU\r\n", Sablon_Hatasi::Yok, yok, {}},
        {"", Sablon_Hatasi::Yok, yok, {}},
        {"BULMACA SABLONU\r\n 7", Sablon_Hatasi::Yok, yok, {}},
        {"BULMACA SABLONU\n3 x\n", Sablon_Hatasi::Sayi_Degil, yok, {}},
        {"BULMACA SABLONU\n3 4\n1.5 2\n", Sablon_Hatasi::Sayi_Degil, yok, {}},
        {"BULMACA SABLONU\n3 4\n1 +\n", Sablon_Hatasi::Sayi_Degil, yok, {}},
        {"BULMACA SABLONU\n32768 4\n", Sablon_Hatasi::Sayi_Tasmasi, yok, {}},
        {"BULMACA SABLONU\n3 4\n1 99999999999999999999\n", Sablon_Hatasi::Sayi_Tasmasi, yok, {}},
        // clang-format on
    };
    for (const auto& d : durumlar) {
        Sablon_Icerigi s;
        ASSERT_EQ(sablon_cozumle(d.metin, s), d.hata) << d.metin;
        if (d.hata == Sablon_Hatasi::Yok) {
            EXPECT_EQ(s.ebat, d.ebat) << d.metin;
            EXPECT_EQ(s.siyah_kareler, d.siyahlar) << d.metin;
        }
    }
    // Without a size the grid keeps its own.
    int satir = 6, sutun = 8;
    satsutoku(Sablon_Icerigi{}, satir, sutun);
    EXPECT_EQ(std::pair(satir, sutun), std::pair(6, 8));
}

TEST(SablonDosyasi, BlackSquaresOutsideTheGridAreIgnored) {
    Izgara g;
    g.ebat_ver(3, 3);
    syhkroku({{}, {{0, 1}, {4, 1}, {-1, 2}, {2, 2}, {3, 9}}}, g);
    EXPECT_EQ(sablon_metni(g), "BULMACA SABLONU\r\n 3  3 \r\n 2  2 \r\n");
}

TEST(SablonDosyasi, ReadingIsOneFileReadAndFailuresSayWhy) {
    Gecici_Dizin d;
    Sablon_Icerigi s;
    Dosya_Sonucu dosya;
    // A file over the cap is refused before it is parsed.
    const auto buyuk = d.yaz("buyuk.txt", std::string(EN_BUYUK_SABLON + 1, '1'));
    EXPECT_EQ(sablon_oku(buyuk, s, &dosya), Sablon_Hatasi::Acilamadi);
    EXPECT_EQ(dosya.hata, Dosya_Hatasi::Cok_Buyuk);
    EXPECT_EQ(sablon_oku(d.yaz("k.txt", "BULMACA SABLONU\n 3 4x\n"), s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_yaz(d / "yok" / "sab.txt", Izgara(), &dosya), Sablon_Hatasi::Yazilamadi);
    EXPECT_EQ(dosya.hata, Dosya_Hatasi::Sistem);
}

}  // namespace
}  // namespace velzora
