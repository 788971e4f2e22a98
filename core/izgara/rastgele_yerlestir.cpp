#include "izgara/rastgele_yerlestir.h"

#include <cmath>

#include "ortak/sayi_okuma.h"

namespace velzora {

int hedef_siyah_sayisi(int satir_sayisi, int sutun_sayisi, float Siyah_Orani) {
    const float hucre_sayisi = static_cast<float>(satir_sayisi * sutun_sayisi);
    const double n = yuvarla_cift(static_cast<double>(hucre_sayisi * Siyah_Orani));
    // Beyond every cell a run could only loop on squares already black.
    if (!(n < hucre_sayisi))
        return std::isnan(n) ? 0 : satir_sayisi * sutun_sayisi;
    return static_cast<int>(n);
}

void rast_yerlestir(Izgara& izgara, float Siyah_Orani, Rastgele_Kaynak& kaynak) {
    Izgara::Toplu_Degisiklik toplu(izgara);
    izgara.sabbosalt();
    const int R = izgara.Satir_Sayisi();
    const int C = izgara.Sutun_Sayisi();
    const int N = hedef_siyah_sayisi(R, C, Siyah_Orani);

    auto komsusu_siyah = [&](int r, int c) {
        return (r > 1 && izgara.siyah_mi(r - 1, c)) || (r < R && izgara.siyah_mi(r + 1, c)) ||
               (c > 1 && izgara.siyah_mi(r, c - 1)) || (c < C && izgara.siyah_mi(r, c + 1));
    };

    int satir_imleci = 0;
    int yerlesen = 0;
    do {
        int r = 0;
        int c = 0;
        // Every draw, refused or not, moves the row cursor on; a candidate
        // that is already black passes, so this always ends.
        do {
            const float u = static_cast<float>(kaynak.tekduze());
            c = static_cast<int>(yuvarla_cift(u * static_cast<float>(C - 1) + 1.0f));
            if (++satir_imleci > R)
                satir_imleci = 1;
            r = satir_imleci;
        } while (komsusu_siyah(r, c));
        izgara.siyah_yap(r, c, Renk_Kodu::Siyah);
        ++yerlesen;
    } while (yerlesen < N);
}

}  // namespace velzora
