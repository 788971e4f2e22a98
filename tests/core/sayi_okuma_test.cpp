#include "ortak/sayi_okuma.h"

#include <gtest/gtest.h>

#include <clocale>

namespace velzora {
namespace {

// A leading number stops at the first character that cannot continue it;
// sizes round halves to even and refuse what sixteen bits cannot hold.
TEST(SayiOkuma, LeadingNumbersAndSizes) {
    const std::pair<const char*, double> sayilar[] = {
        {"17", 17.0}, {"12.5", 12.5}, {"12,5", 12.0}, {"12abc", 12.0}, {"  -3.25x", -3.25},
        {"+.5", 0.5}, {"1.2.3", 1.2}, {"abc", 0.0},   {"", 0.0},       {"-", 0.0}};
    for (const auto& [metin, beklenen] : sayilar)
        EXPECT_EQ(bastaki_sayi(metin), beklenen) << metin;
    EXPECT_EQ(bastaki_sayi("0." + std::string(400, '0') + "1"), 0.0);
    const std::pair<const char*, int> ebatlar[] = {
        {"12", 12}, {"7.5", 8},       {"2.5", 2},   {"12abc", 12},
        {"", 0},    {"32767", 32767}, {"32768", 0}, {"99999999999999999999999", 0},
        {"-4", -4}};
    for (const auto& [metin, beklenen] : ebatlar)
        EXPECT_EQ(ebat_oku(metin), beklenen) << metin;
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

}  // namespace
}  // namespace velzora
