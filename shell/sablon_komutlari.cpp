// The template commands of the main window: new, open and save.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ana_form.h"
#include "bul_form.h"
#include "dosya_yolu.h"
#include "izgara/sablon_dosyasi.h"

namespace velzora {
namespace {

constexpr char SABLON_AC[] = "Şablon Aç";
constexpr char SABLON_AC_FILTRESI[] = "Şablonlar (sab*.txt)|sab*.txt";
constexpr char SABLON_SAKLA[] = "Şablon Sakla";
constexpr char SABLON_SAKLA_FILTRESI[] = " sab*.txt|sab*.txt";
constexpr char UZANTI[] = "txt";
constexpr char SABLON_OKUNAMADI[] = "Şablon dosyası okunamadı.";
constexpr char SABLON_OKUNAMADI_NEDEN[] = "Şablon dosyası okunamadı: %1.";
constexpr char SABLON_YAZILAMADI[] = "Şablon dosyası yazılamadı: %1.";

// Saves go to the user's own folders, never into the installed data.
QString kullanici_klasoru() {
    const QString belgeler = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(belgeler).exists() ? belgeler : QDir::homePath();
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
    } while (bul.sablon_ciz(nullptr, durum_.Satir_Sayisi, durum_.Sutun_Sayisi) ==
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
    istek.baslangic_klasoru = dizinler_.veri;
    const QString ad = etkilesim_.dosya_sor(this, istek);
    if (ad.isEmpty())
        return;
    // Read once; a file that is no template changes nothing: not the title,
    // not the current template, not the grid.
    Sablon_Icerigi sablon;
    Dosya_Sonucu dosya;
    if (sablon_oku(dosya_yolu(ad), sablon, &dosya) != Sablon_Hatasi::Yok) {
        etkilesim_.mesaj(this, dosya ? QString::fromUtf8(SABLON_OKUNAMADI)
                                     : QString::fromUtf8(SABLON_OKUNAMADI_NEDEN)
                                           .arg(QString::fromStdString(dosya.neden())));
        return;
    }
    setWindowTitle(ana_baslik() + QStringLiteral("   <") + QFileInfo(ad).fileName() +
                   QLatin1Char('>'));
    durum_.Sablon_Yolu = ad;
    Bul_Form& bul = bul_formu_hazirla();
    if (bul.sablon_ciz(&sablon, durum_.Satir_Sayisi, durum_.Sutun_Sayisi) ==
        Cizim_Sonucu::Ebat_Gecersiz) {
        Yeni_Sablon();
        return;
    }
    bul_formu_goster();
}

void Ana_Form::Sablon_Sakla() {
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Sakla;
    istek.baslik = QString::fromUtf8(SABLON_SAKLA);
    istek.filtre = QString::fromUtf8(SABLON_SAKLA_FILTRESI);
    istek.varsayilan_uzanti = QString::fromLatin1(UZANTI);
    istek.baslangic_klasoru = kullanici_klasoru();
    istek.korunan_klasor = dizinler_.veri;
    const QString ad = etkilesim_.dosya_sor(this, istek);
    if (ad.isEmpty())
        return;
    // The file is replaced only once the new one is complete.
    Dosya_Sonucu dosya;
    if (sablon_yaz(dosya_yolu(ad), durum_.Izgara, &dosya) != Sablon_Hatasi::Yok) {
        etkilesim_.mesaj(
            this, QString::fromUtf8(SABLON_YAZILAMADI).arg(QString::fromStdString(dosya.neden())));
    } else if (bul_ != nullptr) {
        bul_->belge().sablon_saklandi();
    }
}

}  // namespace velzora
