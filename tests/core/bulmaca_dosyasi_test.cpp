#include "bulmaca/bulmaca_dosyasi.h"

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "analiz/yer_tablosu.h"
#include "cozucu/soru_satirlari.h"
#include "gecici_dizin.h"

namespace velzora {
namespace {

using Json = nlohmann::ordered_json;
using Satirlar = std::vector<std::string>;

// 3 x 5, row 1 with two words, a black square hiding a letter, a letter
// that reads as ipuz's empty cell; every letter the solver's but the
// designer's G.
//   A B # C D
//   E F G H I
//   0 # K L #
Bulmaca ornek_bulmaca() {
    Izgara g;
    g.ebat_ver(3, 5);
    const char* satirlar[] = {"AB#CD", "EFGHI", "0#KL#"};
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const char k = satirlar[r - 1][c - 1];
            if (k == '#')
                g.siyah_yap(r, c, Renk_Kodu::Siyah);
            else
                g.harf_yaz(r, c, std::string(1, k));
        }
    }
    g.harf_yaz(3, 5, "\xDE");
    Yer_Tablosu t;
    t.yerleri_bul(g);
    Dolgu d;
    d.Yerler = t.Yerler();
    const int n = t.Yer_Sayisi();
    d.Sira.assign(1, 0);
    for (int s = n; s >= 1; --s)
        d.Sira.push_back(s);
    d.Cozum_Soru.assign(static_cast<std::size_t>(n + 1), "");
    d.Cozum_Kelime.assign(static_cast<std::size_t>(n + 1), "");
    for (int s = 1; s <= n; ++s) {
        d.Cozum_Soru[static_cast<std::size_t>(s)].append(" ipucu \xFE").append(std::to_string(s));
        d.Cozum_Kelime[static_cast<std::size_t>(s)].append("K").append(std::to_string(s));
    }
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 5; ++c) {
            if (g.beyaz_mi(r, c) && !(r == 2 && c == 3))
                d.yerlestirilen.push_back({r, c, g.harf_al(r, c).front()});
        }
    }
    d.diger_alanlar = R"({"title":"Deneme","author":"Ayşe"})";
    return bulmaca_al(g, d);
}

// The format's published rules for what a crossword file holds: the
// mandatory fields, the value types of the grid, and clue lists of clues.
std::string ipuz_kurali_bozuk(const Json& j) {
    const std::set<std::string> ipucu_alanlari{
        "number", "numbers",     "label",     "cells",      "clue", "hints",     "image",
        "answer", "enumeration", "continued", "references", "see",  "highlight", "location"};
    if (j.value("version", "") != "http://ipuz.org/v2")
        return "version";
    if (!j.contains("kind") || j["kind"] != Json::array({"http://ipuz.org/crossword#1"}))
        return "kind";
    const int W = j["dimensions"].value("width", 0), H = j["dimensions"].value("height", 0);
    for (const char* alan : {"puzzle", "solution"}) {
        if (!j[alan].is_array() || j[alan].size() != static_cast<std::size_t>(H))
            return alan;
        for (const Json& satir : j[alan]) {
            if (!satir.is_array() || satir.size() != static_cast<std::size_t>(W))
                return alan;
            for (const Json& h : satir) {
                if (!(h.is_string() || h == 0))
                    return alan;
            }
        }
    }
    for (const auto& [yon, liste] : j["clues"].items()) {
        if ((yon != "Across" && yon != "Down") || !liste.is_array() || liste.empty())
            return "clues";
        for (const Json& ipucu : liste) {
            for (const auto& [ad, deger] : ipucu.items()) {
                if (!ipucu_alanlari.count(ad))
                    return "clue field " + ad;
            }
            if (!(ipucu["number"].is_number_integer() || ipucu["number"].is_string()) ||
                !ipucu["clue"].is_string())
                return "clue";
            for (const Json& k : ipucu["cells"]) {
                if (k.size() != 2 || k[0] < 1 || k[0] > W || k[1] < 1 || k[1] > H)
                    return "cells";
            }
        }
    }
    // Anything else is an extension, named by a URI.
    for (const auto& [ad, deger] : j.items()) {
        if (ad.find("://") == std::string::npos &&
            !std::set<std::string>{"version", "kind", "origin", "dimensions", "block", "empty",
                                   "puzzle", "solution", "clues", "title", "author"}
                 .count(ad))
            return "field " + ad;
    }
    return {};
}

