// The puzzle-file commands of the main window, and the question about
// unsaved puzzle changes that closing and leaving ask.
#include <QCoreApplication>
#include <QFileInfo>

#include "ana_form.h"
#include "bul_form.h"
#include "bulmaca/bulmaca_dosyasi.h"
#include "dosya_yolu.h"

namespace velzora {
namespace {

constexpr char BULMACA_AC[] = "Bulmaca Aç";
constexpr char BULMACA_SAKLA[] = "Bulmacayı Sakla";
constexpr char BULMACA_FILTRESI[] = "Bulmacalar (*.ipuz)|*.ipuz";
constexpr char UZANTI[] = "ipuz";
constexpr char KAYDEDILSIN_MI[] =
    "Bulmacadaki değişiklikler saklanmadı. Kapatmadan önce saklamak ister misiniz?";

// The file's own failure adds the system's reason.
QString hata_metni(Bulmaca_Hatasi hata, const Dosya_Sonucu& dosya) {
    const std::string_view m = bulmaca_hata_metni(hata);
    QString metin = QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size()));
    if (!dosya)
        metin += QStringLiteral(" (") + QString::fromStdString(dosya.neden()) + QLatin1Char(')');
    return metin;
}

Dosya_Istegi bulmaca_istegi(Dosya_Istegi::Tur tur) {
    Dosya_Istegi istek;
    istek.tur = tur;
    istek.baslik = QString::fromUtf8(tur == Dosya_Istegi::Tur::Ac ? BULMACA_AC : BULMACA_SAKLA);
    istek.filtre = QString::fromUtf8(BULMACA_FILTRESI);
    istek.varsayilan_uzanti = QString::fromLatin1(UZANTI);
    return istek;
}

}  // namespace

void Ana_Form::Bulmaca_Ac() {
    if (komut_reddedildi())
        return;
    const QString ad = etkilesim_.dosya_sor(this, bulmaca_istegi(Dosya_Istegi::Tur::Ac));
    if (ad.isEmpty())
        return;
    // The whole file is read and checked before the puzzle changes at all.
    Bulmaca bulmaca;
    Dosya_Sonucu dosya;
    if (const auto hata = bulmaca_oku(dosya_yolu(ad), bulmaca, &dosya);
        hata != Bulmaca_Hatasi::Yok) {
        etkilesim_.mesaj(this, hata_metni(hata, dosya));
        return;
    }
    bul_formu_hazirla().bulmaca_yukle(bulmaca);
    durum_.Satir_Sayisi = bulmaca.Satir_Sayisi;
    durum_.Sutun_Sayisi = bulmaca.Sutun_Sayisi;
    setWindowTitle(ana_baslik() + QStringLiteral("   <") + QFileInfo(ad).fileName() +
                   QLatin1Char('>'));
    bul_formu_goster();
}

bool Ana_Form::Bulmacayi_Sakla() {
    if (komut_reddedildi() || bul_ == nullptr)
        return false;
    const QString ad = etkilesim_.dosya_sor(this, bulmaca_istegi(Dosya_Istegi::Tur::Sakla));
    if (ad.isEmpty())
        return false;
    Bulmaca_Belgesi& belge = bul_->belge();
    Dosya_Sonucu dosya;
    if (const auto hata =
            bulmaca_yaz(dosya_yolu(ad), bulmaca_al(durum_.Izgara, belge.dolgu()), &dosya);
        hata != Bulmaca_Hatasi::Yok) {
        etkilesim_.mesaj(this, hata_metni(hata, dosya));
        return false;
    }
    belge.yigin().setClean();
    setWindowTitle(ana_baslik() + QStringLiteral("   <") + QFileInfo(ad).fileName() +
                   QLatin1Char('>'));
    return true;
}

bool Ana_Form::degisiklikler_birakilabilir() {
    if (bul_ == nullptr || !bul_->belge().degisti())
        return true;
    switch (etkilesim_.kaydetsin_mi(this, QString::fromUtf8(KAYDEDILSIN_MI))) {
        case Kayit_Yaniti::Kaydet:
            return Bulmacayi_Sakla();
        case Kayit_Yaniti::Kaydetme:
            return true;
        case Kayit_Yaniti::Iptal:
            break;
    }
    return false;
}

// "&Çıkış" ends the program without the closing step, so no setting is
// written. It asks about unsaved puzzle changes first, as closing does: the
// settings are the user's to skip, an hour's fill is not. During a run the
// program ends at once, the run stopping at its next check.
void Ana_Form::Cikis() {
    if (calisma_.suruyor())
        calisma_.cikis_iste();
    else if (!degisiklikler_birakilabilir())
        return;
    QCoreApplication::exit(0);
}

}  // namespace velzora
