#include "sozluk/sozluk.h"

#include <gtest/gtest.h>

#include "gecici_dizin.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;

struct Kayit {
    std::string kelime, soru;
    bool operator==(const Kayit&) const = default;
};

std::vector<Kayit> kayitlar(const Sozluk& s) {
    std::vector<Kayit> k;
    for (int i = 1; i <= s.Kelime_Sayisi(); ++i) {
        k.push_back({std::string(s.Kelime(i)), std::string(s.Soru(i))});
    }
    return k;
}

std::vector<Kayit> yukle(std::string metin) {
    Sozluk s;
    EXPECT_EQ(s.cozumle(std::move(metin)), Sozluk_Hatasi::Yok);
    return kayitlar(s);
}

TEST(Sozluk, WordIsTrimmedAndClueKeptAsWritten) {
    EXPECT_EQ(yukle("EV:Ya\xFE"
                    "anan yer\r\n"),
              (std::vector<Kayit>{{"EV",
                                   "Ya\xFE"
                                   "anan yer"}}));
    EXPECT_EQ(yukle("  EV  : yer \r\n"), (std::vector<Kayit>{{"EV", " yer "}}));
    EXPECT_EQ(yukle("A B:iki kelime\r\n"), (std::vector<Kayit>{{"A B", "iki kelime"}}));
    // Only blanks are trimmed, and nothing is case-folded.
    EXPECT_EQ(yukle("\tev\t:x"), (std::vector<Kayit>{{"\tev\t", "x"}}));
}

TEST(Sozluk, TheLastColonAmongTheFirstTwentyCharactersSeparates) {
    EXPECT_EQ(yukle("EV:Oda:salon\r\n"), (std::vector<Kayit>{{"EV:Oda", "salon"}}));
    // Colon at position 20 separates, at 21 it does not.
    const std::string k19(19, 'A');
    EXPECT_EQ(yukle(k19 + ":ipucu:devam"), (std::vector<Kayit>{{k19, "ipucu:devam"}}));
    EXPECT_TRUE(yukle(std::string(20, 'A') + ":ipucu").empty());
    EXPECT_EQ(yukle(":\xE7ok eski"), (std::vector<Kayit>{{"", "\xE7ok eski"}}));
    EXPECT_EQ(yukle("   :bo\xFE"), (std::vector<Kayit>{{"", "bo\xFE"}}));
}

TEST(Sozluk, LinesWithoutSeparatorAreSkippedAndDuplicatesKept) {
    EXPECT_EQ(yukle("\r\nbaşlık yok\r\nEV:yer\r\nEV:yer\r\n\r\n"),
              (std::vector<Kayit>{{"EV", "yer"}, {"EV", "yer"}}));
    Sozluk s;
    EXPECT_EQ(s.cozumle("sadece metin\r\n\r\n"), Sozluk_Hatasi::Yok);
    EXPECT_EQ(s.Kelime_Sayisi(), 0);
}

TEST(Sozluk, CrLfLoneLfLoneCrAndAMissingLastLineEndAllEndLines) {
    EXPECT_EQ(yukle("A:1\r\nB:2\nC:3\rD:4"),
              (std::vector<Kayit>{{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}));
    EXPECT_EQ(yukle("A:1\n\rB:2"), (std::vector<Kayit>{{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(yukle("A:"), (std::vector<Kayit>{{"A", ""}}));
}

std::string kayit_dosyasi(int adet) {
    std::string m;
    m.reserve(static_cast<std::size_t>(adet) * 16);
    for (int i = 0; i < adet; ++i)
        m.append("K").append(std::to_string(i)).append(":ipucu\r\n");
    return m;
}

TEST(Sozluk, HoldsAtMost32767Entries) {
    Sozluk s;
    ASSERT_EQ(s.cozumle(kayit_dosyasi(32767)), Sozluk_Hatasi::Yok);
    EXPECT_EQ(s.Kelime_Sayisi(), 32767);
    EXPECT_EQ(s.Kelime(32767), "K32766");
    // Lines that are not entries do not count towards the limit.
    EXPECT_EQ(s.cozumle(kayit_dosyasi(32767) + "\r\nnot\r\n"), Sozluk_Hatasi::Yok);

    EXPECT_EQ(s.cozumle(kayit_dosyasi(32768)), Sozluk_Hatasi::Cok_Fazla_Kayit);
    EXPECT_EQ(s.Kelime_Sayisi(), 32767) << "a failed load keeps the store";
}

TEST(Sozluk, FilesThatCannotBeLoaded) {
    Gecici_Dizin d;
    Sozluk s;
    ASSERT_EQ(s.oku(d.yaz("s.txt", "EV:yer\r\n")), Sozluk_Hatasi::Yok);
    EXPECT_EQ(s.oku(d / "yok.txt"), Sozluk_Hatasi::Acilamadi);
    EXPECT_EQ(s.oku(d.yol()), Sozluk_Hatasi::Acilamadi);
    EXPECT_EQ(s.oku(d.yaz("bos.txt", "")), Sozluk_Hatasi::Bos_Dosya);
    EXPECT_EQ(kayitlar(s), (std::vector<Kayit>{{"EV", "yer"}}));
}

TEST(Sozluk, CopiesStayValid) {
    Sozluk a;
    ASSERT_EQ(a.cozumle("EV:yer\r\nAT:hayvan\r\n"), Sozluk_Hatasi::Yok);
    const Sozluk b = a;
    a.cozumle("X:y");
    EXPECT_EQ(kayitlar(b), (std::vector<Kayit>{{"EV", "yer"}, {"AT", "hayvan"}}));
}

}  // namespace
}  // namespace velzora
