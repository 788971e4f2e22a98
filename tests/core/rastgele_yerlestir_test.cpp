#include "izgara/rastgele_yerlestir.h"

#include <gtest/gtest.h>

#include <tuple>

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
    for (const auto& [r, c] : siyahlar(g)) {
        if ((r < g.Satir_Sayisi() && g.siyah_mi(r + 1, c)) ||
            (c < g.Sutun_Sayisi() && g.siyah_mi(r, c + 1)))
            return true;
    }
    return false;
}

// 9 x 9 x 0.17 is 13.77; 2.5 and 3.5 go to the even neighbour; never beyond
// every cell.
TEST(RastYerlestir, TargetCountRoundsSinglePrecisionProductToEven) {
    const std::tuple<int, int, float, int> durumlar[] = {
        {9, 9, 0.17f, 14}, {10, 10, 0.17f, 17}, {3, 3, 0.05f, 0}, {5, 5, 0.1f, 2},
        {7, 5, 0.1f, 4},   {4, 4, -0.5f, -8},   {4, 4, 1e30f, 16}};
    for (const auto& [R, C, oran, beklenen] : durumlar)
        EXPECT_EQ(hedef_siyah_sayisi(R, C, oran), beklenen) << R << "x" << C << " " << oran;
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

// One change notice for the whole batch.
TEST(RastYerlestir, ClearsTheGridAndNeverPutsSquaresSideBySide) {
    for (std::uint64_t tohum = 1; tohum <= 200; ++tohum) {
        Izgara g;
        g.ebat_ver(10, 10);
        int duyuru = 0;
        g.siyah_yap(5, 5, Renk_Kodu::Siyah);
        g.siyah_yap(5, 6, Renk_Kodu::Siyah);
        g.harf_yaz(2, 2, "A");
        g.dinleyici_ekle([&](const Izgara_Degisikligi&) { ++duyuru; });
        Mt_Kaynak k(tohum);
        rast_yerlestir(g, 0.17f, k);
        EXPECT_EQ(duyuru, 1);
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

}  // namespace
}  // namespace velzora
