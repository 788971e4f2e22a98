#include <iostream>

#include "argumanlar.h"
#include "bulmaca/bulmaca_dosyasi.h"
#include "izgara/izgara.h"
#include "izgara_metni.h"
#include "komutlar.h"
#include "ortak/cp1254.h"
#include "sablon_yukle.h"

namespace velzora::cli {
namespace {

constexpr std::string_view SOLDAN_SAGA = "SOLDAN SAĞA";
constexpr std::string_view YUKARIDAN_ASAGI = "YUKARIDAN AŞAĞI";

// A puzzle file: the grid with its letters, then the clue lines as the
// export prints them.
int bulmaca_goster(const std::string& yol) {
    Bulmaca b;
    if (const auto hata = bulmaca_oku(yol, b); hata != Bulmaca_Hatasi::Yok) {
        std::cerr << "velzora-cli show: " << bulmaca_hata_metni(hata) << " " << yol << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    Izgara izgara;
    izgaraya_yaz(b, izgara);
    for (const auto& satir : izgara_satirlari(izgara))
        std::cout << satir << "\n";
    const auto R = b.Satir_Sayisi, C = b.Sutun_Sayisi;
    for (const auto& [baslik, satirlar] :
         {std::pair{SOLDAN_SAGA, soldan_satirlari(R, C, b.dolgu.sorular())},
          {YUKARIDAN_ASAGI, yukaridan_satirlari(R, C, b.dolgu.sorular())}}) {
        std::cout << baslik << "\n";
        for (const auto& s : satirlar) {
            if (!s.empty())
                std::cout << cp1254_utf8(s) << "\n";
        }
    }
    return CIKIS_TAMAM;
}

}  // namespace

int komut_show(Argumanlar& a) {
    const auto yol = a.deger("template");
    const auto bulmaca = a.deger("puzzle");
    if (!a.hata().empty() || yol.has_value() == bulmaca.has_value()) {
        std::cerr << "velzora-cli show: "
                  << (a.hata().empty() ? "--template ya da --puzzle seçeneklerinden biri gerekli"
                                       : a.hata())
                  << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    if (bulmaca)
        return bulmaca_goster(*bulmaca);
    Izgara izgara;
    if (const auto hata = sablon_yukle(*yol, izgara); !hata.empty()) {
        std::cerr << "velzora-cli show: " << hata << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    for (int r = 1; r <= izgara.Satir_Sayisi(); ++r) {
        std::string satir;
        for (int c = 1; c <= izgara.Sutun_Sayisi(); ++c)
            satir += izgara.siyah_mi(r, c) ? '#' : '.';
        std::cout << satir << '\n';
    }
    return CIKIS_TAMAM;
}

}  // namespace velzora::cli
