#include "ortak/sayi_okuma.h"

#include <gtest/gtest.h>

#include <clocale>

namespace velzora {
namespace {

TEST(SayiOkuma, LeadingNumberStopsAtTheFirstCharacterThatCannotContinueIt) {
    EXPECT_EQ(bastaki_sayi("17"), 17.0);
    EXPECT_EQ(bastaki_sayi("12.5"), 12.5);
    EXPECT_EQ(bastaki_sayi("12,5"), 12.0);
    EXPECT_EQ(bastaki_sayi("12abc"), 12.0);
    EXPECT_EQ(bastaki_sayi("  -3.25x"), -3.25);
    EXPECT_EQ(bastaki_sayi("+.5"), 0.5);
    EXPECT_EQ(bastaki_sayi("1.2.3"), 1.2);
    EXPECT_EQ(bastaki_sayi("abc"), 0.0);
    EXPECT_EQ(bastaki_sayi(""), 0.0);
    EXPECT_EQ(bastaki_sayi("-"), 0.0);
    EXPECT_EQ(bastaki_sayi("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(SayiOkuma, TheProcessLocaleDoesNotChangeTheDecimalPoint) {
    const char* onceki = std::setlocale(LC_NUMERIC, nullptr);
    const std::string eski = onceki ? onceki : "C";
    if (!std::setlocale(LC_NUMERIC, "tr_TR.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no comma locale installed";
    }
    EXPECT_EQ(bastaki_sayi("12.5"), 12.5);
    EXPECT_EQ(bastaki_sayi("12,5"), 12.0);
    std::setlocale(LC_NUMERIC, eski.c_str());
}

TEST(SayiOkuma, SizesRoundHalvesToEvenAndRefuseWhatSixteenBitsCannotHold) {
    EXPECT_EQ(ebat_oku("12"), 12);
    EXPECT_EQ(ebat_oku("7.5"), 8);
    EXPECT_EQ(ebat_oku("2.5"), 2);
    EXPECT_EQ(ebat_oku("12abc"), 12);
    EXPECT_EQ(ebat_oku(""), 0);
    EXPECT_EQ(ebat_oku("45"), 45);
    EXPECT_EQ(ebat_oku("32767"), 32767);
    EXPECT_EQ(ebat_oku("32768"), 0);
    EXPECT_EQ(ebat_oku("99999999999999999999999"), 0);
    EXPECT_EQ(ebat_oku("-4"), -4);
}

}  // namespace
}  // namespace velzora
