#include "izgara/rastgele_yerlestir.h"

#include <gtest/gtest.h>

#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::Sabit_Kaynak;

std::vector<std::pair<int, int>> siyahlar(const Izgara& g) {
    std::vector<std::pair<int, int>> s;
    for (int r = 1; r <= g.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= g.Sutun_Sayisi(); ++c) {
            if (g.siyah_mi(r, c))
                s.emplace_back(r, c);
        }
    }
    return s;
}

bool yan_yana_siyah_var(const Izgara& g) {
    for (int r = 1; r <= g.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= g.Sutun_Sayisi(); ++c) {
            if (!g.siyah_mi(r, c))
                continue;
            if ((r < g.Satir_Sayisi() && g.siyah_mi(r + 1, c)) ||
                (c < g.Sutun_Sayisi() && g.siyah_mi(r, c + 1))) {
                return true;
            }
        }
    }
    return false;
}

TEST(RastYerlestir, TargetCountRoundsSinglePrecisionProductToEven) {
    EXPECT_EQ(hedef_siyah_sayisi(9, 9, 0.17f), 14);  // 13.77
    EXPECT_EQ(hedef_siyah_sayisi(10, 10, 0.17f), 17);
    EXPECT_EQ(hedef_siyah_sayisi(3, 3, 0.05f), 0);  // 0.45
    EXPECT_EQ(hedef_siyah_sayisi(5, 5, 0.1f), 2);   // 2.5 goes to even
    EXPECT_EQ(hedef_siyah_sayisi(7, 5, 0.1f), 4);   // 3.5 goes to even
    EXPECT_EQ(hedef_siyah_sayisi(4, 4, -0.5f), -8);
    EXPECT_EQ(hedef_siyah_sayisi(4, 4, 1e30f), 16);  // never beyond every cell
}

// Worked by hand from the draws: columns are u * (C - 1) + 1 rounded half to
// even, rows take turns, a refused draw still moves on, and a draw on a
// black square counts without adding one.
TEST(RastYerlestir, DrawsPlaceSquaresRowByRow) {
    using Kareler = std::vector<std::pair<int, int>>;
    const struct {
        int R, C;
        float oran;
        std::initializer_list<double> cekilisler;
        Kareler beklenen;
        int cekilen;
    } durumlar[] = {
        // N = 3: (1, 3), (2, 3) under it refused, (3, 3.5 -> 4), (1, 1).
        {3, 5, 0.2f, {0.5, 0.5, 0.625, 0.0}, {{1, 1}, {1, 3}, {3, 4}}, 4},
        // N = 2: (1, 1), then (2, 1) refused beside it, then (1, 1) again counts.
        {2, 2, 0.5f, {0.0, 0.0, 0.0}, {{1, 1}}, 3},
        // A target of 0 still places one.
        {3, 3, 0.05f, {0.5}, {{1, 2}}, 1},
    };
    for (const auto& d : durumlar) {
        Izgara g;
        g.ebat_ver(d.R, d.C);
        Sabit_Kaynak k(d.cekilisler);
        rast_yerlestir(g, d.oran, k);
        EXPECT_EQ(siyahlar(g), d.beklenen) << d.R << "x" << d.C;
        EXPECT_EQ(k.cekilen, d.cekilen);
    }
}

TEST(RastYerlestir, ClearsTheGridAndNeverPutsSquaresSideBySide) {
    for (std::uint64_t tohum = 1; tohum <= 200; ++tohum) {
        Izgara g;
        g.ebat_ver(10, 10);
        g.siyah_yap(5, 5, Renk_Kodu::Siyah);
        g.siyah_yap(5, 6, Renk_Kodu::Siyah);
        g.harf_yaz(2, 2, "A");
        Mt_Kaynak k(tohum);
        rast_yerlestir(g, 0.17f, k);
        const auto s = siyahlar(g);
        EXPECT_GE(s.size(), 1u);
        EXPECT_LE(s.size(), 17u);
        EXPECT_FALSE(yan_yana_siyah_var(g)) << tohum;
        EXPECT_EQ(g.harf_al(2, 2), "");
    }
    // The largest grid at the largest ratio the preferences allow still ends.
    Izgara g;
    g.ebat_ver(50, 50);
    Mt_Kaynak k(3);
    rast_yerlestir(g, 0.3f, k);
    EXPECT_FALSE(yan_yana_siyah_var(g));
}

TEST(RastYerlestir, AChangeBatchIsAnnouncedOnce) {
    Izgara g;
    int duyuru = 0;
    g.dinleyici_ekle([&](const Izgara_Degisikligi&) { ++duyuru; });
    Mt_Kaynak k(1);
    rast_yerlestir(g, 0.17f, k);
    EXPECT_EQ(duyuru, 1);
}

}  // namespace
}  // namespace velzora
