#include "ortak/dosya_islemleri.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>

namespace velzora {
namespace fs = std::filesystem;

std::optional<std::string> dosya_oku(const fs::path& yol) {
    std::error_code hata;
    if (fs::is_directory(yol, hata))
        return std::nullopt;
    std::ifstream giris(yol, std::ios::binary);
    if (!giris)
        return std::nullopt;
    std::string icerik;
    char parca[1 << 16];
    while (giris.read(parca, sizeof parca) || giris.gcount() > 0) {
        icerik.append(parca, static_cast<std::size_t>(giris.gcount()));
    }
    if (giris.bad())
        return std::nullopt;
    return icerik;
}

namespace {

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

}  // namespace

bool dosyayi_guvenle_yaz(const fs::path& yol, std::string_view icerik) {
    std::error_code hata;
    // Write through a symbolic link, not over it.
    fs::path hedef = fs::weakly_canonical(fs::absolute(yol, hata), hata);
    if (hata || hedef.empty())
        hedef = yol;
    if (fs::is_directory(hedef, hata))
        return false;

    struct stat eski {};
    const bool eski_var = ::stat(hedef.c_str(), &eski) == 0;

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
            return false;
    }
    if (fd < 0)
        return false;

    bool tamam = hepsini_yaz(fd, icerik);
    if (tamam && eski_var)
        tamam = ::fchmod(fd, eski.st_mode & 07777) == 0;
    tamam = ::fsync(fd) == 0 && tamam;
    tamam = ::close(fd) == 0 && tamam;
    if (tamam)
        tamam = ::rename(gecici.c_str(), hedef.c_str()) == 0;
    if (!tamam) {
        ::unlink(gecici.c_str());
        return false;
    }
    return true;
}

}  // namespace velzora
