// The built-in dictionary of this build, read by the program's own loader.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"
#include "sozluk/sozluk.h"

namespace velzora::sozluk_yapici {
namespace {

TEST(YerlesikSozluk, LoadsWithEveryLengthAndCleanEntries) {
    const std::filesystem::path yol = VELZORA_YERLESIK_SOZLUK;
    if (!std::filesystem::exists(yol))
        GTEST_SKIP() << yol << " yok: yerleşik sözlük bu derlemede yapılmadı";
    Sozluk s;
    ASSERT_EQ(s.oku(yol), Sozluk_Hatasi::Yok);
    EXPECT_GE(s.Kelime_Sayisi(), 25000);

    std::array<int, EN_UZUN_KELIME + 1> uzunluklar{};
    for (int i = 1; i <= s.Kelime_Sayisi(); ++i) {
        const auto k = s.Kelime(i);
        const auto soru = s.Soru(i);
        ASSERT_TRUE(k.size() >= EN_KISA_KELIME && k.size() <= EN_UZUN_KELIME) << i;
        for (const char c : k) {
            // Only Turkish capitals: upper-casing leaves each letter as it is.
            ASSERT_EQ(turkce_buyuk_harf(cp1254_unicode(static_cast<unsigned char>(c))), c) << i;
        }
        ++uzunluklar[k.size()];
        ASSERT_TRUE(!soru.empty() && soru.size() <= EN_UZUN_IPUCU) << i;
        ASSERT_EQ(soru.find(':'), std::string_view::npos) << i;
    }
    // Every slot length a grid is likely to have must find words.
    for (std::size_t u = EN_KISA_KELIME; u <= 15; ++u)
        EXPECT_GT(uzunluklar[u], 0) << "uzunluk " << u;
}

}  // namespace
}  // namespace velzora::sozluk_yapici
