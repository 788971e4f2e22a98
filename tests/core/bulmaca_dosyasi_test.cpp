#include "bulmaca/bulmaca_dosyasi.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "analiz/yer_tablosu.h"
#include "cozucu/soru_satirlari.h"
#include "cozucu_yardimcilari.h"
#include "gecici_dizin.h"
#include "ortak/cp1254.h"

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
    test::izgara_yap(g, {"AB#CD", "EFGHI", "0#KL#"});
    g.harf_yaz(3, 5, "\xDE");
    Yer_Tablosu t;
    t.yerleri_bul(g);
    Dolgu d;
    d.Yerler = t.Yerler();
    const int n = t.Yer_Sayisi();
    d.Sira = {0};
    d.Cozum_Soru.resize(static_cast<std::size_t>(n + 1));
    d.Cozum_Kelime.resize(static_cast<std::size_t>(n + 1));
    for (int s = 1; s <= n; ++s) {
        d.Sira.push_back(n + 1 - s);
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
// mandatory fields, the value types of the grid, clue lists of clues, and
// any other field an extension named by a URI.
std::string ipuz_kurali_bozuk(const Json& j) {
    // clang-format off
    const std::set<std::string> ipucu_alanlari{"number", "numbers", "label", "cells", "clue", "hints", "image",
        "answer", "enumeration", "continued", "references", "see", "highlight", "location"};
    const std::set<std::string> alanlar{"version", "kind", "origin", "dimensions", "block", "empty", "puzzle",
        "solution", "clues", "title", "author"};
    // clang-format on
    if (j.value("version", "") != "http://ipuz.org/v2" ||
        j.value("kind", Json()) != Json::array({"http://ipuz.org/crossword#1"}))
        return "version or kind";
    const int W = j["dimensions"].value("width", 0), H = j["dimensions"].value("height", 0);
    for (const char* alan : {"puzzle", "solution"}) {
        bool iyi = j[alan].is_array() && j[alan].size() == static_cast<std::size_t>(H);
        for (const Json& satir : j[alan]) {
            iyi = iyi && satir.is_array() && satir.size() == static_cast<std::size_t>(W);
            for (const Json& h : satir)
                iyi = iyi && (h.is_string() || h == 0);
        }
        if (!iyi)
            return alan;
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
    for (const auto& [ad, deger] : j.items()) {
        if (ad.find("://") == std::string::npos && !alanlar.count(ad))
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
    test::Gecici_Dizin d;
    ASSERT_EQ(bulmaca_yaz(d / "b.ipuz", b), Bulmaca_Hatasi::Yok);
    ASSERT_EQ(bulmaca_oku(d / "b.ipuz", geri), Bulmaca_Hatasi::Yok);
    EXPECT_EQ(geri, b);
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
    const auto utf8 = [](const Satirlar& v) {
        Satirlar u;
        for (const auto& s : v)
            u.push_back(cp1254_utf8(s));
        return u;
    };
    EXPECT_EQ(utf8(soldan_satirlari(3, 3, b.dolgu.sorular())),
              (Satirlar{" 1.Yön", " 2.Robot", " 3.İşte!"}));
    EXPECT_EQ(utf8(yukaridan_satirlari(3, 3, b.dolgu.sorular())),
              (Satirlar{" 1.Telsiz", " 2.Şirket", " 3.Edat"}));
    // Words from the answers, or else from the solution's letters.
    EXPECT_EQ(utf8(b.dolgu.Cozum_Kelime), (Satirlar{"", "ÇA", "BOT", "LO", "ÇB", "AOL", "TO"}));
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
    // Each case sets one value, found by a JSON pointer.
    const std::string uzanti = "/http:~1~1velzora.invalid~1ipuz~1kare-bulmaca#1";
    using H = Bulmaca_Hatasi;
    const struct {
        std::string yol;
        Json deger;
        H beklenen;
    } durumlar[] = {
        {"/kind", Json::array({"http://ipuz.org/sudoku#1"}), H::Ipuz_Degil},
        {"/dimensions/width", 51, H::Ebat_Gecersiz},
        {"/dimensions/height", 1, H::Ebat_Gecersiz},
        {"/puzzle", Json::parse(R"([[0, 0, "#"]])"), H::Izgara_Bozuk},
        {"/solution/0/2", "X", H::Cozum_Uyusmuyor},
        {"/solution/1/0", "#", H::Cozum_Uyusmuyor},
        {"/solution/1/0", "CH", H::Harf_Yazilamaz},
        {"/clues/Across/0/cells", Json::parse("[[3, 2], [4, 2]]"), H::Ipucu_Disarida},
        {"/clues/Across/0/cells", Json::parse("[[1, 1], [2, 2]]"), H::Ipucu_Gecersiz},
        {"/clues/Across/0", "x", H::Ipucu_Gecersiz},
        {"/clues/Diagonal", taban["clues"]["Across"], H::Ipucu_Gecersiz},
        {"/clues/Across/0/clue", "\xF0\x9F\x98\x80", H::Metin_Yazilamaz},
        {uzanti, Json::parse(R"({"yerler": [], "sira": [1]})"), H::Uzanti_Bozuk},
        {uzanti, Json::object(), H::Ipucu_Gecersiz},
        {"/x", Json::parse(std::string(100, '[') + std::string(100, ']')), H::Json_Degil},
    };
    const Bulmaca ayni = ornek_bulmaca();
    for (const auto& d : durumlar) {
        Json j = taban;
        j[Json::json_pointer(d.yol)] = d.deger;
        Bulmaca b = ayni;
        EXPECT_EQ(bulmaca_cozumle(j.dump(), b), d.beklenen) << d.yol << " = " << d.deger.dump();
        EXPECT_EQ(b, ayni) << d.yol;
    }
    Bulmaca b;
    EXPECT_EQ(bulmaca_cozumle(taban.dump(), b), Bulmaca_Hatasi::Yok);
    EXPECT_EQ(bulmaca_cozumle("{", b), Bulmaca_Hatasi::Json_Degil);
    EXPECT_EQ(bulmaca_cozumle("[]", b), Bulmaca_Hatasi::Ipuz_Degil);
    EXPECT_FALSE(bulmaca_hata_metni(Bulmaca_Hatasi::Ipucu_Disarida).empty());
}

}  // namespace
}  // namespace velzora
