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

// Entries as read: the word trimmed of blanks only, the clue as written, the
// last colon among the first twenty characters the separator, lines without
// one skipped, duplicates kept, and any line end ending a line.
TEST(Sozluk, EntriesAreReadByTheLineRules) {
    using K = std::vector<Kayit>;
    const std::string k19(19, 'A');
    const struct {
        std::string metin;
        K beklenen;
    } durumlar[] = {
        {"EV:Bo\xFE yer\r\n", {{"EV", "Bo\xFE yer"}}},
        {"  EV  : yer \r\n", {{"EV", " yer "}}},
        {"A B:iki kelime\r\n", {{"A B", "iki kelime"}}},
        {"\tev\t:x", {{"\tev\t", "x"}}},
        {"EV:Oda:salon\r\n", {{"EV:Oda", "salon"}}},
        {k19 + ":ipucu:devam", {{k19, "ipucu:devam"}}},
        {std::string(20, 'A') + ":ipucu", {}},
        {":\xE7ok eski", {{"", "\xE7ok eski"}}},
        {"   :bo\xFE", {{"", "bo\xFE"}}},
        {"\r\nbaşlık yok\r\nEV:yer\r\nEV:yer\r\n\r\n", {{"EV", "yer"}, {"EV", "yer"}}},
        {"sadece metin\r\n\r\n", {}},
        {"A:1\r\nB:2\nC:3\rD:4", {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}},
        {"A:1\n\rB:2", {{"A", "1"}, {"B", "2"}}},
        {"A:", {{"A", ""}}},
    };
    for (const auto& d : durumlar) {
        Sozluk s;
        EXPECT_EQ(s.cozumle(d.metin), Sozluk_Hatasi::Yok) << d.metin;
        EXPECT_EQ(kayitlar(s), d.beklenen) << d.metin;
    }
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
    // A copy holds its own entries.
    const Sozluk kopya = s;
    s.cozumle("X:y");
    EXPECT_EQ(kopya.Kelime(32767), "K32766");
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
    const std::string cicek = "\xC7\xDD\xC7" "EK";  // ÇİÇEK in Windows-1254
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
        {"1254", cicek + ":x\r\n\r\nba\xFEl\xFD" "k\r\n", Sozluk_Kodlamasi::Windows_1254, {{cicek, "x"}}, 1, 0, 1},
        {"UTF-8", "\xC3\x87\xC4\xB0\xC3\x87" "EK:x\n", Sozluk_Kodlamasi::Utf8, {{cicek, "x"}}, 0, 0, 0},
        {"BOM", "\xEF\xBB\xBF" "EV:yer\n", Sozluk_Kodlamasi::Utf8_Bom, {{"EV", "yer"}}, 0, 0, 0},
        {"colon at character 20", c19_utf8 + ":x\n" + c19_utf8 + "\xC3\x87:y\n", Sozluk_Kodlamasi::Utf8, {{c19, "x"}}, 1, 0, 0},
        {"no Windows-1254 form", "\xC3\x87:\xD0\xB6\nEV:\xF0\x9F\x99\x82\nAT:\xC3\xBC\n", Sozluk_Kodlamasi::Utf8, {{"AT", "\xFC"}}, 0, 2, 0},
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

}  // namespace
}  // namespace velzora
