#include "geleneksel_ipucu.h"

#include <algorithm>
#include <array>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

constexpr std::array<std::string_view, 19> TAKSON_BASAMAKLARI = {
    "familyası",     "takımı",       "cinsi",     "sınıfı",    "ailesi",
    "alttakımı",     "alt takımı",   "genusu",    "altsınıfı", "alt sınıfı",
    "filumu",        "şubesi",       "alemi",     "altalemi",  "altfamilyası",
    "alt familyası", "üstfamilyası", "üstsınıfı", "üsttakımı"};
constexpr std::array<std::string_view, 7> TAKSON_EKLERI = {"idae",   "aceae", "formes", "phyta",
                                                           "opsida", "oidea", "inae"};

// A chemical element's definition opens with its atomic number or weight.
constexpr std::array<std::string_view, 3> ELEMENT_TANIMI = {"Atom numarası", "Atom sayısı",
                                                            "Atom ağırlığı"};
constexpr std::size_t EN_UZUN_SIMGE = 2;
constexpr std::string_view ROMEN_RAKAMLARI = "IVXLCDM";

constexpr std::string_view KISALTMA = " (kısaltma)";
constexpr std::string_view SIMGE = " simgesi";
constexpr std::string_view ROMEN = "Romen rakamıyla ";
constexpr std::string_view ILCE_TANIMI = " iline bağlı ilçelerden biri";
constexpr std::string_view ILCE = " ilçesi";
constexpr std::string_view IL_TANIMI_BASI = "Türkiye'nin ";
constexpr std::string_view IL_TANIMI_SONU = " Bölgesi'nde yer alan illerinden biri";
constexpr std::string_view IL = " Bölgesi'nde bir il";

bool kucuk_harf_mi(char32_t k) {
    const auto h = turkce_buyuk_harf(k);
    return (k >= U'a' && k <= U'z') || (h && cp1254_unicode(static_cast<unsigned char>(*h)) != k);
}
bool buyuk_harf_mi(char32_t k) {
    return (k >= U'A' && k <= U'Z') || (turkce_buyuk_harf(k) && !kucuk_harf_mi(k));
}

std::u32string karakterler(std::string_view utf8) {
    std::u32string s;
    for (std::size_t konum = 0; konum < utf8.size();)
        s.push_back(utf8_karakter_al(utf8, konum));
    return s;
}

bool hepsi_buyuk(std::string_view utf8) {
    const auto k = karakterler(utf8);
    return k.size() >= 2 && std::all_of(k.begin(), k.end(), buyuk_harf_mi);
}

// kg, cm, ml: lower-case letters without a vowel.
bool unlusuz_kisaltma_mi(std::string_view utf8) {
    const auto k = karakterler(utf8);
    return k.size() >= 2 && std::all_of(k.begin(), k.end(), [](char32_t c) {
               return kucuk_harf_mi(c) &&
                      std::u32string_view(U"aeıioöuüâîû").find(c) == std::u32string_view::npos;
           });
}

// The full form's letters hold the abbreviation's, in order, from its first:
// GSMH in "gayrisafi milli hasıla", KG in "kilogram".
bool acilimi_mi(std::string_view acilim_utf8, const std::string& kisaltma) {
    const auto a = utf8_cp1254(acilim_utf8);
    if (!a)
        return false;
    const std::string harfler = karsilastirma_bicimi(*a);
    if (harfler.empty() || harfler[0] != kisaltma[0] || cevabi_veriyor(*a, kisaltma))
        return false;
    std::size_t i = 0;
    for (const char c : harfler)
        i += i < kisaltma.size() && c == kisaltma[i];
    return i == kisaltma.size();
}

std::optional<std::string> cp1254(std::string_view utf8) {
    return utf8_cp1254(utf8);
}

