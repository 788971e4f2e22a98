#include "izgara/izgara.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace velzora {
namespace {

TEST(Izgara, SizesFromTwoToFiftyOnly) {
    Izgara g;
    EXPECT_EQ(g.Satir_Sayisi(), 9);
    EXPECT_EQ(g.Sutun_Sayisi(), 9);
    EXPECT_TRUE(g.ebat_ver(2, 2));
    EXPECT_TRUE(g.ebat_ver(2, 50));
    EXPECT_TRUE(g.ebat_ver(50, 50));
    for (auto [r, c] : {std::pair{1, 5}, {5, 1}, {51, 5}, {5, 51}, {0, 0}, {-3, 4}}) {
        EXPECT_FALSE(g.ebat_ver(r, c));
        EXPECT_EQ(g.Satir_Sayisi(), 50);
    }
}

// Every byte is a letter, NUL included.
TEST(Izgara, ColourAndTextNeverAffectEachOther) {
    Izgara g;
    g.harf_yaz(3, 4, "A");
    g.siyah_yap(3, 4, Renk_Kodu::Siyah);
    EXPECT_FALSE(g.beyaz_mi(3, 4));
    EXPECT_TRUE(g.siyah_mi(3, 4));
    EXPECT_EQ(g.harf_al(3, 4), "A");

    g.harf_temizle();
    EXPECT_EQ(g.harf_al(3, 4), "");
    EXPECT_TRUE(g.siyah_mi(3, 4));

    g.harf_yaz(1, 1, std::string(1, '\0'));
    EXPECT_EQ(g.harf_al(1, 1), std::string(1, '\0'));
    g.harf_yaz(1, 2, "\xDD");
    EXPECT_EQ(g.harf_al(1, 2), "\xDD");
    g.harf_yaz(1, 2, "");
    EXPECT_EQ(g.harf_al(1, 2), "");
    g.sabbosalt();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            EXPECT_TRUE(g.beyaz_mi(r, c));
            EXPECT_EQ(g.harf_al(r, c), "");
        }
    }
}

TEST(Izgara, ListenersHearEachChangeOnceAndBatchesOnceInAll) {
    Izgara g;
    std::vector<Izgara_Degisikligi> duyulan;
    const int no = g.dinleyici_ekle([&](const Izgara_Degisikligi& d) { duyulan.push_back(d); });

    g.harf_yaz(2, 3, "K");
    ASSERT_EQ(duyulan.size(), 1u);
    EXPECT_EQ(duyulan[0].ilk_satir, 2);
    EXPECT_EQ(duyulan[0].son_sutun, 3);

    g.harf_yaz(2, 3, "K");  // no change, no notice
    g.harf_temizle();
    g.harf_temizle();  // nothing left to clear
    EXPECT_EQ(duyulan.size(), 2u);

    duyulan.clear();
    {
        Izgara::Toplu_Degisiklik toplu(g);
        g.harf_yaz(4, 7, "A");
        {
            Izgara::Toplu_Degisiklik ic(g);
            g.siyah_yap(6, 2, Renk_Kodu::Siyah);
        }
        EXPECT_TRUE(duyulan.empty());
    }
    ASSERT_EQ(duyulan.size(), 1u);
    const auto& d = duyulan[0];
    EXPECT_EQ(std::tuple(d.ilk_satir, d.ilk_sutun, d.son_satir, d.son_sutun, d.ebat_degisti),
              std::tuple(4, 2, 6, 7, false));

    g.ebat_ver(3, 5);
    ASSERT_EQ(duyulan.size(), 2u);
    EXPECT_TRUE(duyulan[1].ebat_degisti);

    g.dinleyici_cikar(no);
    g.harf_yaz(1, 1, "Z");
    EXPECT_EQ(duyulan.size(), 2u);
}

}  // namespace
}  // namespace velzora
