// Command-line options of velzora-cli: "--name value" and "--flag" forms,
// read against a command's table of options.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velzora::cli {

enum class Secenek_Turu {
    Secimli,  // may be left out
    Zorunlu,  // must be given
    Biri      // one of the neighbouring options of this kind must be given
};

struct Secenek {
    std::string_view ad;     // without the leading "--"
    std::string_view deger;  // the value's name in the usage text; empty for a flag
    std::string_view aciklama;
    Secenek_Turu tur = Secenek_Turu::Secimli;
};

class Argumanlar {
  public:
    // Reads args against the known options; unknown options, missing values and
    // stray words set hata().
    Argumanlar(const std::vector<std::string>& args, std::span<const Secenek> bilinenler);

    const std::string& hata() const { return hata_; }
    bool var_mi(std::string_view ad) const;
    std::optional<std::string> deger(std::string_view ad) const;

    // Whole numbers and fractions, reported in hata() when malformed.
    std::optional<long long> tamsayi(std::string_view ad, long long en_az, long long en_cok);
    std::optional<double> kesir(std::string_view ad, double en_az, double en_cok);

  private:
    std::map<std::string, std::string, std::less<>> degerler_;
    std::set<std::string, std::less<>> bayraklar_;
    std::string hata_;
};

}  // namespace velzora::cli