TEST(BulmacaDosyasi, RoundTripKeepsGridLettersFillAndOtherFields) {
    const Bulmaca b = ornek_bulmaca();
    const std::string metin = bulmaca_metni(b);
    const Json j = Json::parse(metin);
    EXPECT_EQ(ipuz_kurali_bozuk(j), "") << metin;

    // Row 1's second word follows the first as the printed line does.
    EXPECT_EQ(j["clues"]["Across"][1]["number"], "1.2");
    EXPECT_EQ(j["clues"]["Across"][1]["label"], "...");
    EXPECT_EQ(j["clues"]["Across"][1]["cells"], Json::parse("[[4,1],[5,1]]"));
    EXPECT_EQ(j["clues"]["Down"][2]["number"], 3);
    EXPECT_EQ(j["clues"]["Down"][2]["cells"], Json::parse("[[3,2],[3,3]]"));
    EXPECT_EQ(j["solution"][2], Json::parse(R"([0,"#","K","L","#"])"));
    EXPECT_EQ(j["title"], "Deneme");

    Bulmaca geri;
    ASSERT_EQ(bulmaca_cozumle(metin, geri), Bulmaca_Hatasi::Yok);
    EXPECT_EQ(geri, b);
    const auto R = b.Satir_Sayisi, C = b.Sutun_Sayisi;
    EXPECT_EQ(soldan_satirlari(R, C, geri.dolgu.sorular()), (Satirlar{" 1. ipucu \xFE"
                                                                      "1... ipucu \xFE"
                                                                      "2",
                                                                      " 2. ipucu \xFE"
                                                                      "3",
                                                                      " 3. ipucu \xFE"
                                                                      "4"}));
    EXPECT_EQ(yukaridan_satirlari(R, C, geri.dolgu.sorular()),
              yukaridan_satirlari(R, C, b.dolgu.sorular()));

    test::Gecici_Dizin d;
    ASSERT_EQ(bulmaca_yaz(d / "b.ipuz", b), Bulmaca_Hatasi::Yok);
    Bulmaca okunan;
    ASSERT_EQ(bulmaca_oku(d / "b.ipuz", okunan), Bulmaca_Hatasi::Yok);
    EXPECT_EQ(okunan, b);
}

TEST(BulmacaDosyasi, ReadsAFileWrittenToTheFormatsExample) {
    // Numbered cells, [number, clue] pairs and clue objects, an omitted
    // cell, the old JSONP wrapping; no slot table of the program's own.
    const std::string metin = R"(ipuz({
        "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "title": "Örnek", "dimensions": {"width": 3, "height": 3},
        "puzzle": [[1, 2, "#"], [3, {"cell": 0, "style": {"shapebg": "circle"}}, 4], [null, 5, 0]],
        "solution": [["Ç","A","#"], ["B","O","T"], [null,"L","O"]],
        "saved": [[0,0,"#"], [0,0,0], [null,0,0]],
        "clues": {"Across": [[1, "Yön"], {"number": 3, "clue": "Robot", "enumeration": "3"},
                             {"number": 5, "clue": "İşte!", "answer": "LO"}],
                  "Down:YUKARIDAN AŞAĞI": [[1, "Telsiz"], [2, "Şirket"], [4, "Edat"]]}
    }))";
    Bulmaca b;
    ASSERT_EQ(bulmaca_cozumle(metin, b), Bulmaca_Hatasi::Yok);
    ASSERT_EQ(std::pair(b.Satir_Sayisi, b.Sutun_Sayisi), std::pair(3, 3));
    EXPECT_TRUE(b.hucre(1, 3).siyah && b.hucre(3, 1).siyah && !b.hucre(2, 2).siyah);
    EXPECT_EQ(b.hucre(1, 1).harf, '\xC7');
    EXPECT_EQ(b.dolgu.diger_alanlar, R"({"title":"Örnek"})");
    EXPECT_EQ(soldan_satirlari(3, 3, b.dolgu.sorular()),
              (Satirlar{" 1.Y\xF6n", " 2.Robot", " 3.\xDD\xFEte!"}));
    EXPECT_EQ(yukaridan_satirlari(3, 3, b.dolgu.sorular()), (Satirlar{" 1.Telsiz",
                                                                      " 2.\xDE"
                                                                      "irket",
                                                                      " 3.Edat"}));
    // Words from the answers, or else from the solution's letters.
    EXPECT_EQ(b.dolgu.Cozum_Kelime, (Satirlar{"",
                                              "\xC7"
                                              "A",
                                              "BOT", "LO",
                                              "\xC7"
                                              "B",
                                              "AOL", "TO"}));
    EXPECT_TRUE(b.dolgu.yerlestirilen.empty());
}

