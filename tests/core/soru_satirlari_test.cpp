#include "cozucu/soru_satirlari.h"

#include <gtest/gtest.h>

namespace velzora {
namespace {

using Satirlar = std::vector<std::string>;

Kelime_Yeri soldan(int satir, int sutun, int uzunluk) {
    return {Yon_Turu::Soldan, satir, sutun, uzunluk};
}
Kelime_Yeri yukaridan(int satir, int sutun, int uzunluk) {
    return {Yon_Turu::Yukaridan, satir, sutun, uzunluk};
}

// A 5 x 7 puzzle whose slot table is in scan order (across row by row, then
// down column by column) and whose fill order is not.
struct Ornek {
    std::vector<Kelime_Yeri> Yerler{
        {},
        soldan(1, 1, 3),     // 1
        soldan(3, 1, 3),     // 2
        soldan(3, 5, 3),     // 3: second word of row 3
        soldan(4, 2, 2),     // 4
        yukaridan(1, 1, 3),  // 5
        yukaridan(2, 3, 2),  // 6
        yukaridan(4, 3, 2),  // 7: second word of column 3
        yukaridan(3, 6, 3),  // 8
    };
    std::vector<int> Sira{0, 5, 3, 1, 8, 2, 6, 4, 7, 0};
    std::vector<std::string> Cozum_Soru{"",       "bir",       "iki",  "\xFC\xE7", "d\xF6rt",
                                        "be\xFE", " alt\xFD ", "yedi", "sekiz"};

    Cozum_Sorulari cozum() const { return {Yerler, Sira, Cozum_Soru}; }
};

TEST(SoruSatirlari, RowsAreNumberedByTheRowsThatHaveClues) {
    const Ornek o;
    // Row 2 has no across slot: its line stays empty and row 3 gets number 2.
    // The words of row 3 follow the slot table, not the fill order.
    EXPECT_EQ(soldan_satirlari(5, 7, o.cozum()),
              (Satirlar{" 1.bir", "", " 2.iki...\xFC\xE7", " 3.d\xF6rt", ""}));
    // Down lines count from 1 again; a clue keeps its blanks.
    EXPECT_EQ(yukaridan_satirlari(5, 7, o.cozum()),
              (Satirlar{" 1.be\xFE", "", " 2. alt\xFD ...yedi", "", "", " 3.sekiz", ""}));

    // Two words in a row after full rows take the row's number.
    const std::vector<Kelime_Yeri> Yerler{
        {}, soldan(1, 1, 4), soldan(2, 1, 4), soldan(3, 1, 4), soldan(4, 1, 2), soldan(4, 4, 2)};
    const std::vector<int> Sira{0, 1, 2, 3, 4, 5};
    const std::vector<std::string> Cozum_Soru{"", "a", "b", "c", "ilk", "ikinci"};
    EXPECT_EQ(soldan_satirlari(4, 5, {Yerler, Sira, Cozum_Soru}),
              (Satirlar{" 1.a", " 2.b", " 3.c", " 4.ilk...ikinci"}));
}

TEST(SoruSatirlari, EmptyStaleOrPartialTablesNeverReachOutside) {
    // Before any run, or analysed but not yet filled: the fill order is all
    // zeros or missing.
    const std::vector<Kelime_Yeri> hic_yer;
    const std::vector<int> hic_sira;
    const std::vector<std::string> hic_soru;
    EXPECT_EQ(soldan_satirlari(3, 2, {hic_yer, hic_sira, hic_soru}), Satirlar(3));
    const Ornek o;
    const std::vector<int> sifir(o.Yerler.size() + 1, 0);
    EXPECT_EQ(soldan_satirlari(5, 7, {o.Yerler, sifir, hic_soru}), Satirlar(5));
    EXPECT_EQ(yukaridan_satirlari(5, 7, {o.Yerler, hic_sira, o.Cozum_Soru}), Satirlar(7));

    // Slots of a larger earlier grid, a fill order cut short, clues missing
    // for some slots and fill positions naming no slot.
    const std::vector<Kelime_Yeri> Yerler{
        {}, soldan(1, 1, 2), soldan(9, 1, 5), soldan(2, 8, 2), yukaridan(1, 2, 9), soldan(2, 1, 2)};
    const std::vector<int> Sira{0, 2, 1, 4, 3, 99};
    const std::vector<std::string> Cozum_Soru{"", "a", "b"};
    EXPECT_EQ(soldan_satirlari(2, 2, {Yerler, Sira, Cozum_Soru}), (Satirlar{" 1.a", ""}));
    EXPECT_EQ(yukaridan_satirlari(2, 2, {Yerler, Sira, Cozum_Soru}), (Satirlar{"", " 1."}));
}

}  // namespace
}  // namespace velzora
