#include "turkce_sozcuk.h"

#include <hunspell.hxx>

#include <fstream>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

// Letters that English and Latin never write.
constexpr std::u32string_view TURKCEYE_OZGU = U"çÇğĞıİöÖşŞüÜ";
constexpr std::u32string_view TURKCEDE_YOK = U"qwxQWX";

bool okunur_mu(const std::filesystem::path& yol) {
    return std::ifstream(yol).good();
}

// The speller's dictionary writes "hayat", not "hayât".
std::string sapkasiz(std::string_view sozcuk) {
    std::string s;
    for (std::size_t konum = 0; konum < sozcuk.size();) {
        char32_t k = utf8_karakter_al(sozcuk, konum);
        switch (k) {
            case U'â':
                k = U'a';
                break;
            case U'Â':
                k = U'A';
                break;
            case U'î':
                k = U'i';
                break;
            case U'Î':
                k = U'İ';
                break;
            case U'û':
                k = U'u';
                break;
            case U'Û':
                k = U'U';
                break;
            default:
                break;
        }
        utf8_ekle(s, k);
    }
    return s;
}

}  // namespace

Turkce_Sozcuk::Turkce_Sozcuk(const std::vector<Sozcuk_Listesi>& baskilar) : baskilar_(baskilar) {}

Turkce_Sozcuk::~Turkce_Sozcuk() = default;

bool Turkce_Sozcuk::yazim_sozlugu_ac(const std::filesystem::path& dic) {
    auto aff = dic;
    aff.replace_extension(".aff");
    if (!okunur_mu(dic) || !okunur_mu(aff))
        return false;
    yazim_ = std::make_unique<Hunspell>(aff.string().c_str(), dic.string().c_str());
    yanitlar_.clear();
    return true;
}

bool Turkce_Sozcuk::sozcuk_mu(std::string_view sozcuk) const {
    bool ozgu = false;
    for (std::size_t konum = 0; konum < sozcuk.size();) {
        const char32_t k = utf8_karakter_al(sozcuk, konum);
        if (TURKCEDE_YOK.find(k) != std::u32string_view::npos)
            return false;
        ozgu = ozgu || TURKCEYE_OZGU.find(k) != std::u32string_view::npos;
    }
    if (ozgu || (yazim_ && yazim_->spell(sapkasiz(sozcuk))))
        return true;
    const bool kucuk = !sozcuk.empty() && sozcuk[0] >= 'a' && sozcuk[0] <= 'z';
    const auto kelime = buyuk_kelime(sozcuk);
    if (!kucuk || !kelime)
        return false;
    for (const auto& b : baskilar_) {
        if (b.listeler_mi(*kelime))
            return true;
    }
    return false;
}

bool Turkce_Sozcuk::sakli_sozcuk_mu(const std::string& sozcuk) const {
    auto [yer, yeni] = yanitlar_.try_emplace(sozcuk, false);
    if (yeni)
        yer->second = sozcuk_mu(sozcuk);
    return yer->second;
}

bool Turkce_Sozcuk::operator()(std::string_view literal) const {
    bool sozcuk_var = false;
    for (std::size_t bas = 0; bas < literal.size();) {
        std::size_t son = literal.find(' ', bas);
        if (son == std::string_view::npos)
            son = literal.size();
        const std::string sozcuk(literal.substr(bas, son - bas));
        bas = son + 1;
        if (sozcuk.empty())
            continue;
        sozcuk_var = true;
        if (!sakli_sozcuk_mu(sozcuk))
            return false;
    }
    return sozcuk_var;
}

bool Turkce_Sozcuk::metin_mi(std::string_view metin) const {
    // Words are runs of letters; bytes of UTF-8 sequences count as letters.
    const auto harf_mi = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    std::size_t sozcuk = 0;
    std::size_t turkce = 0;
    for (std::size_t i = 0; i < metin.size();) {
        if (!harf_mi(metin[i])) {
            ++i;
            continue;
        }
        const std::size_t bas = i;
        while (i < metin.size() && harf_mi(metin[i]))
            ++i;
        const std::string s(metin.substr(bas, i - bas));
        for (std::size_t konum = 0; konum < s.size();) {
            if (TURKCEYE_OZGU.find(utf8_karakter_al(s, konum)) != std::u32string_view::npos)
                return true;
        }
        ++sozcuk;
        turkce += sakli_sozcuk_mu(s);
    }
    return sozcuk <= 1 || 2 * turkce >= sozcuk;
}

}  // namespace velzora::sozluk_yapici
