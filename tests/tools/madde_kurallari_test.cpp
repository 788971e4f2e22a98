#include "madde_kurallari.h"

#include <gtest/gtest.h>

#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

std::optional<std::string> ipucu(std::string_view tanim, std::string_view kelime_utf8 = "SORU") {
    const auto sonuc = ipucu_bicimle(tanim, *utf8_cp1254(kelime_utf8));
    if (!sonuc)
        return std::nullopt;
    return cp1254_utf8(*sonuc);
}

TEST(MaddeKurallari, ShortDefinitionKeptWithBlanksCollapsed) {
    EXPECT_EQ(ipucu("  Yaşanan\n\t yer  "), "Yaşanan yer");
    EXPECT_EQ(ipucu("Kısa ve öz."), "Kısa ve öz.");
}

TEST(MaddeKurallari, LongDefinitionCutAtClauseThenWordBoundary) {
    // The last comma within 60 characters wins over later word boundaries.
    EXPECT_EQ(ipucu("Hidrojenle oksijenden oluşan, oda sıcaklığında sıvı durumunda "
                    "bulunan, renksiz, kokusuz madde"),
              "Hidrojenle oksijenden oluşan");
    // A comma too early to leave a clue: cut at a word boundary, and the
    // connective left hanging at the end goes too.
    EXPECT_EQ(ipucu("Dar, uzun ve derin olan bir yer ki içinde su akan bir yol veya yatak olarak "
                    "kullanılır"),
              "Dar, uzun ve derin olan bir yer ki içinde su akan bir yol");
    // A parenthesis or quotation that the cut leaves open is dropped.
    EXPECT_EQ(ipucu("Küçük bir çalgı türü (özellikle halk müziğinde kullanılan telli çalgılar)"),
              "Küçük bir çalgı türü");
    EXPECT_EQ(ipucu("Birinin bir şeyi \"aklımda\" veya \"hatırımda tutarım ben de artık\" demeden"),
              "Birinin bir şeyi \"aklımda\"");
    // One token longer than the limit cannot be cut.
    EXPECT_EQ(ipucu(std::string(70, 'a')), std::nullopt);
}

TEST(MaddeKurallari, ColonsNotesAndForeignCharactersNeverReachTheFile) {
    EXPECT_EQ(ipucu("Bir iş birimi: Bir kilogrammetre 981 x 105 erge eşittir"), "Bir iş birimi");
    EXPECT_EQ(ipucu("NOT: TUR10-1211270 ile aynı"), std::nullopt);
    EXPECT_EQ(ipucu("Yunan alfabesinin α harfi"), std::nullopt);
    // English glosses are no Turkish clues; Turkish words that look English are.
    EXPECT_EQ(ipucu("The largest city in Vermont"), std::nullopt);
    EXPECT_EQ(ipucu("A university in Massachusetts"), std::nullopt);
    EXPECT_EQ(ipucu("Bu renkte olan at"), "Bu renkte olan at");
    EXPECT_EQ(ipucu("Saatte on iki otuz"), "Saatte on iki otuz");
    EXPECT_EQ(ipucu("The bureau of Maliye Bakanlığı"), "The bureau of Maliye Bakanlığı");
    EXPECT_EQ(ipucu(":"), std::nullopt);
    EXPECT_EQ(ipucu("   "), std::nullopt);

    // Whatever the definition, a clue is 1 to 60 characters without a colon
    // and without blanks at its ends.
    std::string tanim;
    for (int i = 0; i < 300; ++i) {
        tanim += std::string(1 + (i * 7) % 13, 'k');
        tanim += (i % 11 == 0) ? ", " : (i % 17 == 0) ? ": " : " ";
        if (const auto s = ipucu_bicimle(tanim, "SORU")) {
            EXPECT_GE(s->size(), 1u);
            EXPECT_LE(s->size(), EN_UZUN_IPUCU) << *s;
            EXPECT_EQ(s->find(':'), std::string::npos) << *s;
            EXPECT_NE(s->front(), ' ');
            EXPECT_NE(s->back(), ' ');
        }
    }
}

TEST(MaddeKurallari, ClueNeverStartsAWordWithTheAnswer) {
    EXPECT_EQ(ipucu("Evlerin çatısı", "EV"), std::nullopt);
    EXPECT_EQ(ipucu("Çadır, ev, oda", "EV"), std::nullopt);
    EXPECT_EQ(ipucu("Bir iğneli böcek", "İĞNE"), std::nullopt);
    EXPECT_EQ(ipucu("Bütün âlem", "ALEM"), std::nullopt);
    EXPECT_EQ(ipucu("Ilık su", "ILIK"), std::nullopt);
    // Inside a word, or cut away, it does not count.
    EXPECT_EQ(ipucu("Kusur yok", "SU"), "Kusur yok");
    EXPECT_EQ(
        ipucu("Hidrojenle oksijenden oluşan, oda sıcaklığında sıvı durumunda bulunan su", "SU"),
        "Hidrojenle oksijenden oluşan");
    // Dotted and dotless i are different letters.
    EXPECT_EQ(ipucu("Ilgıt", "İLGİT"), "Ilgıt");
}

TEST(MaddeKurallari, WordsAreTurkishCapitalsWithoutCircumflex) {
    const auto kelime = [](std::string_view s) -> std::optional<std::string> {
        const auto k = kelime_bicimle(s);
        return k ? std::optional(cp1254_utf8(*k)) : std::nullopt;
    };
    EXPECT_EQ(kelime("ılık"), "ILIK");
    EXPECT_EQ(kelime("iğne"), "İĞNE");
    EXPECT_EQ(kelime("kâğıt"), "KAĞIT");
    EXPECT_EQ(kelime("Îmân"), "İMAN");
    EXPECT_EQ(kelime("mahkûm"), "MAHKUM");
    EXPECT_EQ(kelime("Irak"), "IRAK");
    EXPECT_EQ(kelime("şöyle"), "ŞÖYLE");
    for (const char* kotu :
         {"su yolu", "a.b.d", "x-ray", "quiz", "wolfram", "3boyut", "o", "", "café", "ev\t"}) {
        EXPECT_EQ(kelime(kotu), std::nullopt) << kotu;
    }
    EXPECT_TRUE(kelime(std::string(19, 'a')));
    EXPECT_FALSE(kelime(std::string(20, 'a')));
}

}  // namespace
}  // namespace velzora::sozluk_yapici
