#include "argumanlar.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace velzora::cli {
namespace {

std::string sayi_metni(double x) {
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%g", x);
    return tampon;
}

}  // namespace

Argumanlar::Argumanlar(const std::vector<std::string>& args, std::span<const Secenek> bilinenler) {
    for (std::size_t i = 0; i < args.size() && hata_.empty(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            hata_ = "beklenmeyen bağımsız değişken: " + a;
            break;
        }
        const std::string_view ad = std::string_view(a).substr(2);
        const auto s = std::find_if(bilinenler.begin(), bilinenler.end(),
                                    [&](const Secenek& x) { return x.ad == ad; });
        if (s == bilinenler.end()) {
            hata_ = "bilinmeyen seçenek: " + a;
        } else if (s->deger.empty()) {
            bayraklar_.emplace(ad);
        } else if (i + 1 >= args.size()) {
            hata_ = a + " bir değer bekliyor";
        } else {
            degerler_[std::string(ad)] = args[++i];
        }
    }
}

bool Argumanlar::var_mi(std::string_view ad) const {
    return bayraklar_.count(ad) > 0 || degerler_.count(ad) > 0;
}

std::optional<std::string> Argumanlar::deger(std::string_view ad) const {
    const auto it = degerler_.find(ad);
    if (it == degerler_.end())
        return std::nullopt;
    return it->second;
}

std::optional<long long> Argumanlar::tamsayi(std::string_view ad, long long en_az,
                                             long long en_cok) {
    const auto d = deger(ad);
    if (!d)
        return std::nullopt;
    long long n = 0;
    const auto [son, h] = std::from_chars(d->data(), d->data() + d->size(), n);
    if (h != std::errc() || son != d->data() + d->size() || n < en_az || n > en_cok) {
        hata_ = "--" + std::string(ad) + " için " + std::to_string(en_az) + " ile " +
                std::to_string(en_cok) + " arasında bir tam sayı gerekli: " + *d;
        return std::nullopt;
    }
    return n;
}

std::optional<double> Argumanlar::kesir(std::string_view ad, double en_az, double en_cok) {
    const auto d = deger(ad);
    if (!d)
        return std::nullopt;
    double x = 0;
    const auto [son, h] = std::from_chars(d->data(), d->data() + d->size(), x);
    if (h != std::errc() || son != d->data() + d->size() || !(x >= en_az && x <= en_cok)) {
        hata_ = "--" + std::string(ad) + " için " + sayi_metni(en_az) + " ile " +
                sayi_metni(en_cok) + " arasında bir sayı gerekli: " + *d;
        return std::nullopt;
    }
    return x;
}

}  // namespace velzora::cli
