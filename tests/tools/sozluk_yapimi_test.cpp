#include "sozluk_yapimi.h"

#include <gtest/gtest.h>

#include <map>

#include "../core/gecici_dizin.h"
#include "ortak/cp1254.h"
#include "sozluk/sozluk.h"

namespace velzora::sozluk_yapici {
namespace {

using test::Gecici_Dizin;

struct Kume {
    std::vector<std::pair<std::string, int>> sozcukler;  // literal, sense number
    std::string tanim;
};

std::string wordnet_xml(const std::vector<Kume>& kumeler) {
    std::string x = "<SYNSETS>\n";
    int no = 0;
    for (const auto& k : kumeler) {
        x += "<SYNSET><ID>TUR10-" + std::to_string(++no) + "</ID><SYNONYM>";
        for (const auto& [metin, anlam] : k.sozcukler) {
            x += "<LITERAL>" + metin + "<SENSE>" + std::to_string(anlam) +
                 "</SENSE><ORIGIN>FOREIGN</ORIGIN></LITERAL>";
        }
        x += "</SYNONYM><POS>n</POS><SR>TUR10-1<TYPE>HYPERNYM</TYPE></SR><DEF>" + k.tanim +
             "</DEF><EXAMPLE>örnek</EXAMPLE></SYNSET>\n";
    }
    return x + "</SYNSETS>\n";
}

struct Sonuc {
    Yapim_Raporu rapor;
    std::string baytlar;
    std::map<std::string, std::string> maddeler;  // UTF-8 word -> UTF-8 clue
};

Sonuc yap(const std::vector<Kume>& kumeler, int boyut = VARSAYILAN_BOYUT,
          std::string_view baski = "") {
    Gecici_Dizin d;
    Yapim_Ayarlari a{d.yaz("wordnet.xml", wordnet_xml(kumeler)), {}, boyut, d / "sozluk.txt", {}};
    if (!baski.empty())
        a.baskilar.push_back(d.yaz("turkish1998_dictionary.txt", baski));
    Sonuc s{sozluk_yap(a), {}, {}};
    s.baytlar = Gecici_Dizin::oku(a.cikti);
    Sozluk sozluk;
    EXPECT_EQ(sozluk.oku(a.cikti), Sozluk_Hatasi::Yok);
    for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i)
        s.maddeler[cp1254_utf8(sozluk.Kelime(i))] = cp1254_utf8(sozluk.Soru(i));
    return s;
}

TEST(SozlukYapimi, WritesWindows1254LinesWithCrLfThatTheLoaderReads) {
    const auto s = yap({{{{"iğne", 1}}, "Dikiş dikmeye yarayan araç"},
                        {{{"ılık", 1}, {"su yolu", 1}, {"a.b.d", 1}}, "Ne sıcak ne soğuk"},
                        {{{"ab", 1}, {"âb", 1}}, "Hidrojenle oksijenden oluşan sıvı"},
                        {{{"kâğıt", 2}}, "Yazı yazılan yaprak"}});
    ASSERT_TRUE(s.rapor.hata.empty()) << s.rapor.hata;
    EXPECT_EQ(s.baytlar, *utf8_cp1254("AB:Hidrojenle oksijenden oluşan sıvı\r\n"
                                      "ILIK:Ne sıcak ne soğuk\r\n"
                                      "İĞNE:Dikiş dikmeye yarayan araç\r\n"
                                      "KAĞIT:Yazı yazılan yaprak\r\n"));
    EXPECT_EQ(s.rapor.toplam, 4u);
    EXPECT_EQ(s.rapor.uzunluklar[4].secilen, 2u);
    EXPECT_EQ(s.rapor.kalite.kayit, 4u);
}

TEST(SozlukYapimi, SizeKeepsShortAndLongWordsAndTheMostWantedMiddleOnes) {
    // clang-format off
    const std::vector<Kume> kumeler = {
        {{{"ev", 1}}, "Yaşanan yer"}, {{{"kalemtıraşçı", 1}}, "Kalem açacağı satan"}, {{{"kalem", 1}}, "Yazı aracı"},
        {{{"kitap", 1}}, "Ciltli basılı yaprak"}, {{{"ağlamak", 1}}, "Gözyaşı dökmek"}, {{{"anlamak", 1}}, "Kavramak"},
        {{{"kalemlik", 1}}, "Kalem konulan kap"}};
    // clang-format on
    // Room for one word of length 5 and one of length 7: the listed ones win,
    // a verb by its stem; a proper name is not a common word. A middle length
    // never takes a clue that gives the answer away (KALEMLİK); a protected
    // one only within its share (none of 3 entries).
    const auto s = yap(kumeler, 3, "kalem CL_ISIM\nkitap IS_OA\nağla CL_FIIL\n");
    std::vector<std::string> kelimeler;
    for (const auto& [k, _] : s.maddeler)
        kelimeler.push_back(k);
    EXPECT_EQ(kelimeler, (std::vector<std::string>{"AĞLAMAK", "EV", "KALEM"}));
    EXPECT_EQ(s.rapor.uzunluklar[5].bulunan, 2u);
    EXPECT_EQ(s.rapor.uzunluklar[5].secilen, 1u);
    EXPECT_EQ(s.rapor.uzunluklar[12].bulunan, 1u);
    EXPECT_EQ(s.rapor.uzunluklar[12].secilen, 0u);

    // Too small for even the protected lengths: still no more than asked.
    EXPECT_EQ(yap(kumeler, 1).maddeler.size(), 1u);
}

TEST(SozlukYapimi, NeverWritesMoreEntriesThanTheLoaderHolds) {
    std::vector<Kume> kumeler;
    constexpr std::string_view HARFLER = "abcdefghijklmnoprstuvyz";
    for (int i = 0; i < EN_COK_KAYIT + 300; ++i) {
        std::string kelime = "kelime";
        for (int n = i, j = 0; j < 4; ++j, n /= static_cast<int>(HARFLER.size()))
            kelime += HARFLER[static_cast<std::size_t>(n) % HARFLER.size()];
        kumeler.push_back({{{kelime, 1}}, "Deneme"});
    }
    const auto s = yap(kumeler, 40000);
    EXPECT_EQ(s.rapor.uzunluklar[10].bulunan, static_cast<std::size_t>(EN_COK_KAYIT + 300));
    EXPECT_EQ(s.maddeler.size(), static_cast<std::size_t>(EN_COK_KAYIT));
}

TEST(SozlukYapimi, BrokenXmlIsReportedAndWritesNothing) {
    Gecici_Dizin d;
    const Yapim_Ayarlari a{d.yaz("w.xml", "<SYNSETS><SYNSET><LITERAL>ev"), {}, 10, d / "s.txt", {}};
    EXPECT_FALSE(sozluk_yap(a).hata.empty());
    EXPECT_FALSE(std::filesystem::exists(a.cikti));
}

TEST(SozlukRaporu, CountsLengthsSynonymsAndStemsOfAFixture) {
    Sozluk sozluk;
    ASSERT_EQ(sozluk.cozumle(*utf8_cp1254("AB:Su\r\nSU:Ab\r\nEV:Evlerin çatısı\r\n"
                                          "ABARTI:Abartma işi\r\nİĞNE:İğne\r\n"
                                          "ILIK:Ne sıcak ne soğuk, aradaki bir derece\r\n")),
              Sozluk_Hatasi::Yok);
    std::vector<Anlam_Kumesi> kumeler(2);
    kumeler[0].sozcukler = {{"su", 1}, {"ab", 1}, {"âb", 1}};
    kumeler[1].sozcukler = {{"iğne", 1}};
    const auto es = es_anlamlilari_topla(kumeler);

    const auto r = sozluk_raporu(sozluk, &es);
    EXPECT_EQ(r.kayit, 6u);
    EXPECT_EQ(r.uzunluklar, (std::map<std::size_t, std::size_t>{{2, 3}, {4, 2}, {6, 1}}));
    EXPECT_EQ(r.medyan, 4u);
    EXPECT_EQ(r.yuzde_95, 37u);
    EXPECT_EQ(r.en_uzun, 37u);
    EXPECT_EQ(r.es_anlamli, 2u);    // the word itself is no synonym (İĞNE)
    EXPECT_EQ(r.cevabi_veren, 2u);  // ABARTI, İĞNE; EV is no word of "Evlerin"
    // Shares with a decimal comma, as Turkish writes them.
    EXPECT_NE(rapor_metni(r).find("eş anlamlı ipucu: 2 (%33,3)\n"), std::string::npos);
    EXPECT_EQ(sozluk_raporu(sozluk, nullptr).es_anlamli, std::nullopt);
}

}  // namespace
}  // namespace velzora::sozluk_yapici