std::optional<std::string> kisaltma_ipucu(const Anlam_Kumesi& kume, std::string_view yazilis,
                                          std::string_view tanim) {
    const auto kisaltma = utf8_cp1254(yazilis);
    if (!kisaltma)
        return std::nullopt;
    const std::string harfler = karsilastirma_bicimi(*kisaltma);
    std::vector<std::string_view> adaylar;
    for (const auto& s : kume.sozcukler) {
        if (s.metin.size() > yazilis.size() + 1 && !hepsi_buyuk(s.metin))
            adaylar.push_back(s.metin);
    }
    // "(Adalet ve Kalkınma Partisi) 2001 yılında kurulan ..."
    if (tanim.starts_with('(') && tanim.find(')') != std::string_view::npos)
        adaylar.push_back(tanim.substr(1, tanim.find(')') - 1));
    for (const auto a : adaylar) {
        if (acilimi_mi(a, harfler)) {
            if (auto metin = cp1254(a))
                return buyuk_harfle_baslat(std::move(*metin)) + *cp1254(KISALTMA);
        }
    }
    return std::nullopt;
}

}  // namespace

bool kisaltma_yazilisi_mi(std::string_view yazilis) {
    const auto k = karakterler(yazilis);
    return hepsi_buyuk(yazilis) || unlusuz_kisaltma_mi(yazilis) ||
           (k.size() <= EN_UZUN_SIMGE && !k.empty() && buyuk_harf_mi(k[0]));
}

bool latince_ad_mi(const Anlam_Kumesi& kume, std::string_view yazilis) {
    if (yazilis.size() < 2 || yazilis[0] < 'A' || yazilis[0] > 'Z' ||
        !std::all_of(yazilis.begin() + 1, yazilis.end(),
                     [](char c) { return c >= 'a' && c <= 'z'; }))
        return false;
    for (const auto e : TAKSON_EKLERI) {
        if (yazilis.ends_with(e))
            return true;
    }
    return std::any_of(kume.sozcukler.begin(), kume.sozcukler.end(), [&](const auto& s) {
        const std::string_view m = s.metin;
        return m.size() > yazilis.size() + 1 && m.starts_with(yazilis) &&
               m[yazilis.size()] == ' ' &&
               std::find(TAKSON_BASAMAKLARI.begin(), TAKSON_BASAMAKLARI.end(),
                         m.substr(yazilis.size() + 1)) != TAKSON_BASAMAKLARI.end();
    });
}

std::optional<std::string> geleneksel_ipucu(const Anlam_Kumesi& kume, std::string_view yazilis) {
    std::string tanim = kume.tanim;
    for (std::size_t i; (i = tanim.find("’")) != std::string::npos;)
        tanim.replace(i, std::string_view("’").size(), "'");
    const std::string_view t = tanim;

    const bool element = std::any_of(ELEMENT_TANIMI.begin(), ELEMENT_TANIMI.end(),
                                     [&](std::string_view e) { return t.starts_with(e); });
    if (element && karakterler(yazilis).size() <= EN_UZUN_SIMGE) {
        for (const auto& s : kume.sozcukler) {
            if (s.metin.size() > yazilis.size() + 1 && !hepsi_buyuk(s.metin)) {
                if (auto ad = cp1254(s.metin))
                    return buyuk_harfle_baslat(std::move(*ad)) + *cp1254(SIMGE);
            }
        }
        return std::nullopt;
    }
    if (hepsi_buyuk(yazilis) &&
        yazilis.find_first_not_of(ROMEN_RAKAMLARI) == std::string_view::npos) {
        for (const auto& s : kume.sozcukler) {
            const auto k = karakterler(s.metin);
            if (!k.empty() && std::all_of(k.begin(), k.end(), [](char32_t c) {
                    return c == U' ' || kucuk_harf_mi(c);
                })) {
                if (auto sayi = cp1254(s.metin))
                    return *cp1254(ROMEN) + *sayi;
            }
        }
        return std::nullopt;
    }
    if (hepsi_buyuk(yazilis) || unlusuz_kisaltma_mi(yazilis))
        return kisaltma_ipucu(kume, yazilis, t);
    if (t.ends_with(ILCE_TANIMI) && t.size() > ILCE_TANIMI.size())
        return cp1254(std::string(t.substr(0, t.size() - ILCE_TANIMI.size())) + std::string(ILCE));
    if (t.starts_with(IL_TANIMI_BASI)) {
        const std::size_t son = t.find(IL_TANIMI_SONU);
        if (son != std::string_view::npos && son > IL_TANIMI_BASI.size())
            return cp1254(
                std::string(t.substr(IL_TANIMI_BASI.size(), son - IL_TANIMI_BASI.size())) +
                std::string(IL));
    }
    return std::nullopt;
}

}  // namespace velzora::sozluk_yapici
