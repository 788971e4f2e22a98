#include <iostream>

#include "argumanlar.h"
#include "izgara/izgara.h"
#include "komutlar.h"
#include "sablon_yukle.h"

namespace velzora::cli {

int komut_show(Argumanlar& a) {
    const auto yol = a.deger("template");
    if (!a.hata().empty() || !yol) {
        std::cerr << "velzora-cli show: " << (a.hata().empty() ? "--template gerekli" : a.hata())
                  << "\n";
        return CIKIS_HATALI_GIRDI;
    }
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
