#include "madde_kurallari.h"

#include <gtest/gtest.h>

#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

std::string cp(std::string_view utf8) {
    return *utf8_cp1254(utf8);
}

TEST(MaddeKurallari, WordsAreTurkishCapitalsWithoutCircumflex) {
    // clang-format off
    const std::pair<const char*, const char*> durumlar[] = {
        {"ılık", "ILIK"}, {"iğne", "İĞNE"}, {"kâğıt", "KAĞIT"}, {"Îmân", "İMAN"},
        {"mahkûm", "MAHKUM"}, {"Irak", "IRAK"}, {"su yolu", nullptr}, {"a.b.d", nullptr},
        {"quiz", nullptr}, {"3boyut", nullptr}, {"o", nullptr}, {"café", nullptr},
        {"aaaaaaaaaaaaaaaaaaa", "AAAAAAAAAAAAAAAAAAA"}, {"aaaaaaaaaaaaaaaaaaaa", nullptr}};
    // clang-format on
    for (const auto& [literal, beklenen] : durumlar) {
        const auto k = kelime_bicimle(literal);
        EXPECT_EQ(k ? std::optional(cp1254_utf8(*k)) : std::nullopt,
                  beklenen ? std::optional<std::string>(beklenen) : std::nullopt)
            << literal;
    }
}

TEST(MaddeKurallari, TextsBecomeOneLineOrNothing) {
    const std::pair<const char*, const char*> durumlar[] = {
        {"  Yaşanan\n\t yer  ", "Yaşanan yer"},       {"NOT: TUR10-1211270 ile aynı", nullptr},
        {"Yunan alfabesinin α harfi", nullptr},       {"The largest city in Vermont", nullptr},
        {"A university in Massachusetts", nullptr},   {"Bu renkte olan at", "Bu renkte olan at"},
        {"Saatte on iki otuz", "Saatte on iki otuz"}, {"   ", nullptr}};
    for (const auto& [metin, beklenen] : durumlar) {
        const auto t = metin_temizle(metin);
        EXPECT_EQ(t ? std::optional(cp1254_utf8(*t)) : std::nullopt,
                  beklenen ? std::optional<std::string>(beklenen) : std::nullopt)
            << metin;
    }
}

TEST(MaddeKurallari, ClueGivesTheAnswerAwayThroughItsStem) {
    struct Durum {
        const char* ipucu;
        const char* kelime;
        bool veriyor;
    };
    // clang-format off
    const Durum durumlar[] = {
        // Up to three letters: only the answer itself as a word.
        {"Çadır, ev, oda", "EV", true}, {"Evlerin çatısı", "EV", false}, {"Kusur yok", "SU", false},
        // Up to five: a word starting with the answer; the stem's last
        // consonant may soften.
        {"Deniz balığı", "BALIK", true}, {"Bir iğneli böcek", "İĞNE", true},
        {"Bütün âlem", "ALEM", true},
        // Longer: a word starting with the first five letters.
        {"Abartma işi", "ABARTI", true}, {"Abajurcu işi veya mesleği", "ABAJURCULUK", true},
        {"Mübalağa", "ABARTI", false},
        // Dotted and dotless i are different letters, in either case.
        {"Ilık su", "ILIK", true}, {"ılık su", "ILIK", true}, {"Ilgıt", "İLGİT", false},
        {"iğneci", "İĞNE", true}, {"IĞNE", "İĞNE", false},
    };
    // clang-format on
    for (const auto& d : durumlar)
        EXPECT_EQ(cevabi_veriyor(cp(d.ipucu), cp(d.kelime)), d.veriyor)
            << d.ipucu << " / " << d.kelime;
}

}  // namespace
}  // namespace velzora::sozluk_yapici
