#include "ortak/dosya_islemleri.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "gecici_dizin.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;
namespace fs = std::filesystem;

struct Yazma_Durumu {
    const char* ad;
    // Makes the target in the scratch folder; false when the machine cannot.
    std::function<bool(const Gecici_Dizin&)> hazirla;
    Dosya_Hatasi beklenen;
};

TEST(DosyaIslemleri, SavesReplaceOnlyRegularFilesAndSayWhy) {
    const std::vector<Yazma_Durumu> durumlar = {
        {"folder", [](auto& d) { return fs::create_directory(d / "h"); },
         Dosya_Hatasi::Dosya_Degil},
        {"FIFO", [](auto& d) { return ::mkfifo((d / "h").c_str(), 0644) == 0; },
         Dosya_Hatasi::Dosya_Degil},
        {"device node",
         [](auto& d) { return ::mknod((d / "h").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         Dosya_Hatasi::Dosya_Degil},
        {"link to nothing", [](auto& d) { return ::symlink("yok", (d / "h").c_str()) == 0; },
         Dosya_Hatasi::Bos_Baglanti},
        {"second hard link",
         [](auto& d) { return ::link(d.yaz("asil", "eski").c_str(), (d / "h").c_str()) == 0; },
         Dosya_Hatasi::Cok_Adli},
    };
    for (const auto& durum : durumlar) {
        SCOPED_TRACE(durum.ad);
        Gecici_Dizin d;
        if (!durum.hazirla(d)) {
            // mknod needs root.
            EXPECT_EQ(std::string(durum.ad), "device node");
            continue;
        }
        const auto once = fs::symlink_status(d / "h").type();
        const Dosya_Sonucu s = dosyayi_guvenle_yaz(d / "h", "yeni");
        EXPECT_EQ(s.hata, durum.beklenen);
        EXPECT_FALSE(s || s.neden().empty());
        EXPECT_EQ(fs::symlink_status(d / "h").type(), once);
        if (fs::is_regular_file(d / "asil")) {
            EXPECT_EQ(Gecici_Dizin::oku(d / "asil"), "eski");
        }
    }
}

TEST(DosyaIslemleri, AReplacedFileKeepsModeOwnerAndTheLinkThatNamesIt) {
    Gecici_Dizin d;
    const auto asil = d.yaz("asil.txt", "eski");
    ::chmod(asil.c_str(), 0640);
    const bool kok = ::geteuid() == 0;
    if (kok) {
        ASSERT_EQ(::chown(asil.c_str(), 65534, 65534), 0);
    }
    fs::create_symlink(asil, d / "bag.txt");
    ASSERT_TRUE(dosyayi_guvenle_yaz(d / "bag.txt", "yeni"));
    EXPECT_TRUE(fs::is_symlink(d / "bag.txt"));
    EXPECT_EQ(Gecici_Dizin::oku(asil), "yeni");
    struct stat st {};
    ASSERT_EQ(::stat(asil.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    if (kok) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
    // Nothing left behind beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(d.yol()), {}), 2);

    const Dosya_Sonucu yok = dosyayi_guvenle_yaz(d / "yok" / "a.txt", "x");
    EXPECT_EQ(yok.hata, Dosya_Hatasi::Sistem);
    EXPECT_EQ(yok.neden(), std::error_code(ENOENT, std::system_category()).message());
}

TEST(DosyaIslemleri, AFailedSaveLeavesTheExistingFileUntouched) {
    // A folder the user cannot write to. Root may write anywhere, so the save
    // then runs in a child process without root's rights.
    Gecici_Dizin d;
    const auto klasor = d / "salt_okunur";
    fs::create_directory(klasor);
    const auto p = klasor / "sab01.txt";
    std::ofstream(p, std::ios::binary) << "eski";
    ::chmod(p.c_str(), 0644);
    ::chmod(klasor.c_str(), 0555);
    ::chmod(d.yol().c_str(), 0755);

    const pid_t cocuk = ::fork();
    ASSERT_GE(cocuk, 0);
    if (cocuk == 0) {
        if (::geteuid() == 0 && ::setresuid(65534, 65534, 65534) != 0)
            ::_exit(3);
        ::_exit(dosyayi_guvenle_yaz(p, "yeni").sistem_hatasi == EACCES ? 0 : 1);
    }
    int durum = 0;
    ::waitpid(cocuk, &durum, 0);
    ASSERT_TRUE(WIFEXITED(durum));
    if (WEXITSTATUS(durum) == 3)
        GTEST_SKIP() << "root cannot become uid 65534 here, and root may write anywhere";
    EXPECT_EQ(WEXITSTATUS(durum), 0);
    EXPECT_EQ(Gecici_Dizin::oku(p), "eski");
    EXPECT_EQ(std::distance(fs::directory_iterator(klasor), {}), 1);
}

TEST(DosyaIslemleri, ReadingTakesRegularFilesUpToTheCapAndNeverBlocks) {
    Gecici_Dizin d;
    d.yaz("on", "0123456789");
    fs::create_directory(d / "klasor");
    ASSERT_EQ(::mkfifo((d / "fifo").c_str(), 0644), 0);
    const struct {
        fs::path yol;
        std::size_t sinir;
        Dosya_Hatasi beklenen;
    } durumlar[] = {
        {d / "on", 10, Dosya_Hatasi::Yok},
        {d / "on", 9, Dosya_Hatasi::Cok_Buyuk},
        {d / "klasor", 100, Dosya_Hatasi::Dosya_Degil},
        {d / "fifo", 100, Dosya_Hatasi::Dosya_Degil},
        {"/dev/zero", 100, Dosya_Hatasi::Dosya_Degil},
        {d / "yok", 100, Dosya_Hatasi::Sistem},
    };
    for (const auto& durum : durumlar) {
        SCOPED_TRACE(durum.yol.string());
        std::string icerik = "dokunulmaz";
        EXPECT_EQ(dosya_oku(durum.yol, durum.sinir, icerik).hata, durum.beklenen);
        EXPECT_EQ(icerik, durum.beklenen == Dosya_Hatasi::Yok ? "0123456789" : "dokunulmaz");
    }
}

}  // namespace
}  // namespace velzora