TEST(BulmacaDosyasi, RefusedFilesSayWhyAndChangeNothing) {
    const Json taban = Json::parse(R"({
        "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": 3, "height": 2},
        "puzzle": [[0, 0, "#"], [0, 0, 0]],
        "solution": [["A", "B", "#"], ["C", "D", "E"]],
        "clues": {"Across": [{"number": 1, "cells": [[1,1],[2,1]], "clue": "x"}]}
    })");
    const std::string uzanti = "http://velzora.invalid/ipuz/kare-bulmaca#1";
    struct Durum {
        const char* ad;
        std::function<void(Json&)> boz;
        Bulmaca_Hatasi beklenen;
    };
    const Durum durumlar[] = {
        {"kind", [](Json& j) { j["kind"] = {"http://ipuz.org/sudoku#1"}; },
         Bulmaca_Hatasi::Ipuz_Degil},
        {"51 wide", [](Json& j) { j["dimensions"]["width"] = 51; }, Bulmaca_Hatasi::Ebat_Gecersiz},
        {"1 high", [](Json& j) { j["dimensions"]["height"] = 1; }, Bulmaca_Hatasi::Ebat_Gecersiz},
        {"rows", [](Json& j) { j["puzzle"].erase(1); }, Bulmaca_Hatasi::Izgara_Bozuk},
        {"letter on block", [](Json& j) { j["solution"][0][2] = "X"; },
         Bulmaca_Hatasi::Cozum_Uyusmuyor},
        {"block on white", [](Json& j) { j["solution"][1][0] = "#"; },
         Bulmaca_Hatasi::Cozum_Uyusmuyor},
        {"two letters", [](Json& j) { j["solution"][1][0] = "CH"; },
         Bulmaca_Hatasi::Harf_Yazilamaz},
        {"outside",
         [](Json& j) {
             j["clues"]["Across"][0]["cells"] = {{3, 2}, {4, 2}};
         },
         Bulmaca_Hatasi::Ipucu_Disarida},
        {"bent",
         [](Json& j) {
             j["clues"]["Across"][0]["cells"] = {{1, 1}, {2, 2}};
         },
         Bulmaca_Hatasi::Ipucu_Gecersiz},
        {"no number", [](Json& j) { j["clues"]["Across"][0] = "x"; },
         Bulmaca_Hatasi::Ipucu_Gecersiz},
        {"diagonal", [](Json& j) { j["clues"]["Diagonal"] = j["clues"]["Across"]; },
         Bulmaca_Hatasi::Ipucu_Gecersiz},
        {"emoji", [](Json& j) { j["clues"]["Across"][0]["clue"] = "\xF0\x9F\x98\x80"; },
         Bulmaca_Hatasi::Metin_Yazilamaz},
        {"fill order",
         [&](Json& j) {
             j[uzanti] = {{"yerler", Json::array()}, {"sira", {1}}};
         },
         Bulmaca_Hatasi::Uzanti_Bozuk},
        {"clue of no slot", [&](Json& j) { j[uzanti] = Json::object(); },
         Bulmaca_Hatasi::Ipucu_Gecersiz},
        {"deep",
         [](Json& j) { j["x"] = Json::parse(std::string(100, '[') + std::string(100, ']')); },
         Bulmaca_Hatasi::Json_Degil},
    };
    Bulmaca ayni = ornek_bulmaca();
    for (const Durum& d : durumlar) {
        Json j = taban;
        d.boz(j);
        Bulmaca b = ayni;
        EXPECT_EQ(bulmaca_cozumle(j.dump(), b), d.beklenen) << d.ad;
        EXPECT_EQ(b, ayni) << d.ad;
    }
    Bulmaca b;
    EXPECT_EQ(bulmaca_cozumle(taban.dump(), b), Bulmaca_Hatasi::Yok);
    EXPECT_EQ(bulmaca_cozumle("{", b), Bulmaca_Hatasi::Json_Degil);
    EXPECT_EQ(bulmaca_cozumle("[]", b), Bulmaca_Hatasi::Ipuz_Degil);
    EXPECT_FALSE(bulmaca_hata_metni(Bulmaca_Hatasi::Ipucu_Disarida).empty());
}

}  // namespace
}  // namespace velzora
