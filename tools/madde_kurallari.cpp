#include "madde_kurallari.h"

#include <algorithm>
#include <array>

#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

constexpr std::u32string_view KUCUK_HARFLER = U"abcçdefgğhıijklmnoöprsştuüvyz";
constexpr std::u32string_view BUYUK_HARFLER = U"ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ";

// Editorial remarks in the WordNet ("NOT: same as ...") are no definitions.
constexpr std::string_view EDITOR_NOTU = "NOT:";

// Some synsets carry the English WordNet's gloss instead of a Turkish one
// ("A city in southern Ohio"). Such a text has no letter peculiar to Turkish
// and English function words; Turkish homographs (at, an, on) are left out.
constexpr std::array<std::string_view, 11> INGILIZCE_KESIN = {
    "the", "of", "and", "which", "who", "with", "from", "that", "by", "is", "for"};
constexpr std::array<std::string_view, 5> INGILIZCE_OLASI = {"a", "in", "to", "or", "as"};

// The stem a clue must not show: the whole of a short word, the first five
// letters of a longer one.
constexpr std::size_t KISA_CEVAP = 3;
constexpr std::size_t KOK_UZUNLUGU = 5;
// p, ç, t, k and what they soften to before a vowel (Windows-1254 capitals).
constexpr std::string_view SERT_UNSUZLER = "P\xC7TK";
constexpr std::string_view YUMUSAK_UNSUZLER = "BCD\xD0";

char32_t sapkasiz(char32_t k) {
    switch (k) {
        case U'â':
            return U'a';
        case U'Â':
            return U'A';
        case U'î':
        case U'Î':
            return U'i';
        case U'û':
            return U'u';
        case U'Û':
            return U'U';
        default:
            return k;
    }
}

bool bosluk_mu(char32_t k) {
    return k == U' ' || k < 0x20 || (k >= 0x7F && k <= 0xA0) || k == 0x2028 || k == 0x2029;
}

// A letter's comparison form: Turkish capitals for Turkish letters, the plain
// capital for other letters (é, q...), 0 for everything else.
char karsilastirma_harfi(unsigned char bayt) {
    const char32_t k = cp1254_unicode(bayt);
    if (const auto h = turkce_buyuk_harf(k))
        return *h;
    const Yazim y = yazilan_harf(sapkasiz(k));
    return y.tur == Yazim::Tur::Harf ? y.harf : 0;
}

// `s` is Windows-1254.
bool ingilizce_mi(std::string_view s) {
    constexpr std::string_view TURKCEYE_OZGU =
        "\xE7\xC7\xF0\xD0\xFD\xDD\xF6\xD6\xFE\xDE\xFC\xDC"
        "\xE2\xC2\xEE\xCE\xFB\xDB";
    if (s.find_first_of(TURKCEYE_OZGU) != std::string_view::npos)
        return false;
    auto harf_mi = [](unsigned char b) {
        return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0xC0;
    };
    int kesin = 0;
    int olasi = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (!harf_mi(static_cast<unsigned char>(s[i]))) {
            ++i;
            continue;
        }
        std::string kelime;
        for (; i < s.size() && harf_mi(static_cast<unsigned char>(s[i])); ++i) {
            const char c = s[i];
            kelime.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
        kesin += std::count(INGILIZCE_KESIN.begin(), INGILIZCE_KESIN.end(), kelime) > 0;
        olasi += std::count(INGILIZCE_OLASI.begin(), INGILIZCE_OLASI.end(), kelime) > 0;
    }
    return kesin >= 1 || olasi >= 2;
}

}  // namespace

std::optional<char> turkce_buyuk_harf(char32_t karakter) {
    const char32_t k = sapkasiz(karakter);
    std::size_t sira = KUCUK_HARFLER.find(k);
    if (sira == std::u32string_view::npos)
        sira = BUYUK_HARFLER.find(k);
    if (sira == std::u32string_view::npos)
        return std::nullopt;
    return static_cast<char>(*unicode_cp1254(BUYUK_HARFLER[sira]));
}

std::optional<std::string> buyuk_kelime(std::string_view utf8) {
    std::string sonuc;
    std::size_t konum = 0;
    while (konum < utf8.size()) {
        const auto harf = turkce_buyuk_harf(utf8_karakter_al(utf8, konum));
        if (!harf)
            return std::nullopt;
        sonuc.push_back(*harf);
    }
    if (sonuc.empty())
        return std::nullopt;
    return sonuc;
}

std::optional<std::string> kelime_bicimle(std::string_view literal_utf8) {
    auto kelime = buyuk_kelime(literal_utf8);
    if (!kelime || kelime->size() < EN_KISA_KELIME || kelime->size() > EN_UZUN_KELIME)
        return std::nullopt;
    return kelime;
}

std::optional<std::string> metin_temizle(std::string_view utf8) {
    std::string s;
    std::size_t konum = 0;
    while (konum < utf8.size()) {
        const char32_t k = utf8_karakter_al(utf8, konum);
        if (bosluk_mu(k)) {
            if (!s.empty() && s.back() != ' ')
                s.push_back(' ');
            continue;
        }
        const auto bayt = unicode_cp1254(k);
        if (!bayt)
            return std::nullopt;
        s.push_back(static_cast<char>(*bayt));
    }
    if (!s.empty() && s.back() == ' ')
        s.pop_back();
    if (s.empty() || s.starts_with(EDITOR_NOTU) || ingilizce_mi(s))
        return std::nullopt;
    return s;
}

std::string karsilastirma_bicimi(std::string_view metin) {
    std::string sonuc;
    for (const char c : metin) {
        if (const char h = karsilastirma_harfi(static_cast<unsigned char>(c))) {
            sonuc.push_back(h);
        } else if (!sonuc.empty() && sonuc.back() != ' ') {
            sonuc.push_back(' ');
        }
    }
    if (!sonuc.empty() && sonuc.back() == ' ')
        sonuc.pop_back();
    return sonuc;
}

bool cevabi_veriyor(std::string_view metin, std::string_view kelime) {
    if (kelime.empty())
        return false;
    const bool butun_kelime = kelime.size() <= KISA_CEVAP;
    const std::string_view kok = kelime.substr(0, KOK_UZUNLUGU);
    // A suffix softens the stem's last consonant: BALIK in "balığı", KİTAP in
    // "kitabı".
    std::string yumusak(kok);
    if (const std::size_t i = SERT_UNSUZLER.find(yumusak.back()); i != std::string_view::npos)
        yumusak.back() = YUMUSAK_UNSUZLER[i];
    const std::string kelimeler = karsilastirma_bicimi(metin);
    for (std::size_t bas = 0; bas < kelimeler.size();) {
        std::size_t son = kelimeler.find(' ', bas);
        if (son == std::string::npos)
            son = kelimeler.size();
        const std::string_view k = std::string_view(kelimeler).substr(bas, son - bas);
        if (butun_kelime ? k == kelime : k.starts_with(kok) || k.starts_with(yumusak))
            return true;
        bas = son + 1;
    }
    return false;
}

std::string buyuk_harfle_baslat(std::string metin) {
    if (metin.empty())
        return metin;
    if (const auto h = turkce_buyuk_harf(cp1254_unicode(static_cast<unsigned char>(metin[0]))))
        metin[0] = *h;
    return metin;
}

}  // namespace velzora::sozluk_yapici
