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
    const struct {
        std::filesystem::path yol;
        Sozluk_Hatasi beklenen;
        Dosya_Hatasi dosya;
    } durumlar[] = {
        {d / "yok.txt", Sozluk_Hatasi::Acilamadi, Dosya_Hatasi::Sistem},
        {d.yol(), Sozluk_Hatasi::Acilamadi, Dosya_Hatasi::Dosya_Degil},
        {"/dev/zero", Sozluk_Hatasi::Acilamadi, Dosya_Hatasi::Dosya_Degil},
        {d.yaz("buyuk.txt", std::string(EN_BUYUK_SOZLUK + 1, ':')), Sozluk_Hatasi::Acilamadi,
         Dosya_Hatasi::Cok_Buyuk},
        {d.yaz("bos.txt", ""), Sozluk_Hatasi::Bos_Dosya, Dosya_Hatasi::Yok},
    };
    for (const auto& durum : durumlar) {
        Dosya_Sonucu dosya;
        EXPECT_EQ(s.oku(durum.yol, &dosya), durum.beklenen) << durum.yol;
        EXPECT_EQ(dosya.hata, durum.dosya) << durum.yol;
    }
    EXPECT_EQ(kayitlar(s), (std::vector<Kayit>{{"EV", "yer"}}));
}

// UTF-8 files read by the same rules, positions counted in characters.
// clang-format off
TEST(Sozluk, Utf8WithOrWithoutAMarkIsReadAsWindows1254) {
    const std::string cicek = "\xC7\xDD\xC7"
                              "EK";  // ÇİÇEK in Windows-1254
    const std::string c19(19, '\xC7');
    std::string c19_utf8;
    for (int i = 0; i < 19; ++i)
        c19_utf8 += "\xC3\x87";
    const struct {
        const char* ad;
        std::string metin;
        Sozluk_Kodlamasi kodlama;
        std::vector<Kayit> kayitlar;
        int ayiracsiz, donusmeyen, bos;
    } durumlar[] = {
        {"1254", cicek + ":x\r\n\r\nba\xFEl\xFD" "k\r\n", Sozluk_Kodlamasi::Windows_1254,
         {{cicek, "x"}}, 1, 0, 1},
        {"UTF-8", "\xC3\x87\xC4\xB0\xC3\x87" "EK:x\n", Sozluk_Kodlamasi::Utf8, {{cicek, "x"}}, 0,
         0, 0},
        {"BOM", "\xEF\xBB\xBF" "EV:yer\n", Sozluk_Kodlamasi::Utf8_Bom, {{"EV", "yer"}}, 0, 0, 0},
        {"colon at character 20", c19_utf8 + ":x\n" + c19_utf8 + "\xC3\x87:y\n",
         Sozluk_Kodlamasi::Utf8, {{c19, "x"}}, 1, 0, 0},
        {"no Windows-1254 form", "\xC3\x87:\xD0\xB6\nEV:\xF0\x9F\x99\x82\nAT:\xC3\xBC\n",
         Sozluk_Kodlamasi::Utf8, {{"AT", "\xFC"}}, 0, 2, 0},
    };
    // clang-format on
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        Sozluk s;
        ASSERT_EQ(s.cozumle(d.metin), Sozluk_Hatasi::Yok);
        EXPECT_EQ(kayitlar(s), d.kayitlar);
        EXPECT_EQ(s.rapor().kodlama, d.kodlama);
        EXPECT_EQ(s.rapor().ayiracsiz_satir, d.ayiracsiz);
        EXPECT_EQ(s.rapor().donusmeyen_satir, d.donusmeyen);
        EXPECT_EQ(s.rapor().bos_satir, d.bos);
    }
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
