#include "tercih_kaydi.h"

namespace velzora {

Tercih_Degerleri tercih_degerleri(const Program_Durumu& durum) {
    return {durum.Sozluk_Yolu, durum.Sablon_Yolu, durum.Siyah_Orani, durum.Tekrar_Izni,
            durum.Akilli_Arama};
}

void tercihleri_sakla(const Tercih_Degerleri& degerler, Program_Durumu& durum,
                      Ayar_Deposu& ayarlar) {
    const QString saklanan = ayarlar.oku(ayar::SOZ, ayarlar.varsayilan_sozluk());
    durum.Sozluk_Degisti = degerler.Sozluk_Yolu != saklanan;
    durum.Sozluk_Yolu = degerler.Sozluk_Yolu;
    durum.Sablon_Yolu = degerler.Sablon_Yolu;
    durum.Siyah_Orani = degerler.Siyah_Orani;
    durum.Tekrar_Izni = degerler.Tekrar_Izni;
    durum.Akilli_Arama = degerler.Akilli_Arama;

    ayarlar.yaz(ayar::SOZ, durum.Sozluk_Yolu);
    ayarlar.yaz(ayar::SAB, durum.Sablon_Yolu);
    ayarlar.sayi_yaz(ayar::SKO, durum.Siyah_Orani);
    ayarlar.mantik_yaz(ayar::TEK, durum.Tekrar_Izni);
    ayarlar.mantik_yaz(ayar::AKL, durum.Akilli_Arama);
}

}  // namespace velzora
