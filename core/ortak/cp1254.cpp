#include "ortak/cp1254.h"

#include <array>
#include <cstdint>

namespace velzora {
namespace {

// Code points of bytes 0x80..0xFF; the low half is ASCII.
constexpr std::array<char16_t, 128> UST_YARI = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD,  //
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178,  //
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  //
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  //
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  //
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  //
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  //
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,  //
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  //
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  //
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  //
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,  //
};

// Capitals within Windows-1254; 0 where a byte is not a small letter or its
// capital lies outside the code page (µ, ƒ). ß has no single-letter capital.
constexpr std::array<unsigned char, 256> buyuk_harf_tablosu() {
    std::array<unsigned char, 256> t{};
    for (int b = 'a'; b <= 'z'; ++b)
        t[b] = static_cast<unsigned char>(b - 'a' + 'A');
    t['i'] = 0xDD;   // i -> İ
    t[0xFD] = 'I';   // ı -> I
    t[0x9A] = 0x8A;  // š -> Š
    t[0x9C] = 0x8C;  // œ -> Œ
    t[0xFF] = 0x9F;  // ÿ -> Ÿ
    for (int b = 0xE0; b <= 0xFE; ++b) {
        if (b != 0xF7 && b != 0xFD)
            t[b] = static_cast<unsigned char>(b - 0x20);
    }
    return t;
}
constexpr auto BUYUK_HARF = buyuk_harf_tablosu();

constexpr bool buyuk_harf_mi(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || b == 0x8A || b == 0x8C || b == 0x9F ||
           (b >= 0xC0 && b <= 0xDE && b != 0xD7);
}

// Small letters whose capital Windows-1254 cannot hold: typing them is refused
// rather than writing some other letter.
constexpr bool buyugu_yazilamaz(unsigned char b) {
    return b == 0xB5 || b == 0x83;
}

}  // namespace

char32_t cp1254_unicode(unsigned char bayt) {
    return bayt < 0x80 ? char32_t{bayt} : char32_t{UST_YARI[bayt - 0x80]};
}

std::optional<unsigned char> unicode_cp1254(char32_t karakter) {
    if (karakter < 0x80)
        return static_cast<unsigned char>(karakter);
    if (karakter == YEDEK_KARAKTER)
        return std::nullopt;
    for (std::size_t i = 0; i < UST_YARI.size(); ++i) {
        if (UST_YARI[i] == karakter)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void utf8_ekle(std::string& hedef, char32_t k) {
    if (k < 0x80) {
        hedef.push_back(static_cast<char>(k));
    } else if (k < 0x800) {
        hedef.push_back(static_cast<char>(0xC0 | (k >> 6)));
        hedef.push_back(static_cast<char>(0x80 | (k & 0x3F)));
    } else if (k < 0x10000) {
        hedef.push_back(static_cast<char>(0xE0 | (k >> 12)));
        hedef.push_back(static_cast<char>(0x80 | ((k >> 6) & 0x3F)));
        hedef.push_back(static_cast<char>(0x80 | (k & 0x3F)));
    } else {
        hedef.push_back(static_cast<char>(0xF0 | (k >> 18)));
        hedef.push_back(static_cast<char>(0x80 | ((k >> 12) & 0x3F)));
        hedef.push_back(static_cast<char>(0x80 | ((k >> 6) & 0x3F)));
        hedef.push_back(static_cast<char>(0x80 | (k & 0x3F)));
    }
}

std::string cp1254_utf8(std::string_view metin) {
    std::string sonuc;
    sonuc.reserve(metin.size() + metin.size() / 4);
    for (char c : metin)
        utf8_ekle(sonuc, cp1254_unicode(static_cast<unsigned char>(c)));
    return sonuc;
}

char32_t utf8_karakter_al(std::string_view m, std::size_t& konum) {
    const auto b0 = static_cast<unsigned char>(m[konum]);
    int devam = 0;
    char32_t k = 0;
    char32_t en_kucuk = 0;
    if (b0 < 0x80) {
        ++konum;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        devam = 1, k = b0 & 0x1F, en_kucuk = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        devam = 2, k = b0 & 0x0F, en_kucuk = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        devam = 3, k = b0 & 0x07, en_kucuk = 0x10000;
    } else {
        ++konum;
        return YEDEK_KARAKTER;
    }
    if (konum + devam >= m.size()) {
        ++konum;
        return YEDEK_KARAKTER;
    }
    for (int i = 1; i <= devam; ++i) {
        const auto b = static_cast<unsigned char>(m[konum + i]);
        if ((b & 0xC0) != 0x80) {
            ++konum;
            return YEDEK_KARAKTER;
        }
        k = (k << 6) | (b & 0x3F);
    }
    if (k < en_kucuk || k > 0x10FFFF || (k >= 0xD800 && k <= 0xDFFF)) {
        ++konum;
        return YEDEK_KARAKTER;
    }
    konum += devam + 1;
    return k;
}

std::optional<std::string> utf8_cp1254(std::string_view metin, Donusum_Hatasi* hata) {
    std::string sonuc;
    sonuc.reserve(metin.size());
    std::size_t konum = 0;
    while (konum < metin.size()) {
        const std::size_t bas = konum;
        const char32_t k = utf8_karakter_al(metin, konum);
        const auto bayt = unicode_cp1254(k);
        if (!bayt) {
            if (hata)
                *hata = {bas, k};
            return std::nullopt;
        }
        sonuc.push_back(static_cast<char>(*bayt));
    }
    return sonuc;
}

Yazim yazilan_harf(char32_t basilan) {
    const auto bayt = unicode_cp1254(basilan);
    if (!bayt)
        return {Yazim::Tur::Yazilamaz, 0};
    const unsigned char b = *bayt;
    if (buyugu_yazilamaz(b))
        return {Yazim::Tur::Yazilamaz, 0};
    if (BUYUK_HARF[b] != 0)
        return {Yazim::Tur::Harf, static_cast<char>(BUYUK_HARF[b])};
    if (buyuk_harf_mi(b))
        return {Yazim::Tur::Harf, static_cast<char>(b)};
    return {Yazim::Tur::Bos, 0};
}

}  // namespace velzora
