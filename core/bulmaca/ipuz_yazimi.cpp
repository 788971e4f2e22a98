// Writing a puzzle as ipuz: the grid as "puzzle" and "solution", every
// clue of the printed lines as a clue object with its cells, and the slot
// table, fill order and letter origins under the extension key.
#include <nlohmann/json.hpp>

#include "bulmaca/bulmaca_dosyasi.h"
#include "bulmaca/ipuz_alanlari.h"
#include "cozucu/soru_satirlari.h"
#include "ortak/cp1254.h"
#include "ortak/dosya_islemleri.h"
#include "surum.h"

namespace velzora {
namespace {

using Json = nlohmann::ordered_json;

// ipuz names a cell [column, row], counting from 1 as its examples do.
Json konum(int satir, int sutun) {
    return Json::array({sutun, satir});
}

Json metin(std::string_view cp1254) {
    return cp1254_utf8(cp1254);
}

bool icinde(const Bulmaca& b, int satir, int sutun) {
    return satir >= 1 && satir <= b.Satir_Sayisi && sutun >= 1 && sutun <= b.Sutun_Sayisi;
}

std::string_view tablo_metni(const std::vector<std::string>& tablo, int yer) {
    const auto j = static_cast<std::size_t>(yer);
    return j < tablo.size() ? std::string_view(tablo[j]) : std::string_view();
}

// The clues in the order the printed lines list them. The first clue of a
// line carries the line's number; the others a number of their own and the
// label the lines show before them.
Json ipuclari(const Bulmaca& b, Yon_Turu yon) {
    const Dolgu& d = b.dolgu;
    Json liste = Json::array();
    for (const Soru_Girdisi& g :
         soru_girdileri(b.Satir_Sayisi, b.Sutun_Sayisi, yon, d.Yerler, d.Sira)) {
        const Kelime_Yeri& y = d.Yerler[static_cast<std::size_t>(g.yer)];
        Json ipucu = Json::object();
        if (g.sira == 1) {
            ipucu["number"] = g.numara;
        } else {
            ipucu["number"] = std::to_string(g.numara) + "." + std::to_string(g.sira);
            ipucu["label"] = ipuz::DEVAM_ETIKETI;
        }
        Json hucreler = Json::array();
        for (int k = 1; k <= y.Uzunluk; ++k) {
            if (icinde(b, y.satir_k(k), y.sutun_k(k)))
                hucreler.push_back(konum(y.satir_k(k), y.sutun_k(k)));
        }
        ipucu["cells"] = std::move(hucreler);
        ipucu["clue"] = metin(tablo_metni(d.Cozum_Soru, g.yer));
        if (const auto kelime = tablo_metni(d.Cozum_Kelime, g.yer); !kelime.empty())
            ipucu["answer"] = metin(kelime);
        liste.push_back(std::move(ipucu));
    }
    return liste;
}

Json uzanti(const Bulmaca& b) {
    const Dolgu& d = b.dolgu;
    Json yerler = Json::array();
    for (int s = 1; s <= d.Yer_Sayisi(); ++s) {
        const Kelime_Yeri& y = d.Yerler[static_cast<std::size_t>(s)];
        yerler.push_back({{"yon", std::string(1, static_cast<char>(y.Yon))},
                          {"satir", y.Satir},
                          {"sutun", y.Sutun},
                          {"uzunluk", y.Uzunluk}});
    }
    Json sira = Json::array();
    for (std::size_t k = 1; k < d.Sira.size() && k <= static_cast<std::size_t>(d.Yer_Sayisi()); ++k)
        sira.push_back(d.Sira[k]);
    Json yerlestirilen = Json::array();
    for (const Hucre_Harfi& h : d.yerlestirilen) {
        if (!icinde(b, h.satir, h.sutun))
            continue;
        const Bulmaca_Hucresi& hucre = b.hucre(h.satir, h.sutun);
        if (!hucre.siyah && hucre.dolu && hucre.harf == h.harf)
            yerlestirilen.push_back(konum(h.satir, h.sutun));
    }
    // Letters that "solution" cannot show: under black squares, and those
    // that it would show as something else.
    Json gizli = Json::array();
    for (int r = 1; r <= b.Satir_Sayisi; ++r) {
        for (int c = 1; c <= b.Sutun_Sayisi; ++c) {
            const Bulmaca_Hucresi& h = b.hucre(r, c);
            if (h.dolu && (h.siyah || ipuz::cozumde_gosterilemez(h.harf)))
                gizli.push_back({c, r, metin(std::string_view(&h.harf, 1))});
        }
    }
    return {{"yerler", std::move(yerler)},
            {"sira", std::move(sira)},
            {"yerlestirilen", std::move(yerlestirilen)},
            {"gizli", std::move(gizli)}};
}

// The elements of an array one a line.
std::string satir_satir(const Json& dizi, const std::string& girinti) {
    std::string s = "[";
    for (std::size_t i = 0; i < dizi.size(); ++i)
        s += (i == 0 ? "\n" : ",\n") + girinti + " " + dizi[i].dump();
    return s + "\n" + girinti + "]";
}

// A field a line, and a grid row or a clue a line: readable, and short even
// for 50 x 50.
std::string bicimle(const Json& j) {
    std::string s = "{";
    for (const auto& [ad, deger] : j.items()) {
        s += (s.size() == 1 ? "\n " : ",\n ") + Json(ad).dump() + ": ";
        if (ad == "puzzle" || ad == "solution") {
            s += satir_satir(deger, " ");
        } else if ((ad == "clues" || ad == ipuz::UZANTI) && !deger.empty()) {
            // The clue lists and the slot table a clue or a slot a line.
            std::string alt = "{";
            for (const auto& [alt_ad, alt_deger] : deger.items()) {
                alt += (alt.size() == 1 ? "\n  " : ",\n  ") + Json(alt_ad).dump() + ": ";
                alt += ad == "clues" || alt_ad == "yerler" ? satir_satir(alt_deger, "  ")
                                                           : alt_deger.dump();
            }
            s += alt + "\n }";
        } else {
            s += deger.dump();
        }
    }
    return s + "\n}\n";
}

}  // namespace

std::string bulmaca_metni(const Bulmaca& b) {
    Json j = Json::object();
    j["version"] = ipuz::SURUM;
    j["kind"] = Json::array({ipuz::TUR});
    j["origin"] = "VELZORA " + surum_metni();
    // The file this puzzle came from may have had fields of its own.
    if (!b.dolgu.diger_alanlar.empty()) {
        const Json diger = Json::parse(b.dolgu.diger_alanlar, nullptr, false);
        if (diger.is_object()) {
            for (const auto& [ad, deger] : diger.items()) {
                if (!j.contains(ad))
                    j[ad] = deger;
            }
        }
    }
    j["dimensions"] = {{"width", b.Sutun_Sayisi}, {"height", b.Satir_Sayisi}};
    j["block"] = ipuz::BLOK;
    j["empty"] = ipuz::BOS;

    Json puzzle = Json::array();
    Json solution = Json::array();
    for (int r = 1; r <= b.Satir_Sayisi; ++r) {
        Json p = Json::array();
        Json s = Json::array();
        for (int c = 1; c <= b.Sutun_Sayisi; ++c) {
            const Bulmaca_Hucresi& h = b.hucre(r, c);
            p.push_back(h.siyah ? Json(ipuz::BLOK) : Json(0));
            if (h.siyah)
                s.push_back(ipuz::BLOK);
            else if (h.dolu && !ipuz::cozumde_gosterilemez(h.harf))
                s.push_back(metin(std::string_view(&h.harf, 1)));
            else
                s.push_back(0);
        }
        puzzle.push_back(std::move(p));
        solution.push_back(std::move(s));
    }
    j["puzzle"] = std::move(puzzle);
    j["solution"] = std::move(solution);

    // ipuz wants every clue list it names to hold clues.
    Json clues = Json::object();
    for (const auto& [ad, yon] :
         {std::pair{ipuz::SOLDAN, Yon_Turu::Soldan}, {ipuz::YUKARIDAN, Yon_Turu::Yukaridan}}) {
        Json liste = ipuclari(b, yon);
        if (!liste.empty())
            clues[std::string(ad)] = std::move(liste);
    }
    j["clues"] = std::move(clues);
    j[std::string(ipuz::UZANTI)] = uzanti(b);
    return bicimle(j);
}

Bulmaca_Hatasi bulmaca_yaz(const std::filesystem::path& yol, const Bulmaca& bulmaca,
                           Dosya_Sonucu* dosya) {
    const Dosya_Sonucu yazma = dosyayi_guvenle_yaz(yol, bulmaca_metni(bulmaca));
    if (dosya != nullptr)
        *dosya = yazma;
    return yazma ? Bulmaca_Hatasi::Yok : Bulmaca_Hatasi::Yazilamadi;
}

}  // namespace velzora
