#include "ortak/cp1254.h"

#include <gtest/gtest.h>

#include <set>

namespace velzora {
namespace {

TEST(Cp1254, EveryByteRoundTripsExceptTheUndefinedOnes) {
    const std::set<int> tanimsiz = {0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E};
    for (int b = 0; b < 256; ++b) {
        const char32_t k = cp1254_unicode(static_cast<unsigned char>(b));
        if (tanimsiz.count(b)) {
            EXPECT_EQ(k, YEDEK_KARAKTER) << b;
            continue;
        }
        ASSERT_NE(k, YEDEK_KARAKTER) << b;
        const auto geri = unicode_cp1254(k);
        ASSERT_TRUE(geri.has_value()) << b;
        EXPECT_EQ(*geri, b);
    }
}

// Turkish letters sit where the code page puts them.
TEST(Cp1254, Utf8ConversionIsExactBothWays) {
    EXPECT_EQ(cp1254_utf8("\xD0\xDD\xDE\xF0\xFD\xFE\x80\xC7\xD6\xDC"), "ĞİŞğış€ÇÖÜ");
    const std::string metin = "Şu ılık güneş, ÇAĞDAŞ İş € “tırnak”";
    const auto bayt = utf8_cp1254(metin);
    ASSERT_TRUE(bayt.has_value());
    EXPECT_EQ(bayt->size(), 35u);  // one byte per character
    EXPECT_EQ(cp1254_utf8(*bayt), metin);

    // Characters without a form are reported, not replaced.
    Donusum_Hatasi hata;
    EXPECT_FALSE(utf8_cp1254("abž", &hata).has_value());
    EXPECT_EQ(hata.konum, 2u);
    EXPECT_EQ(hata.karakter, U'ž');

    EXPECT_FALSE(utf8_cp1254("a\xFF", &hata).has_value());  // malformed UTF-8
    EXPECT_EQ(hata.konum, 1u);
    EXPECT_FALSE(utf8_cp1254("\xE2\x82", &hata).has_value());      // cut short
    EXPECT_FALSE(utf8_cp1254("\xC0\xAF", &hata).has_value());      // overlong '/'
    EXPECT_FALSE(utf8_cp1254("\xEF\xBF\xBD", &hata).has_value());  // U+FFFD itself
}

// Typed characters in order, and what each writes: '-' nothing (a blank),
// '?' a letter the grid cannot hold.
TEST(Cp1254, TypingFollowsTheTurkishTable) {
    const std::u32string basilan = U"iıqaşğüöçéÿIİĞÜŞÖÇZ7 \b\r\x1b.€ßªжµƒ中";
    const std::string beklenen = "İIQAŞĞÜÖÇÉŸIİĞÜŞÖÇZ---------????";
    std::string yazilan;
    for (const char32_t k : basilan) {
        const Yazim y = yazilan_harf(k);
        yazilan += y.tur == Yazim::Tur::Harf  ? cp1254_utf8(std::string(1, y.harf))
                   : y.tur == Yazim::Tur::Bos ? "-"
                                              : "?";
    }
    EXPECT_EQ(yazilan, beklenen);
}

}  // namespace
}  // namespace velzora
