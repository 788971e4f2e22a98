#include "izgara/sablon_dosyasi.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gecici_dizin.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;

Sablon_Icerigi cozumle(std::string_view metin) {
    Sablon_Icerigi s;
    EXPECT_EQ(sablon_cozumle(metin, s), Sablon_Hatasi::Yok) << metin;
    return s;
}

TEST(SablonDosyasi, WritesHeaderSizeAndBlackSquaresRowByRowWithCrLf) {
    Izgara g;
    g.ebat_ver(3, 4);
    g.siyah_yap(3, 1, Renk_Kodu::Siyah);
    g.siyah_yap(1, 4, Renk_Kodu::Siyah);
    g.harf_yaz(2, 2, "K");
    EXPECT_EQ(sablon_metni(g), "BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n");

    g.sabbosalt();
    EXPECT_EQ(sablon_metni(g), "BULMACA SABLONU\r\n 3  4 \r\n");
}

TEST(SablonDosyasi, SavedTemplateReadsBackAsTheSameGridWithoutLetters) {
    Gecici_Dizin d;
    Izgara g;
    g.ebat_ver(50, 37);
    for (int r = 1; r <= 50; r += 3)
        g.siyah_yap(r, (r * 7) % 37 + 1, Renk_Kodu::Siyah);
    g.harf_yaz(2, 2, "A");
    ASSERT_EQ(sablon_yaz(d / "sab01.txt", g), Sablon_Hatasi::Yok);

    int satir = 9, sutun = 9;
    ASSERT_EQ(satsutoku(d / "sab01.txt", satir, sutun), Sablon_Hatasi::Yok);
    EXPECT_EQ(satir, 50);
    EXPECT_EQ(sutun, 37);
    Izgara geri;
    geri.ebat_ver(satir, sutun);
    geri.harf_yaz(1, 1, "Z");
    ASSERT_EQ(syhkroku(d / "sab01.txt", geri), Sablon_Hatasi::Yok);
    for (int r = 1; r <= 50; ++r) {
        for (int c = 1; c <= 37; ++c) {
            EXPECT_EQ(geri.siyah_mi(r, c), g.siyah_mi(r, c));
            EXPECT_EQ(geri.harf_al(r, c), "");
        }
    }
}

TEST(SablonDosyasi, FieldsSplitAtBlanksCommasAndLineEndsHoweverMany) {
    const auto a = cozumle("BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n");
    const auto b = cozumle("BULMACA SABLONU\n3,4\n   1 ,, 4\r3    1");
    const auto c = cozumle("X Y 3 4 1 4 3 1");  // the first pair is skipped whatever it is
    ASSERT_TRUE(a.ebat);
    EXPECT_EQ(a.ebat, b.ebat);
    EXPECT_EQ(a.ebat, c.ebat);
    EXPECT_EQ(a.siyah_kareler, b.siyah_kareler);
    EXPECT_EQ(a.siyah_kareler, c.siyah_kareler);
}

TEST(SablonDosyasi, HeaderOnlyKeepsTheSizeAndAHalfPairIsIgnored) {
    EXPECT_FALSE(cozumle("BULMACA SABLONU\r\n").ebat);
    EXPECT_FALSE(cozumle("").ebat);
    EXPECT_FALSE(cozumle("BULMACA SABLONU\r\n 7").ebat);
    const auto s = cozumle("BULMACA SABLONU\r\n 5  5 \r\n 2  2 \r\n 4");
    EXPECT_EQ(s.siyah_kareler, (std::vector<std::pair<int, int>>{{2, 2}}));

    Gecici_Dizin d;
    const auto p = d.yaz("sab.txt", "BULMACA SABLONU\r\n");
    int satir = 6, sutun = 8;
    EXPECT_EQ(satsutoku(p, satir, sutun), Sablon_Hatasi::Yok);
    EXPECT_EQ(satir, 6);
    EXPECT_EQ(sutun, 8);
}

