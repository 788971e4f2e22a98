#include <iostream>

#include "analiz/yer_tablosu.h"
#include "argumanlar.h"
#include "izgara_metni.h"
#include "komutlar.h"

namespace velzora::cli {

int komut_slots(Argumanlar& a) {
    Izgara izgara;
    std::string hata = a.hata();
    if (hata.empty())
        hata = bulmaca_yukle(a, izgara);
    if (!hata.empty()) {
        std::cerr << "velzora-cli slots: " << hata << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    Yer_Tablosu yerler;
    yerler.yerleri_bul(izgara);
    const int n = yerler.Yer_Sayisi();
    std::cout << "Yer_Sayisi " << n << "\n";
    std::cout << "yer yon satir sutun uzunluk\n";
    for (int s = 1; s <= n; ++s) {
        const Kelime_Yeri& y = yerler.Yer(s);
        std::cout << s << ' ' << static_cast<char>(y.Yon) << ' ' << y.Satir << ' ' << y.Sutun << ' '
                  << y.Uzunluk << "\n";
    }
    std::cout << "Kesisim a b Konum_A Konum_B\n";
    for (int s = 1; s <= n; ++s) {
        for (int t = 1; t <= n; ++t) {
            const Kesisim_Noktasi k = yerler.Kesisim(s, t);
            if (k.Konum_A != 0)
                std::cout << s << ' ' << t << ' ' << k.Konum_A << ' ' << k.Konum_B << "\n";
        }
    }
    return CIKIS_TAMAM;
}

}  // namespace velzora::cli
