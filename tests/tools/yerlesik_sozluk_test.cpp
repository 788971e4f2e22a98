// The built-in dictionary of this build, read by the program's own loader.
#include <gtest/gtest.h>

#include <filesystem>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"
#include "sozluk/sozluk.h"
#include "sozluk_raporu.h"

namespace velzora::sozluk_yapici {
namespace {

TEST(YerlesikSozluk, LoadsWithEveryLengthAndPrintableClues) {
    const std::filesystem::path yol = VELZORA_YERLESIK_SOZLUK;
    if (!std::filesystem::exists(yol))
        GTEST_SKIP() << yol << " yok: yerleşik sözlük bu derlemede yapılmadı";
    Sozluk s;
    ASSERT_EQ(s.oku(yol), Sozluk_Hatasi::Yok);
    EXPECT_GE(s.Kelime_Sayisi(), 25000);

    for (int i = 1; i <= s.Kelime_Sayisi(); ++i) {
        for (const char c : s.Kelime(i)) {
            // Only Turkish capitals: upper-casing leaves each letter as it is.
            ASSERT_EQ(turkce_buyuk_harf(cp1254_unicode(static_cast<unsigned char>(c))), c) << i;
        }
        ASSERT_FALSE(s.Soru(i).empty()) << i;
        ASSERT_EQ(s.Soru(i).find(':'), std::string_view::npos) << i;
    }
    // Clues fit a printed puzzle's narrow clue columns and seldom give the
    // answer away; every slot length a grid is likely to have finds words.
    const auto r = sozluk_raporu(s, nullptr);
    EXPECT_LE(r.medyan, 30u);
    EXPECT_LE(r.yuzde_95, UZUN_IPUCU);
    EXPECT_LE(r.en_uzun, EN_UZUN_IPUCU);
    EXPECT_LE(r.cevabi_veren * 100, r.kayit * 5);
    EXPECT_EQ(r.uzunluklar.begin()->first, EN_KISA_KELIME);
    EXPECT_EQ(r.uzunluklar.rbegin()->first, EN_UZUN_KELIME);
    for (std::size_t u = EN_KISA_KELIME; u <= 15; ++u)
        EXPECT_TRUE(r.uzunluklar.contains(u)) << "uzunluk " << u;
}

}  // namespace
}  // namespace velzora::sozluk_yapici
