// Reading an ipuz crossword into a puzzle. A file this program wrote brings
// its slot table and fill order under the extension key; from any other
// file the slots are the runs its clues name, by their cells or, lacking
// those, by the numbered cell they start at, in the slot table's order.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

#include <nlohmann/json.hpp>

#include "bulmaca/bulmaca_dosyasi.h"
#include "bulmaca/ipuz_alanlari.h"
#include "ortak/cp1254.h"
#include "ortak/dosya_islemleri.h"

namespace velzora {

namespace {

using Json = nlohmann::ordered_json;
using Hata = Bulmaca_Hatasi;

// Deeper than any puzzle file nests, shallow enough for any reader.
constexpr int EN_DERIN = 64;
// More slots than a 50 x 50 grid has.
constexpr std::size_t EN_COK_YER = 2 * EN_COK_EBAT * (EN_COK_EBAT / 2 + 1);

// Fields of the file that are not kept for writing back: those the program
// writes itself, and those that name cells of the grid as it was.
constexpr std::array<std::string_view, 12> KULLANILAN_ALANLAR{
    "version", "kind",     "origin", "dimensions", "block", "empty",
    "puzzle",  "solution", "clues",  "saved",      "zones", ipuz::UZANTI};

struct Reddedildi {
    Hata hata;
};

[[noreturn]] void reddet(Hata hata) {
    throw Reddedildi{hata};
}

const Json* alan(const Json& nesne, std::string_view ad) {
    if (!nesne.is_object())
        return nullptr;
    const auto it = nesne.find(std::string(ad));
    return it == nesne.end() ? nullptr : &*it;
}

std::optional<long long> tam_sayi(const Json& j) {
    if (j.is_number_unsigned()) {
        const auto u = j.get<std::uint64_t>();
        return u > static_cast<std::uint64_t>(LLONG_MAX) ? std::nullopt
                                                         : std::optional<long long>(u);
    }
    if (j.is_number_integer())
        return j.get<std::int64_t>();
    return std::nullopt;
}

int sayi(const Json* j, long long en_az, long long en_cok, Hata hata) {
    const auto s = j ? tam_sayi(*j) : std::nullopt;
    if (!s || *s < en_az || *s > en_cok)
        reddet(hata);
    return static_cast<int>(*s);
}

// An array of at most `en_cok` elements; a missing one is empty.
const Json& dizi(const Json* j, std::size_t en_cok, Hata hata) {
    static const Json bos = Json::array();
    if (j == nullptr)
        return bos;
    if (!j->is_array() || j->size() > en_cok)
        reddet(hata);
    return *j;
}

// A string or whole number as the text it stands for: cell values meet
// "block" and "empty" that way, so 0 and "0" are alike.
std::optional<std::string> duz_metin(const Json& j) {
    if (j.is_string())
        return j.get<std::string>();
    if (const auto s = tam_sayi(j))
        return std::to_string(*s);
    return std::nullopt;
}

bool isaret_mi(const Json& j, const std::string& isaret) {
    const auto m = duz_metin(j);
    return m && *m == isaret;
}

// U+FFFD, which stands in for the bytes Windows-1254 leaves undefined when
// the program writes text out, reads back as "?".
std::optional<std::string> cp1254_e(std::string_view utf8) {
    std::string metin;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t k = utf8_karakter_al(utf8, i);
        const auto bayt =
            k == YEDEK_KARAKTER ? std::optional<unsigned char>('?') : unicode_cp1254(k);
        if (!bayt)
            return std::nullopt;
        metin += static_cast<char>(*bayt);
    }
    return metin;
}

std::string cp1254_metin(const Json* j, Hata tur_hatasi) {
    if (!j || j->is_null())
        return {};
    if (!j->is_string())
        reddet(tur_hatasi);
    const auto metin = cp1254_e(j->get<std::string>());
    if (!metin)
        reddet(Hata::Metin_Yazilamaz);
    return *metin;
}

char tek_harf(const Json& j, Hata hata) {
    const auto metin = j.is_string() ? cp1254_e(j.get<std::string>()) : std::nullopt;
    if (!metin || metin->size() != 1)
        reddet(hata);
    return metin->front();
}

// A cell's letter; an empty or blank text is none.
std::optional<char> harf(const Json& j) {
    if (j.is_string() && j.get<std::string>().find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    return tek_harf(j, Hata::Harf_Yazilamaz);
}

struct Izgara_Okumasi {
    std::string blok{ipuz::BLOK};
    std::string bos{ipuz::BOS};
    std::vector<std::string> etiketler;  // what each cell shows, row by row
};

// [column, row] from 1 as (row, column).
std::pair<int, int> konum(const Json& j, const Bulmaca& b, Hata bicim, Hata disarida,
                          std::size_t boy = 2) {
    if (!j.is_array() || j.size() != boy)
        reddet(bicim);
    const auto x = tam_sayi(j[0]);
    const auto y = tam_sayi(j[1]);
    if (!x || !y)
        reddet(bicim);
    if (*y < 1 || *y > b.Satir_Sayisi || *x < 1 || *x > b.Sutun_Sayisi)
        reddet(disarida);
    return {static_cast<int>(*y), static_cast<int>(*x)};
}

void izgara_oku(const Json& kok, Bulmaca& b, Izgara_Okumasi& o) {
    const Json* puzzle = alan(kok, "puzzle");
    if (!puzzle || !puzzle->is_array() ||
        puzzle->size() != static_cast<std::size_t>(b.Satir_Sayisi))
        reddet(Hata::Izgara_Bozuk);
    for (const Json& satir : *puzzle) {
        if (!satir.is_array() || satir.size() != static_cast<std::size_t>(b.Sutun_Sayisi))
            reddet(Hata::Izgara_Bozuk);
        for (const Json& hucre : satir) {
            const Json* deger = &hucre;
            std::optional<char> verilen_harf;
            if (hucre.is_object()) {
                if (const Json* v = alan(hucre, "value"))
                    verilen_harf = harf(*v);
                deger = alan(hucre, "cell");
            }
            Bulmaca_Hucresi h;
            std::string etiket;
            // A cell left out of the puzzle ("null") is drawn as a black square.
            if (deger != nullptr && (deger->is_null() || isaret_mi(*deger, o.blok))) {
                h.siyah = true;
            } else if (deger != nullptr && !isaret_mi(*deger, o.bos)) {
                const auto m = duz_metin(*deger);
                if (!m)
                    reddet(Hata::Izgara_Bozuk);
                etiket = *m;
            }
            if (verilen_harf && !h.siyah) {
                h.dolu = true;
                h.harf = *verilen_harf;
            }
            b.hucreler.push_back(h);
            o.etiketler.push_back(std::move(etiket));
        }
    }

    const Json* solution = alan(kok, "solution");
    if (!solution)
        return;
    if (!solution->is_array() || solution->size() != static_cast<std::size_t>(b.Satir_Sayisi))
        reddet(Hata::Cozum_Uyusmuyor);
    for (int r = 1; r <= b.Satir_Sayisi; ++r) {
        const Json& satir = (*solution)[static_cast<std::size_t>(r - 1)];
        if (!satir.is_array() || satir.size() != static_cast<std::size_t>(b.Sutun_Sayisi))
            reddet(Hata::Cozum_Uyusmuyor);
        for (int c = 1; c <= b.Sutun_Sayisi; ++c) {
            const Json* v = &satir[static_cast<std::size_t>(c - 1)];
            if (v->is_object())
                v = alan(*v, "value");
            Bulmaca_Hucresi& h = b.hucre(r, c);
            if (v == nullptr || v->is_null())
                continue;
            if (isaret_mi(*v, o.blok)) {
                if (!h.siyah)
                    reddet(Hata::Cozum_Uyusmuyor);
            } else if (isaret_mi(*v, o.bos)) {
                if (h.siyah)
                    reddet(Hata::Cozum_Uyusmuyor);
            } else if (const auto k = harf(*v)) {
                if (h.siyah || (h.dolu && h.harf != *k))
                    reddet(Hata::Cozum_Uyusmuyor);
                h.dolu = true;
                h.harf = *k;
            }
        }
    }
}

Kelime_Yeri yer_oku(const Json& j, const Bulmaca& b) {
    constexpr Hata H = Hata::Uzanti_Bozuk;
    const Json* yon = alan(j, "yon");
    Kelime_Yeri y;
    if (yon && *yon == "S")
        y.Yon = Yon_Turu::Soldan;
    else if (yon && *yon == "Y")
        y.Yon = Yon_Turu::Yukaridan;
    else
        reddet(H);
    y.Satir = sayi(alan(j, "satir"), 1, b.Satir_Sayisi, H);
    y.Sutun = sayi(alan(j, "sutun"), 1, b.Sutun_Sayisi, H);
    y.Uzunluk = sayi(alan(j, "uzunluk"), 2, EN_COK_EBAT, H);
    if (y.satir_k(y.Uzunluk) > b.Satir_Sayisi || y.sutun_k(y.Uzunluk) > b.Sutun_Sayisi)
        reddet(H);
    return y;
}

// The program's own fields: the slot table, the fill order, which letters
// the solver placed and the letters under black squares.
bool uzanti_oku(const Json& kok, Bulmaca& b) {
    const Json* u = alan(kok, ipuz::UZANTI);
    if (u == nullptr)
        return false;
    constexpr Hata H = Hata::Uzanti_Bozuk;
    if (!u->is_object())
        reddet(H);
    Dolgu& d = b.dolgu;
    d.Yerler.assign(1, Kelime_Yeri{});
    for (const Json& y : dizi(alan(*u, "yerler"), EN_COK_YER, H))
        d.Yerler.push_back(yer_oku(y, b));
    auto sirali = d.Yerler;
    std::sort(sirali.begin(), sirali.end(), [](const auto& a, const auto& z) {
        return std::tuple(a.Yon, a.Satir, a.Sutun, a.Uzunluk) <
               std::tuple(z.Yon, z.Satir, z.Sutun, z.Uzunluk);
    });
    if (std::adjacent_find(sirali.begin(), sirali.end()) != sirali.end())
        reddet(H);
    const int n = d.Yer_Sayisi();
    d.Sira.assign(1, 0);
    for (const Json& s : dizi(alan(*u, "sira"), static_cast<std::size_t>(n), H))
        d.Sira.push_back(sayi(&s, 0, n, H));

    // Letters the solution could not show: under black squares, and those
    // that would read as a black square or an empty cell.
    const auto hucre_sayisi = b.hucreler.size();
    for (const Json& g : dizi(alan(*u, "gizli"), hucre_sayisi, H)) {
        const auto [r, c] = konum(g, b, H, H, 3);
        Bulmaca_Hucresi& h = b.hucre(r, c);
        if (!h.siyah && h.dolu)
            reddet(H);
        h.dolu = true;
        h.harf = tek_harf(g[2], H);
    }
    for (const Json& k : dizi(alan(*u, "yerlestirilen"), hucre_sayisi, H)) {
        const auto [r, c] = konum(k, b, H, H);
        if (const Bulmaca_Hucresi& h = b.hucre(r, c); !h.siyah && h.dolu)
            d.yerlestirilen.push_back({r, c, h.harf});
    }
    std::sort(d.yerlestirilen.begin(), d.yerlestirilen.end(), [](const auto& a, const auto& z) {
        return std::pair(a.satir, a.sutun) < std::pair(z.satir, z.sutun);
    });
    d.yerlestirilen.erase(std::unique(d.yerlestirilen.begin(), d.yerlestirilen.end()),
                          d.yerlestirilen.end());
    return true;
}

struct Okunan_Ipucu {
    Kelime_Yeri yer;
    std::string soru;
    std::string kelime;
};

// A clue's run given by its cells: one straight run in its direction.
Kelime_Yeri hucrelerden(const Json& hucreler, Yon_Turu yon, const Bulmaca& b) {
    const Json& liste = dizi(&hucreler, EN_COK_EBAT, Hata::Ipucu_Gecersiz);
    std::vector<std::pair<int, int>> konumlar;
    for (const Json& k : liste)
        konumlar.push_back(konum(k, b, Hata::Ipucu_Gecersiz, Hata::Ipucu_Disarida));
    if (konumlar.size() < 2)
        reddet(Hata::Ipucu_Gecersiz);
    const Kelime_Yeri y{yon, konumlar[0].first, konumlar[0].second,
                        static_cast<int>(konumlar.size())};
    for (int k = 1; k <= y.Uzunluk; ++k) {
        if (konumlar[static_cast<std::size_t>(k - 1)] != std::pair(y.satir_k(k), y.sutun_k(k)))
            reddet(Hata::Ipucu_Gecersiz);
    }
    return y;
}

// A clue's run given by its number: the white cells from the cell showing
// that number on to the next black square or the edge.
Kelime_Yeri numaradan(const Json& numara, Yon_Turu yon, const Bulmaca& b, const Izgara_Okumasi& o) {
    const auto m = duz_metin(numara);
    const auto it = m && !m->empty() ? std::find(o.etiketler.begin(), o.etiketler.end(), *m)
                                     : o.etiketler.end();
    if (it == o.etiketler.end())
        reddet(Hata::Ipucu_Gecersiz);
    const auto i = static_cast<int>(it - o.etiketler.begin());
    Kelime_Yeri y{yon, i / b.Sutun_Sayisi + 1, i % b.Sutun_Sayisi + 1, 0};
    while (y.satir_k(y.Uzunluk + 1) <= b.Satir_Sayisi &&
           y.sutun_k(y.Uzunluk + 1) <= b.Sutun_Sayisi &&
           !b.hucre(y.satir_k(y.Uzunluk + 1), y.sutun_k(y.Uzunluk + 1)).siyah)
        ++y.Uzunluk;
    if (y.Uzunluk < 2)
        reddet(Hata::Ipucu_Gecersiz);
    return y;
}

std::vector<Okunan_Ipucu> ipuclari_oku(const Json& kok, const Bulmaca& b, const Izgara_Okumasi& o) {
    std::vector<Okunan_Ipucu> okunan;
    const Json* clues = alan(kok, "clues");
    if (clues == nullptr)
        return okunan;
    if (!clues->is_object())
        reddet(Hata::Ipucu_Gecersiz);
    for (const auto& [ad, liste] : clues->items()) {
        // "Across:SOLDAN SAĞA" names the list's title after the colon.
        const std::string_view yon_adi = std::string_view(ad).substr(0, ad.find(':'));
        Yon_Turu yon = Yon_Turu::Soldan;
        if (yon_adi == ipuz::YUKARIDAN)
            yon = Yon_Turu::Yukaridan;
        else if (yon_adi != ipuz::SOLDAN)
            reddet(Hata::Ipucu_Gecersiz);
        for (const Json& ipucu : dizi(&liste, EN_COK_YER, Hata::Ipucu_Gecersiz)) {
            const Json* numara = nullptr;
            const Json* hucreler = nullptr;
            const Json* soru = nullptr;
            const Json* cevap = nullptr;
            if (ipucu.is_array() && ipucu.size() == 2) {
                numara = &ipucu[0];
                soru = &ipucu[1];
            } else if (ipucu.is_object()) {
                numara = alan(ipucu, "number");
                if (const Json* n = alan(ipucu, "numbers");
                    !numara && n && n->is_array() && !n->empty())
                    numara = &(*n)[0];
                hucreler = alan(ipucu, "cells");
                soru = alan(ipucu, "clue");
                cevap = alan(ipucu, "answer");
            } else {
                reddet(Hata::Ipucu_Gecersiz);
            }
            if (!hucreler && !numara)
                reddet(Hata::Ipucu_Gecersiz);
            okunan.push_back(
                {hucreler ? hucrelerden(*hucreler, yon, b) : numaradan(*numara, yon, b, o),
                 cp1254_metin(soru, Hata::Ipucu_Gecersiz),
                 cp1254_metin(cevap, Hata::Ipucu_Gecersiz)});
            if (okunan.size() > EN_COK_YER)
                reddet(Hata::Ipucu_Gecersiz);
        }
    }
    return okunan;
}

auto yer_anahtari(const Kelime_Yeri& y) {
    // Slot-table order: across row by row, then down column by column.
    return y.Yon == Yon_Turu::Soldan ? std::tuple(0, y.Satir, y.Sutun, y.Uzunluk)
                                     : std::tuple(1, y.Sutun, y.Satir, y.Uzunluk);
}

std::string yerdeki_harfler(const Bulmaca& b, const Kelime_Yeri& y) {
    std::string kelime;
    for (int k = 1; k <= y.Uzunluk; ++k) {
        const Bulmaca_Hucresi& h = b.hucre(y.satir_k(k), y.sutun_k(k));
        if (!h.dolu)
            return {};
        kelime += h.harf;
    }
    return kelime;
}

void dolgu_kur(Bulmaca& b, bool uzantili, const std::vector<Okunan_Ipucu>& ipuclari) {
    Dolgu& d = b.dolgu;
    if (!uzantili) {
        std::vector<Kelime_Yeri> yerler;
        for (const Okunan_Ipucu& i : ipuclari)
            yerler.push_back(i.yer);
        std::sort(yerler.begin(), yerler.end(),
                  [](const auto& a, const auto& z) { return yer_anahtari(a) < yer_anahtari(z); });
        if (std::adjacent_find(yerler.begin(), yerler.end()) != yerler.end())
            reddet(Hata::Ipucu_Gecersiz);
        d.Yerler.assign(1, Kelime_Yeri{});
        d.Yerler.insert(d.Yerler.end(), yerler.begin(), yerler.end());
        d.Sira.resize(d.Yerler.size());
        for (std::size_t k = 0; k < d.Sira.size(); ++k)
            d.Sira[k] = static_cast<int>(k);
    }
    const auto n = d.Yerler.size();
    std::map<decltype(yer_anahtari(Kelime_Yeri{})), std::size_t> sirasi;
    for (std::size_t s = 1; s < n; ++s)
        sirasi.emplace(yer_anahtari(d.Yerler[s]), s);
    d.Cozum_Soru.assign(n, {});
    d.Cozum_Kelime.assign(n, {});
    for (const Okunan_Ipucu& i : ipuclari) {
        const auto it = sirasi.find(yer_anahtari(i.yer));
        if (it == sirasi.end())
            reddet(Hata::Ipucu_Gecersiz);
        d.Cozum_Soru[it->second] = i.soru;
        d.Cozum_Kelime[it->second] =
            uzantili || !i.kelime.empty() ? i.kelime : yerdeki_harfler(b, i.yer);
    }
    // Only the slots of the fill order print a clue, so only theirs are kept.
    std::vector<bool> sirada(n, false);
    for (std::size_t k = 1; k < d.Sira.size(); ++k)
        sirada[static_cast<std::size_t>(d.Sira[k])] = d.Sira[k] != 0;
    for (std::size_t s = 1; s < n; ++s) {
        if (!sirada[s]) {
            d.Cozum_Soru[s].clear();
            d.Cozum_Kelime[s].clear();
        }
    }
}

Bulmaca cozumle(std::string_view metin) {
    // The first ipuz files wrapped the object as "ipuz(...)".
    const auto bas = metin.find_first_not_of(" \t\r\n");
    const auto son = metin.find_last_not_of(" \t\r\n");
    if (bas != std::string_view::npos && metin.substr(bas).starts_with("ipuz(") &&
        metin[son] == ')')
        metin = metin.substr(bas + 5, son - bas - 5);

    Json kok;
    try {
        kok = Json::parse(metin.begin(), metin.end(), [](int derinlik, Json::parse_event_t, Json&) {
            if (derinlik > EN_DERIN)
                reddet(Hata::Json_Degil);
            return true;
        });
    } catch (const Json::exception&) {
        reddet(Hata::Json_Degil);
    }

    const Json* version = alan(kok, "version");
    const Json* kind = alan(kok, "kind");
    if (!version || !version->is_string() ||
        !version->get<std::string>().starts_with(ipuz::SURUM_ONEKI) || !kind || !kind->is_array() ||
        std::none_of(kind->begin(), kind->end(), [](const Json& k) {
            return k.is_string() && k.get<std::string>().starts_with(ipuz::TUR_ONEKI);
        }))
        reddet(Hata::Ipuz_Degil);

    Bulmaca b;
    const Json* dimensions = alan(kok, "dimensions");
    b.Sutun_Sayisi = sayi(dimensions ? alan(*dimensions, "width") : nullptr, EN_AZ_EBAT,
                          EN_COK_EBAT, Hata::Ebat_Gecersiz);
    b.Satir_Sayisi = sayi(dimensions ? alan(*dimensions, "height") : nullptr, EN_AZ_EBAT,
                          EN_COK_EBAT, Hata::Ebat_Gecersiz);

    Izgara_Okumasi o;
    for (auto [ad, isaret] : {std::pair{"block", &o.blok}, {"empty", &o.bos}}) {
        if (const Json* j = alan(kok, ad)) {
            const auto m = duz_metin(*j);
            if (!m)
                reddet(Hata::Izgara_Bozuk);
            *isaret = *m;
        }
    }
    izgara_oku(kok, b, o);
    const bool uzantili = uzanti_oku(kok, b);
    dolgu_kur(b, uzantili, ipuclari_oku(kok, b, o));

    Json diger = Json::object();
    for (const auto& [ad, deger] : kok.items()) {
        if (std::find(KULLANILAN_ALANLAR.begin(), KULLANILAN_ALANLAR.end(), ad) ==
            KULLANILAN_ALANLAR.end())
            diger[ad] = deger;
    }
    if (!diger.empty())
        b.dolgu.diger_alanlar = diger.dump();
    return b;
}

}  // namespace

Bulmaca_Hatasi bulmaca_cozumle(std::string_view metin, Bulmaca& cikti) {
    if (metin.size() > EN_BUYUK_BULMACA_DOSYASI)
        return Hata::Cok_Buyuk;
    try {
        cikti = cozumle(metin);
    } catch (const Reddedildi& r) {
        return r.hata;
    }
    return Hata::Yok;
}

Bulmaca_Hatasi bulmaca_oku(const std::filesystem::path& yol, Bulmaca& cikti, Dosya_Sonucu* dosya) {
    std::string icerik;
    const Dosya_Sonucu okuma = dosya_oku(yol, EN_BUYUK_BULMACA_DOSYASI, icerik);
    if (dosya != nullptr)
        *dosya = okuma;
    if (!okuma)
        return okuma.hata == Dosya_Hatasi::Cok_Buyuk ? Hata::Cok_Buyuk : Hata::Acilamadi;
    return bulmaca_cozumle(icerik, cikti);
}

}  // namespace velzora
