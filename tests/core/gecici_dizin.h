// A fresh folder under the system's temporary folder, removed with its contents.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace velzora::test {

class Gecici_Dizin {
  public:
    Gecici_Dizin() {
        std::random_device rd;
        yol_ = std::filesystem::temp_directory_path() / ("velzora-test-" + std::to_string(rd()));
        std::filesystem::create_directories(yol_);
    }
    ~Gecici_Dizin() {
        std::error_code h;
        std::filesystem::permissions(yol_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, h);
        std::filesystem::remove_all(yol_, h);
    }
    Gecici_Dizin(const Gecici_Dizin&) = delete;
    Gecici_Dizin& operator=(const Gecici_Dizin&) = delete;

    const std::filesystem::path& yol() const { return yol_; }
    std::filesystem::path operator/(std::string_view ad) const { return yol_ / ad; }

    std::filesystem::path yaz(std::string_view ad, std::string_view icerik) const {
        const auto p = yol_ / ad;
        std::ofstream(p, std::ios::binary) << icerik;
        return p;
    }
    static std::string oku(const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

  private:
    std::filesystem::path yol_;
};

}  // namespace velzora::test
