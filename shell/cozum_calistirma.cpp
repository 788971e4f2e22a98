#include "cozum_calistirma.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "cozucu/cozucu.h"
#include "cozucu/yeniden_baslatma.h"
#include "sure_metni.h"

namespace velzora {
namespace {

constexpr char COZUM_BULUNDU[] = "    Çözüm Bulundu";
constexpr char SATIR_SONU[] = "\r\n";
constexpr char GECEN_SURE[] = "Geçen Süre:";
constexpr char COZUM_BULUNAMADI[] = "Çözüm Bulunamadı";
constexpr char DURDUR[] = "Durdur";
constexpr char DURDURMAK_ISTIYOR_MUSUNUZ[] = "Bulmaca çözme işlemini durdurmak istiyor musunuz?";
constexpr char ILERLEME[] = "Kabul edilen kelime: %1   Derinlik %2/%3   Süre: %4";
// Added in the restart search.
constexpr char TUR[] = "   Tur %1";

// A few refreshes a second: the line is read, not watched word by word.
constexpr std::chrono::milliseconds ILERLEME_ARALIGI{200};

}  // namespace

Cozum_Calistirma::Cozum_Calistirma(Ana_Form& ana)
    : ana_(ana),
      ilerleme_(new QLabel),
      kaynak_uretici_([] { return std::make_unique<Mt_Kaynak>(gece_yarisindan_saniye()); }) {
    ilerleme_->setObjectName(QStringLiteral("lblIlerleme"));
    ana_.sbStatusBar()->addPermanentWidget(ilerleme_);
}

void Cozum_Calistirma::kapanis_iste() {
    if (bitis_istegi_ == Bitis_Istegi::Yok)
        bitis_istegi_ = Bitis_Istegi::Kapanis;
}

void Cozum_Calistirma::cikis_iste() {
    bitis_istegi_ = Bitis_Istegi::Cikis;
}

void Cozum_Calistirma::Kos() {
    Program_Durumu& d = ana_.durum();
    Arac_Cubugu& tb = *ana_.tbToolBar();
    switch (asama_) {
        case Calisma_Asamasi::Kapaniyor:
            return;
        case Calisma_Asamasi::Suruyor:
            // A stop request; made again before the stop check, it is the same one.
            ana_.buton_goster1();
            tb.basla_resmi(Resim::Basla);
            d.Hazir = true;
            return;
        case Calisma_Asamasi::Bos:
            break;
    }

    asama_ = Calisma_Asamasi::Suruyor;
    bitis_istegi_ = Bitis_Istegi::Yok;
    ana_.buton_gizle1();
    tb.basla_resmi(Resim::Durdur);
    d.Hazir = false;
    if (Bul_Form* bul = ana_.bul_form())
        bul->duzenleme_kilidi(true);
    baslangic_ = std::chrono::steady_clock::now();
    son_olaylar_ = {};
    son_yazim_ = {};
    ilerleme_->clear();

    const std::unique_ptr<Rastgele_Kaynak> kaynak = kaynak_uretici_();
    const Analiz_Sonucu analiz = d.Cozucu.analiz_et(
        d.Izgara, d.Sozluk, d.Sozluk_Degisti,
        [this] { return ana_.sozluk_oku() == Sozluk_Sonucu::Yuklendi; }, *kaynak);
    Cozum_Durumu sonuc = Cozum_Durumu::Analiz_Yok;
    if (analiz == Analiz_Sonucu::Tamam) {
        const auto kanca = [this](const Ilerleme& i) { return this->kanca(i); };
        const auto tekrar = [&d] { return d.Tekrar_Izni; };
        akilli_ = d.Akilli_Arama;
        sonuc = akilli_ ? d.Cozucu.bulmaca_coz(d.Izgara, kanca, tekrar, Yeniden_Baslatma{}, *kaynak)
                        : d.Cozucu.bulmaca_coz(d.Izgara, kanca, tekrar);
    } else if (analiz == Analiz_Sonucu::Bellek_Yetersiz) {
        sonuc = Cozum_Durumu::Bellek_Yetersiz;
    }
    bitir(analiz, sonuc);
}

// Runs after every accepted word (the grid already redrawn) and at the
// search's periodic checks: the windows work here, and here a stop request
// is answered. Nothing else changes the run's state, so a call that finds
// the windows worked a moment ago has nothing to do.
Kanca_Yaniti Cozum_Calistirma::kanca(const Ilerleme& i) {
    const auto simdi = std::chrono::steady_clock::now();
    if (simdi - son_olaylar_ < olay_araligi_)
        return Kanca_Yaniti::Devam;
    son_olaylar_ = simdi;
    if (simdi - son_yazim_ >= ILERLEME_ARALIGI)
        ilerleme_yaz(i.kabul_edilen, i.En_Derin, i.Yer_Sayisi, i.tur);
    QCoreApplication::processEvents();
    if (bitis_istegi_ != Bitis_Istegi::Yok)
        return Kanca_Yaniti::Durdur;
    Program_Durumu& d = ana_.durum();
    if (!d.Hazir)
        return Kanca_Yaniti::Devam;
    const bool durdur = ana_.etkilesim().soru(&ana_, QString::fromUtf8(DURDUR),
                                              QString::fromUtf8(DURDURMAK_ISTIYOR_MUSUNUZ));
    if (durdur || bitis_istegi_ != Bitis_Istegi::Yok)
        return Kanca_Yaniti::Durdur;
    // Declined: the toolbar and the picture stay as the request left them.
    d.Hazir = false;
    return Kanca_Yaniti::Devam;
}

void Cozum_Calistirma::ilerleme_yaz(long long kabul_edilen, int En_Derin, int Yer_Sayisi,
                                    long long tur) {
    const auto simdi = std::chrono::steady_clock::now();
    son_yazim_ = simdi;
    const QLocale yerel;
    QString metin = QString::fromUtf8(ILERLEME).arg(
        yerel.toString(kabul_edilen), QString::number(En_Derin), QString::number(Yer_Sayisi),
        calisma_suresi_metni(std::chrono::duration_cast<std::chrono::seconds>(simdi - baslangic_)));
    if (akilli_)
        metin += QString::fromUtf8(TUR).arg(yerel.toString(tur));
    ilerleme_->setText(metin);
}

void Cozum_Calistirma::bitir(Analiz_Sonucu analiz, Cozum_Durumu sonuc) {
    Program_Durumu& d = ana_.durum();
    Arac_Cubugu& tb = *ana_.tbToolBar();
    const Bulmaca_Cozucu& c = d.Cozucu;
    asama_ = Calisma_Asamasi::Kapaniyor;
    if (analiz == Analiz_Sonucu::Tamam)
        ilerleme_yaz(c.istatistik().kabul_edilen, c.En_Derin(), c.Yer_Sayisi(), c.Tur_Sayisi());

    if (bitis_istegi_ == Bitis_Istegi::Yok) {
        switch (sonuc) {
            case Cozum_Durumu::Cozuldu:
                ana_.etkilesim().mesaj(
                    &ana_, QString::fromUtf8(COZUM_BULUNDU) + QString::fromUtf8(SATIR_SONU) +
                               QString::fromUtf8(GECEN_SURE) +
                               gecen_sure_metni(c.Bitis_Zamani() - c.Baslama_Zamani(), QLocale()));
                break;
            case Cozum_Durumu::Cozulemedi:
                // The deepest fill is in the grid already.
                tb.konum(Arac_Cubugu::BASLA_KONUMU)->setEnabled(false);
                ana_.etkilesim().mesaj(&ana_, QString::fromUtf8(COZUM_BULUNAMADI));
                break;
            case Cozum_Durumu::Bellek_Yetersiz:
                ana_.etkilesim().mesaj(&ana_, QString::fromUtf8(BELLEK_YETERSIZ_MESAJI.data(),
                                                                BELLEK_YETERSIZ_MESAJI.size()));
                break;
            case Cozum_Durumu::Durduruldu:
            case Cozum_Durumu::Analiz_Yok:
                break;
        }
    }

    tb.basla_resmi(Resim::Basla);
    d.Hazir = true;
    ana_.buton_goster1();
    if (Bul_Form* bul = ana_.bul_form())
        bul->duzenleme_kilidi(false);
    asama_ = Calisma_Asamasi::Bos;

    // The user left the dictionary chooser asking to end the program, or
    // closed the main window during the run: it closes now, as it always does.
    if (analiz == Analiz_Sonucu::Sozluk_Yuklenemedi || bitis_istegi_ == Bitis_Istegi::Kapanis)
        ana_.close();
    bitis_istegi_ = Bitis_Istegi::Yok;
}

}  // namespace velzora
