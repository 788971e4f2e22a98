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

TEST(Cp1254, TurkishLettersSitWhereTheCodePagePutsThem) {
    EXPECT_EQ(cp1254_unicode(0xD0), U'Ğ');
    EXPECT_EQ(cp1254_unicode(0xDD), U'İ');
    EXPECT_EQ(cp1254_unicode(0xDE), U'Ş');
    EXPECT_EQ(cp1254_unicode(0xF0), U'ğ');
    EXPECT_EQ(cp1254_unicode(0xFD), U'ı');
    EXPECT_EQ(cp1254_unicode(0xFE), U'ş');
    EXPECT_EQ(cp1254_unicode(0x80), U'€');
    EXPECT_EQ(cp1254_utf8("\xC7\xD6\xDC"), "ÇÖÜ");
}

TEST(Cp1254, Utf8ConversionIsExactBothWays) {
    const std::string metin = "Şu ılık güneş, ÇAĞDAŞ İş € “tırnak”";
    const auto bayt = utf8_cp1254(metin);
    ASSERT_TRUE(bayt.has_value());
    EXPECT_EQ(bayt->size(), 35u);  // one byte per character
    EXPECT_EQ(cp1254_utf8(*bayt), metin);
}

TEST(Cp1254, CharactersWithoutAFormAreReportedNotReplaced) {
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

TEST(Cp1254, TypingFollowsTheTurkishTable) {
    auto harf = [](char32_t k) {
        const Yazim y = yazilan_harf(k);
        return y.tur == Yazim::Tur::Harf ? cp1254_utf8(std::string(1, y.harf)) : std::string();
    };
    EXPECT_EQ(harf(U'i'), "İ");
    EXPECT_EQ(harf(U'ı'), "I");
    EXPECT_EQ(harf(U'q'), "Q");
    EXPECT_EQ(harf(U'a'), "A");
    for (char32_t k : {U'ş', U'ğ', U'ü', U'ö', U'ç'}) {
        EXPECT_EQ(harf(k), cp1254_utf8(std::string(1, yazilan_harf(k).harf)));
    }
    EXPECT_EQ(harf(U'ş'), "Ş");
    EXPECT_EQ(harf(U'ğ'), "Ğ");
    EXPECT_EQ(harf(U'é'), "É");
    EXPECT_EQ(harf(U'ÿ'), "Ÿ");
    for (char32_t k : {U'I', U'İ', U'Ğ', U'Ü', U'Ş', U'Ö', U'Ç', U'Z'}) {
        EXPECT_EQ(harf(k), cp1254_utf8(std::string(1, *unicode_cp1254(k)))) << int(k);
    }
    for (char32_t k : {U'7', U' ', U'\b', U'\r', U'\x1b', U'.', U'€', U'ß', U'ª'}) {
        EXPECT_EQ(yazilan_harf(k).tur, Yazim::Tur::Bos) << int(k);
    }
    // Cyrillic, and micro whose capital is Greek: no form to write.
    for (char32_t k : {U'ж', U'µ', U'ƒ', U'中'}) {
        EXPECT_EQ(yazilan_harf(k).tur, Yazim::Tur::Yazilamaz) << int(k);
    }
}

}  // namespace
}  // namespace velzora
