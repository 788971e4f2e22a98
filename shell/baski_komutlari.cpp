// The output commands of the main window: the document that the word
// processor opens as a new one, the document and the PDF saved where the
// user chooses, the print preview and printing.
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "ana_form.h"
#include "baski_cizimi.h"
#include "belge_acici.h"
#include "bul_form.h"
#include "dosya_yolu.h"
#include "gecici_belge.h"
#include "pdf_belgesi.h"
#include "uygulama.h"

namespace velzora {
namespace {

constexpr char BELGE_OLUSTURULAMADI[] = "Bulmaca belgesi oluşturulamadı.";
constexpr char BELGE_YAZILAMADI[] = "Belge yazılamadı:\n%1";
constexpr char ACAN_PROGRAM_YOK[] = "Bu belgeyi açabilecek bir kelime işlemci bulunamadı.";
constexpr char GECICI_YAZILAMADI[] = "Belge geçici klasöre yazılamadı.";
constexpr char KAYDETMEK_ISTER_MISINIZ[] = "Belgeyi istediğiniz bir yere kaydetmek ister misiniz?";
constexpr char BELGE_KAYDET[] = "Belgeyi Kaydet";
constexpr char BELGE_FILTRESI[] = "Word belgeleri (*.docx)|*.docx";
constexpr char BELGE_UZANTISI[] = "docx";
constexpr char PDF_KAYDET[] = "PDF Olarak Kaydet";
constexpr char PDF_FILTRESI[] = "PDF belgeleri (*.pdf)|*.pdf";
constexpr char PDF_UZANTISI[] = "pdf";
constexpr char KAYDEDILDI[] = "Kaydedildi: %1";
constexpr char YAZDIRILAMADI[] = "Bulmaca yazdırılamadı.";
constexpr char ONIZLEME_BASLIGI[] = "Baskı Önizleme";

constexpr int DURUM_SURESI_MS = 6000;

QString U(const char* metin) {
    return QString::fromUtf8(metin);
}

enum class Cikti_Bicimi { Belge, Pdf };

// Asks where to save, then writes the file whole or not at all.
void kaydet(Ana_Form& ana, const Bulmaca_Icerigi& icerik, Cikti_Bicimi bicim) {
    const bool pdf = bicim == Cikti_Bicimi::Pdf;
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Sakla;
    istek.baslik = U(pdf ? PDF_KAYDET : BELGE_KAYDET);
    istek.filtre = U(pdf ? PDF_FILTRESI : BELGE_FILTRESI);
    istek.varsayilan_uzanti = QString::fromLatin1(pdf ? PDF_UZANTISI : BELGE_UZANTISI);
    const QString ad = ana.etkilesim().dosya_sor(&ana, istek);
    if (ad.isEmpty())
        return;
    const auto yol = dosya_yolu(ad);
    switch (pdf ? pdf_olustur(yol, icerik) : belge_olustur(yol, icerik)) {
        case Belge_Hatasi::Yok:
            ana.sbStatusBar()->showMessage(U(KAYDEDILDI).arg(ad), DURUM_SURESI_MS);
            break;
        case Belge_Hatasi::Olusturulamadi:
            ana.etkilesim().mesaj(&ana, U(BELGE_OLUSTURULAMADI));
            break;
        case Belge_Hatasi::Yazilamadi:
            ana.etkilesim().mesaj(&ana, U(BELGE_YAZILAMADI).arg(ad));
            break;
    }
}

// The printer must have taken every page.
bool basildi(QPrinter& yazici, const Bulmaca_Icerigi& icerik) {
    return baski_ciz(yazici, icerik) == Baski_Sonucu::Tamam &&
           yazici.printerState() != QPrinter::Error;
}

void yazdir(Ana_Form& ana, const Bulmaca_Icerigi& icerik) {
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog pencere(&yazici, &ana);
    if (pencere.exec() == QDialog::Accepted && !basildi(yazici, icerik))
        ana.etkilesim().mesaj(&ana, U(YAZDIRILAMADI));
}

// The preview's own print button prints through the same drawing.
void onizle(Ana_Form& ana, const Bulmaca_Icerigi& icerik) {
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog pencere(&yazici, &ana);
    pencere.setWindowTitle(U(ONIZLEME_BASLIGI));
    QObject::connect(&pencere, &QPrintPreviewDialog::paintRequested, &pencere, [&](QPrinter* y) {
        if (!basildi(*y, icerik))
            ana.etkilesim().mesaj(&ana, U(YAZDIRILAMADI));
    });
    pencere.exec();
}

}  // namespace

Bulmaca_Icerigi Ana_Form::bulmaca_icerigi() const {
    // The fill, with the designer's edits to its clues; none before the
    // puzzle window exists.
    if (bul_ == nullptr)
        return velzora::bulmaca_icerigi(durum_.Izgara, Dolgu{}.sorular(), false);
    return velzora::bulmaca_icerigi(durum_.Izgara, bul_->belge().dolgu().sorular(),
                                    bul_->cozum_sayfasi_istendi());
}

void Ana_Form::Belgeye_Aktar() {
    Pan_Kopyala();
    const Bulmaca_Icerigi icerik = bulmaca_icerigi();
    const auto bayt = belge_baytlari(icerik, Belge_Turu::Sablon);
    if (!bayt) {
        etkilesim_.mesaj(this, U(BELGE_OLUSTURULAMADI));
        return;
    }
    // A template: the word processor makes a new, untitled document of it,
    // which asks where to go on its first save.
    const char* neden = GECICI_YAZILAMADI;
    if (const auto yol = gecici_belge_yolu();
        yol && baytlari_yaz(*yol, bayt) == Belge_Hatasi::Yok) {
        if (belgeyi_ac(*yol, QString::fromLatin1(SABLON_TURU)) == Acma_Sonucu::Acildi)
            return;
        neden = ACAN_PROGRAM_YOK;
    }
    if (etkilesim_.soru(this, U(UYGULAMA_ADI),
                        U(neden) + QLatin1Char('\n') + U(KAYDETMEK_ISTER_MISINIZ)))
        kaydet(*this, icerik, Cikti_Bicimi::Belge);
}

void Ana_Form::Cikti_Komutu(const QString& komut) {
    if (komut_reddedildi())
        return;
    if (komut == QLatin1String("mnuBelge_Ac"))
        Belgeye_Aktar();
    else if (komut == QLatin1String("mnuBelge_Kaydet"))
        kaydet(*this, bulmaca_icerigi(), Cikti_Bicimi::Belge);
    else if (komut == QLatin1String("mnuPdf_Kaydet"))
        kaydet(*this, bulmaca_icerigi(), Cikti_Bicimi::Pdf);
    else if (komut == QLatin1String("mnuOnizleme"))
        onizle(*this, bulmaca_icerigi());
    else if (komut == QLatin1String("mnuYazdir"))
        yazdir(*this, bulmaca_icerigi());
}

}  // namespace velzora
