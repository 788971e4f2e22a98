#include "ortak/dosya_islemleri.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <system_error>

namespace velzora {
namespace fs = std::filesystem;

namespace {

Dosya_Sonucu sistem(int hata) {
    return {Dosya_Hatasi::Sistem, hata};
}

class Tanitici {
  public:
    explicit Tanitici(int fd) : fd_(fd) {}
    ~Tanitici() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Tanitici(const Tanitici&) = delete;
    Tanitici& operator=(const Tanitici&) = delete;
    int fd() const { return fd_; }
    // Closes now, so that a failing close is seen.
    bool kapat() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool hepsini_yaz(int fd, std::string_view icerik) {
    while (!icerik.empty()) {
        const ssize_t n = ::write(fd, icerik.data(), icerik.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        icerik.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a save replaces: the path itself, or what a symbolic link names.
Dosya_Sonucu hedefi_bul(const fs::path& yol, fs::path& hedef, struct stat& eski, bool& eski_var) {
    hedef = yol;
    eski_var = false;
    if (::lstat(yol.c_str(), &eski) != 0)
        return errno == ENOENT ? Dosya_Sonucu{} : sistem(errno);
    if (S_ISLNK(eski.st_mode)) {
        char* gercek = ::realpath(yol.c_str(), nullptr);
        if (gercek == nullptr)
            return errno == ENOENT ? Dosya_Sonucu{Dosya_Hatasi::Bos_Baglanti} : sistem(errno);
        hedef = gercek;
        std::free(gercek);
        if (::stat(hedef.c_str(), &eski) != 0)
            return sistem(errno);
    }
    if (!S_ISREG(eski.st_mode))
        return {Dosya_Hatasi::Dosya_Degil};
    if (eski.st_nlink > 1)
        return {Dosya_Hatasi::Cok_Adli};
    eski_var = true;
    return {};
}

}  // namespace

std::string Dosya_Sonucu::neden() const {
    switch (hata) {
        case Dosya_Hatasi::Yok:
            return {};
        case Dosya_Hatasi::Dosya_Degil:
            return "normal bir dosya değil";
        case Dosya_Hatasi::Cok_Buyuk:
            return "dosya çok büyük";
        case Dosya_Hatasi::Bos_Baglanti:
            return "sembolik bağlantının gösterdiği dosya yok";
        case Dosya_Hatasi::Cok_Adli:
            return "dosyanın başka sabit bağlantıları var";
        case Dosya_Hatasi::Sistem:
            return std::system_category().message(sistem_hatasi);
    }
    return {};
}

Dosya_Sonucu dosya_oku(const fs::path& yol, std::size_t en_cok, std::string& icerik) {
    // Non-blocking, so that opening a FIFO returns at once; the type is
    // checked before the first read.
    Tanitici dosya(::open(yol.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (dosya.fd() < 0)
        return sistem(errno);
    struct stat st {};
    if (::fstat(dosya.fd(), &st) != 0)
        return sistem(errno);
    if (!S_ISREG(st.st_mode))
        return {Dosya_Hatasi::Dosya_Degil};
    if (static_cast<std::uintmax_t>(st.st_size) > en_cok)
        return {Dosya_Hatasi::Cok_Buyuk};

    std::string okunan;
    okunan.reserve(static_cast<std::size_t>(st.st_size));
    char parca[1 << 16];
    for (;;) {
        const ssize_t n = ::read(dosya.fd(), parca, sizeof parca);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return sistem(errno);
        }
        if (n == 0)
            break;
        // The file may have grown since it was measured.
        if (okunan.size() + static_cast<std::size_t>(n) > en_cok)
            return {Dosya_Hatasi::Cok_Buyuk};
        okunan.append(parca, static_cast<std::size_t>(n));
    }
    icerik = std::move(okunan);
    return {};
}

Dosya_Sonucu dosyayi_guvenle_yaz(const fs::path& yol, std::string_view icerik) {
    fs::path hedef;
    struct stat eski {};
    bool eski_var = false;
    if (const auto s = hedefi_bul(yol, hedef, eski, eski_var); !s)
        return s;

    std::random_device rd;
    fs::path gecici;
    int fd = -1;
    for (int deneme = 0; deneme < 16 && fd < 0; ++deneme) {
        // Appended: a literal + std::string draws a false -Wrestrict from GCC 12 at -O3.
        std::string ad(".");
        ad.append(hedef.filename().string()).append(".").append(std::to_string(rd() % 1000000));
        gecici = hedef.parent_path() / ad.append(".tmp");
        fd = ::open(gecici.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return sistem(errno);
    }
    if (fd < 0)
        return sistem(EEXIST);
    Tanitici yeni(fd);

    int hata = 0;
    auto dene = [&hata](bool tamam) {
        if (!tamam && hata == 0)
            hata = errno;
    };
    dene(hepsini_yaz(fd, icerik));
    if (eski_var && hata == 0) {
        // Only root or a member of the group can give the file its old owner;
        // anyone else's save makes it theirs. The mode is set after, since a
        // change of owner clears the set-id bits.
        if (::fchown(fd, eski.st_uid, eski.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), eski.st_gid);
        dene(::fchmod(fd, eski.st_mode & 07777) == 0);
    }
    dene(::fsync(fd) == 0);
    dene(yeni.kapat());
    if (hata == 0)
        dene(::rename(gecici.c_str(), hedef.c_str()) == 0);
    if (hata != 0) {
        ::unlink(gecici.c_str());
        return sistem(hata);
    }
    // The rename itself survives a crash only once the folder is on disk.
    Tanitici klasor(::open(hedef.parent_path().empty() ? "." : hedef.parent_path().c_str(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (klasor.fd() >= 0)
        ::fsync(klasor.fd());
    return {};
}

}  // namespace velzora
