#include "sozcuk_listesi.h"

#include <array>

#include "madde_kurallari.h"
#include "ortak/dosya_islemleri.h"

namespace velzora::sozluk_yapici {
namespace {

// Classes that do not make a common word on their own.
constexpr std::array<std::string_view, 3> OZEL_SINIFLAR = {"IS_OA", "IS_KIS", "IS_HEADER"};
constexpr std::string_view FIIL_SINIFI = "CL_FIIL";
constexpr std::array<std::string_view, 2> MASTAR_EKLERI = {"MEK", "MAK"};
// Far above any word list the builder is given.
constexpr std::size_t EN_BUYUK_LISTE = std::size_t{256} << 20;

}  // namespace

bool Sozcuk_Listesi::oku(const std::filesystem::path& yol) {
    std::string icerik;
    if (!dosya_oku(yol, EN_BUYUK_LISTE, icerik))
        return false;
    cozumle(icerik);
    return true;
}

void Sozcuk_Listesi::cozumle(std::string_view icerik) {
    std::size_t bas = 0;
    while (bas < icerik.size()) {
        std::size_t son = icerik.find('\n', bas);
        if (son == std::string_view::npos)
            son = icerik.size();
        std::string_view satir = icerik.substr(bas, son - bas);
        bas = son + 1;
        if (!satir.empty() && satir.back() == '\r')
            satir.remove_suffix(1);

        const std::size_t bosluk = satir.find(' ');
        const auto kelime = buyuk_kelime(satir.substr(0, bosluk));
        if (!kelime || bosluk == std::string_view::npos)
            continue;
        std::uint8_t siniflar = 0;
        std::string_view kalan = satir.substr(bosluk + 1);
        while (!kalan.empty()) {
            const std::size_t b = kalan.find(' ');
            const std::string_view sinif = kalan.substr(0, b);
            kalan = b == std::string_view::npos ? std::string_view() : kalan.substr(b + 1);
            if (sinif.empty())
                continue;
            if (sinif == FIIL_SINIFI)
                siniflar |= FIIL;
            bool ozel = false;
            for (const auto o : OZEL_SINIFLAR)
                ozel = ozel || sinif == o;
            if (!ozel)
                siniflar |= ORTAK;
        }
        siniflar_[*kelime] |= siniflar;
    }
}

bool Sozcuk_Listesi::listeler_mi(std::string_view kelime) const {
    if (const auto i = siniflar_.find(std::string(kelime));
        i != siniflar_.end() && (i->second & ORTAK))
        return true;
    for (const auto ek : MASTAR_EKLERI) {
        if (kelime.size() > ek.size() && kelime.ends_with(ek)) {
            const auto i = siniflar_.find(std::string(kelime.substr(0, kelime.size() - ek.size())));
            return i != siniflar_.end() && (i->second & FIIL);
        }
    }
    return false;
}

}  // namespace velzora::sozluk_yapici
