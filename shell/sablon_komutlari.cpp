// The template commands of the main window: new, open and save.
#include <QFileInfo>

#include "ana_form.h"
#include "bul_form.h"
#include "dosya_yolu.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/dosya_islemleri.h"

namespace velzora {
namespace {

constexpr char SABLON_AC[] = "Şablon Aç";
constexpr char SABLON_AC_FILTRESI[] = "Şablonlar (sab*.txt)|sab*.txt";
constexpr char SABLON_SAKLA[] = "Şablon Sakla";
constexpr char SABLON_SAKLA_FILTRESI[] = " sab*.txt|sab*.txt";
constexpr char UZANTI[] = "txt";
constexpr char SABLON_OKUNAMADI[] = "Şablon dosyası okunamadı.";
constexpr char SABLON_YAZILAMADI[] = "Şablon dosyası yazılamadı.";

bool sablon_okunabilir_mi(const QString& ad) {
    const auto icerik = dosya_oku(dosya_yolu(ad));
    Sablon_Icerigi cozulen;
    return icerik && sablon_cozumle(*icerik, cozulen) == Sablon_Hatasi::Yok;
}

}  // namespace

void Ana_Form::Yeni_Sablon() {
    if (komut_reddedildi())
        return;
    Bul_Form& bul = bul_formu_hazirla();
    // A size outside 2..50 brings the dialog back until a valid one is given.
    do {
        if (const auto ebat =
                etkilesim_.ebat_sor(this, {durum_.Satir_Sayisi, durum_.Sutun_Sayisi})) {
            durum_.Satir_Sayisi = ebat->Satir_Sayisi;
            durum_.Sutun_Sayisi = ebat->Sutun_Sayisi;
        }
        durum_.Sablon_Yolu.clear();
    } while (bul.sablon_ciz(durum_.Sablon_Yolu, durum_.Satir_Sayisi, durum_.Sutun_Sayisi) ==
             Cizim_Sonucu::Ebat_Gecersiz);
    bul_formu_goster();
}

void Ana_Form::Sablon_Ac() {
    if (komut_reddedildi())
        return;
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Ac;
    istek.baslik = QString::fromUtf8(SABLON_AC);
    istek.filtre = QString::fromUtf8(SABLON_AC_FILTRESI);
    istek.varsayilan_uzanti = QString::fromLatin1(UZANTI);
    const QString ad = etkilesim_.dosya_sor(this, istek);
    if (ad.isEmpty())
        return;
    // A file that is no template changes nothing: not the title, not the
    // current template, not the grid.
    if (!sablon_okunabilir_mi(ad)) {
        etkilesim_.mesaj(this, QString::fromUtf8(SABLON_OKUNAMADI));
        return;
    }
    setWindowTitle(ana_baslik() + QStringLiteral("   <") + QFileInfo(ad).fileName() +
                   QLatin1Char('>'));
    durum_.Sablon_Yolu = ad;
    Bul_Form& bul = bul_formu_hazirla();
    switch (bul.sablon_ciz(durum_.Sablon_Yolu, durum_.Satir_Sayisi, durum_.Sutun_Sayisi)) {
        case Cizim_Sonucu::Ebat_Gecersiz:
            Yeni_Sablon();
            return;
        case Cizim_Sonucu::Okunamadi:
            etkilesim_.mesaj(this, QString::fromUtf8(SABLON_OKUNAMADI));
            break;
        case Cizim_Sonucu::Tamam:
            break;
    }
    bul_formu_goster();
}

void Ana_Form::Sablon_Sakla() {
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Sakla;
    istek.baslik = QString::fromUtf8(SABLON_SAKLA);
    istek.filtre = QString::fromUtf8(SABLON_SAKLA_FILTRESI);
    istek.varsayilan_uzanti = QString::fromLatin1(UZANTI);
    const QString ad = etkilesim_.dosya_sor(this, istek);
    if (ad.isEmpty())
        return;
    // The file is replaced only once the new one is complete.
    if (sablon_yaz(dosya_yolu(ad), durum_.Izgara) != Sablon_Hatasi::Yok)
        etkilesim_.mesaj(this, QString::fromUtf8(SABLON_YAZILAMADI));
    else if (bul_ != nullptr)
        bul_->belge().sablon_saklandi();
}

}  // namespace velzora
