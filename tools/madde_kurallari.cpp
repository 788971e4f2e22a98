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

// Words that cannot end a clue that was cut short: they leave it hanging.
constexpr std::array<std::string_view, 14> ASILI_KELIMELER = {
    "ve",    "veya", "ile", "ya",  "yahut", "ama", "fakat",
    "ancak", "hem",  "ne",  "bir", "da",    "de",  "ki"};

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

// A clue letter's comparison form: Turkish capitals for Turkish letters, the
// plain capital for other letters (é, q...), 0 for everything else.
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

void sondaki_bosluklari_at(std::string& s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
}

// Drops what a cut leaves dangling at the end: punctuation, a connective, an
// opening parenthesis or quotation mark that lost its partner.
void sonu_toparla(std::string& s) {
    for (bool degisti = true; degisti;) {
        degisti = false;
        sondaki_bosluklari_at(s);
        while (!s.empty() && std::string_view(",;-(").find(s.back()) != std::string_view::npos) {
            s.pop_back();
            degisti = true;
        }
        sondaki_bosluklari_at(s);
        const std::size_t bosluk = s.rfind(' ');
        const std::string_view son = bosluk == std::string::npos
                                         ? std::string_view(s)
                                         : std::string_view(s).substr(bosluk + 1);
        if (std::find(ASILI_KELIMELER.begin(), ASILI_KELIMELER.end(), son) !=
            ASILI_KELIMELER.end()) {
            s.resize(bosluk == std::string::npos ? 0 : bosluk);
            degisti = true;
        }
        const auto acik = std::count(s.begin(), s.end(), '(');
        const auto kapali = std::count(s.begin(), s.end(), ')');
        if (acik > kapali) {
            s.resize(s.rfind('('));
            degisti = true;
        }
        if (std::count(s.begin(), s.end(), '"') % 2 != 0) {
            s.resize(s.rfind('"'));
            degisti = true;
        }
    }
}

// The longest head of `s` of at most EN_UZUN_IPUCU characters that ends at a
// comma or semicolon, or failing that at a blank.
std::optional<std::string> kisalt(const std::string& s) {
    std::size_t yan_cumle = 0;
    for (std::size_t i = EN_KISA_YAN_CUMLE; i <= EN_UZUN_IPUCU && i < s.size(); ++i) {
        if ((s[i] == ',' || s[i] == ';') && (i + 1 == s.size() || s[i + 1] == ' '))
            yan_cumle = i;
    }
    if (yan_cumle > 0)
        return s.substr(0, yan_cumle);
    const std::size_t bosluk = s.rfind(' ', EN_UZUN_IPUCU);
    if (bosluk == std::string::npos || bosluk == 0)
        return std::nullopt;
    return s.substr(0, bosluk);
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

bool cevabi_iceriyor(std::string_view metin, std::string_view kelime) {
    if (kelime.empty())
        return false;
    std::size_t eslesen = 0;  // letters of `kelime` matched by the current word so far
    bool kelime_basi = true;
    for (const char c : metin) {
        const char h = karsilastirma_harfi(static_cast<unsigned char>(c));
        if (h == 0) {
            kelime_basi = true;
            eslesen = 0;
            continue;
        }
        if (kelime_basi || eslesen > 0) {
            eslesen = (h == kelime[eslesen]) ? eslesen + 1 : 0;
            if (eslesen == kelime.size())
                return true;
        }
        kelime_basi = false;
    }
    return false;
}

std::optional<std::string> ipucu_bicimle(std::string_view tanim_utf8, std::string_view kelime) {
    std::string s;
    std::size_t konum = 0;
    while (konum < tanim_utf8.size()) {
        const char32_t k = utf8_karakter_al(tanim_utf8, konum);
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
    sondaki_bosluklari_at(s);
    if (s.starts_with(EDITOR_NOTU) || ingilizce_mi(s))
        return std::nullopt;

    bool kesildi = false;
    // What follows a colon is an example or a list; a colon in a clue would
    // also move the dictionary's separator.
    if (const std::size_t iki_nokta = s.find(':'); iki_nokta != std::string::npos) {
        s.resize(iki_nokta);
        kesildi = true;
    }
    if (s.size() > EN_UZUN_IPUCU) {
        auto kisa = kisalt(s);
        if (!kisa)
            return std::nullopt;
        s = std::move(*kisa);
        kesildi = true;
    }
    if (kesildi)
        sonu_toparla(s);
    if (s.empty() || cevabi_iceriyor(s, kelime))
        return std::nullopt;
    return s;
}

}  // namespace velzora::sozluk_yapici