TEST(SablonDosyasi, BadFieldsAndMissingFilesAreErrorsThatChangeNothing) {
    Sablon_Icerigi s;
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 x\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1.5 2\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1 +\n", s), Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n32768 4\n", s), Sablon_Hatasi::Sayi_Tasmasi);
    EXPECT_EQ(sablon_cozumle("BULMACA SABLONU\n3 4\n1 99999999999999999999\n", s),
              Sablon_Hatasi::Sayi_Tasmasi);

    Gecici_Dizin d;
    int satir = 6, sutun = 8;
    EXPECT_EQ(satsutoku(d / "yok.txt", satir, sutun), Sablon_Hatasi::Acilamadi);
    EXPECT_EQ(satsutoku(d.yol(), satir, sutun), Sablon_Hatasi::Acilamadi);
    EXPECT_EQ(satsutoku(d.yaz("k.txt", "BULMACA SABLONU\n 3 4x\n"), satir, sutun),
              Sablon_Hatasi::Sayi_Degil);
    EXPECT_EQ(satir, 6);
    EXPECT_EQ(sutun, 8);
}

TEST(SablonDosyasi, BlackSquaresOutsideTheGridAreIgnored) {
    Gecici_Dizin d;
    const auto p = d.yaz(
        "sab.txt", "BULMACA SABLONU\r\n 3  3 \r\n 0  1 \r\n 4  1 \r\n -1  2 \r\n 2  2 \r\n 3  9 ");
    Izgara g;
    g.ebat_ver(3, 3);
    ASSERT_EQ(syhkroku(p, g), Sablon_Hatasi::Yok);
    int siyah = 0;
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c)
            siyah += g.siyah_mi(r, c);
    }
    EXPECT_EQ(siyah, 1);
    EXPECT_TRUE(g.siyah_mi(2, 2));
}

TEST(SablonDosyasi, ReplacingKeepsPermissionsAndFollowsSymbolicLinks) {
    Gecici_Dizin d;
    const auto asil = d.yaz("asil.txt", "eski");
    ::chmod(asil.c_str(), 0640);
    std::filesystem::create_symlink(asil, d / "bag.txt");
    Izgara g;
    ASSERT_EQ(sablon_yaz(d / "bag.txt", g), Sablon_Hatasi::Yok);
    EXPECT_TRUE(std::filesystem::is_symlink(d / "bag.txt"));
    EXPECT_EQ(Gecici_Dizin::oku(asil), sablon_metni(g));
    struct stat st {};
    ASSERT_EQ(::stat(asil.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Nothing left behind beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.yol()), {}), 2);
}

TEST(SablonDosyasi, AFailedSaveLeavesTheExistingFileUntouched) {
    Gecici_Dizin d;
    Izgara g;
    EXPECT_EQ(sablon_yaz(d / "yok" / "sab.txt", g), Sablon_Hatasi::Yazilamadi);
    EXPECT_EQ(sablon_yaz(d.yol(), g), Sablon_Hatasi::Yazilamadi);

    // A folder the user cannot write to. Root may write anywhere, so the save
    // then runs in a child process without root's rights.
    const auto klasor = d / "salt_okunur";
    std::filesystem::create_directory(klasor);
    const std::string eski = "BULMACA SABLONU\r\n 4  4 \r\n";
    const auto p = klasor / "sab01.txt";
    std::ofstream(p, std::ios::binary) << eski;
    ::chmod(p.c_str(), 0644);
    ::chmod(klasor.c_str(), 0555);
    ::chmod(d.yol().c_str(), 0755);

    const pid_t cocuk = ::fork();
    ASSERT_GE(cocuk, 0);
    if (cocuk == 0) {
        if (::geteuid() == 0 && ::setresuid(65534, 65534, 65534) != 0)
            ::_exit(3);
        ::_exit(sablon_yaz(p, g) == Sablon_Hatasi::Yazilamadi ? 0 : 1);
    }
    int durum = 0;
    ::waitpid(cocuk, &durum, 0);
    ASSERT_TRUE(WIFEXITED(durum));
    if (WEXITSTATUS(durum) == 3)
        GTEST_SKIP() << "root cannot become uid 65534 here, and root may write anywhere";
    EXPECT_EQ(WEXITSTATUS(durum), 0);
    EXPECT_EQ(Gecici_Dizin::oku(p), eski);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(klasor), {}), 1);
}

}  // namespace
}  // namespace velzora
