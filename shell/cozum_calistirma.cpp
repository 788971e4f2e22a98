#include "cozum_calistirma.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include <algorithm>
#include <thread>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "cozucu/cozucu.h"
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
constexpr char AKILLI_ILERLEME[] =
    "Düğüm: %1   Başarısız: %2   Yeniden başlatma: %3   Derinlik %4/%5   Süre: %6";
// Added to the line when the search went through every choice.
constexpr char KANITLANDI[] = "   Çözümü olmadığı kanıtlandı";
constexpr char AKILLI_ARAMA_ONERISI[] =
    "Çözüm uzun sürüyor: Seçenekler'deki \"Akıllı arama\" çözümü ya da çözümsüzlüğü çoğu "
    "zaman hemen bulur.";

// A few refreshes a second: the line is read, not watched word by word.
constexpr std::chrono::milliseconds ILERLEME_ARALIGI{200};

}  // namespace

Cozum_Calistirma::Cozum_Calistirma(Ana_Form& ana)
    : ana_(ana),
      ilerleme_(new QLabel),
      kaynak_uretici_([] { return std::make_unique<Mt_Kaynak>(gece_yarisindan_saniye()); }) {
    ilerleme_->setObjectName(QStringLiteral("lblIlerleme"));
    ana_.sbStatusBar()->addPermanentWidget(ilerleme_);
    // Another template or a new one: the last run's figures no longer apply.
    izgara_dinleyicisi_ = ana_.durum().Izgara.dinleyici_ekle([this](const Izgara_Degisikligi& d) {
        if (d.ebat_degisti && !suruyor())
            ilerleme_->clear();
    });
}

Cozum_Calistirma::~Cozum_Calistirma() {
    ana_.durum().Izgara.dinleyici_cikar(izgara_dinleyicisi_);
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
    oneri_yapildi_ = false;
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
        if (akilli_) {
            const Akilli_Ayar ayar{
                static_cast<int>(std::max(1u, std::thread::hardware_concurrency())),
                static_cast<std::uint64_t>(kaynak->tekduze() * 0x1p32)};
            sonuc = d.Cozucu.akilli_coz(d.Izgara, kanca, tekrar, ayar);
        } else {
            sonuc = d.Cozucu.bulmaca_coz(d.Izgara, kanca, tekrar);
        }
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
    if (simdi - son_yazim_ >= ILERLEME_ARALIGI) {
        son_yazim_ = simdi;
        ilerleme_yaz(i, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()) -
                            ana_.durum().Cozucu.Baslama_Zamani());
    }
    if (!akilli_ && !oneri_yapildi_ && simdi - baslangic_ >= oneri_suresi_) {
        oneri_yapildi_ = true;
        ana_.sbStatusBar()->showMessage(QString::fromUtf8(AKILLI_ARAMA_ONERISI));
    }
    QCoreApplication::processEvents();
    if (bitis_istegi_ != Bitis_Istegi::Yok)
        return Kanca_Yaniti::Durdur;
    Program_Durumu& d = ana_.durum();
    if (!d.Hazir)
        return Kanca_Yaniti::Devam;
    const bool durdur = ana_.etkilesim().calisma_sorusu(
        &ana_, QString::fromUtf8(DURDUR), QString::fromUtf8(DURDURMAK_ISTIYOR_MUSUNUZ));
    if (durdur || bitis_istegi_ != Bitis_Istegi::Yok)
        return Kanca_Yaniti::Durdur;
    // Declined: the toolbar and the picture stay as the request left them.
    d.Hazir = false;
    return Kanca_Yaniti::Devam;
}

void Cozum_Calistirma::ilerleme_yaz(const Ilerleme& i, std::chrono::seconds sure) {
    const QLocale yerel;
    const QString sure_metni = gecen_sure_metni(sure, yerel);
    ilerleme_->setText(
        akilli_ ? QString::fromUtf8(AKILLI_ILERLEME)
                      .arg(yerel.toString(i.dugum), yerel.toString(i.basarisiz),
                           yerel.toString(i.yeniden_baslatma), QString::number(i.En_Derin),
                           QString::number(i.Yer_Sayisi), sure_metni)
                : QString::fromUtf8(ILERLEME).arg(yerel.toString(i.kabul_edilen),
                                                  QString::number(i.En_Derin),
                                                  QString::number(i.Yer_Sayisi), sure_metni));
}

void Cozum_Calistirma::bitir(Analiz_Sonucu analiz, Cozum_Durumu sonuc) {
    Program_Durumu& d = ana_.durum();
    Arac_Cubugu& tb = *ana_.tbToolBar();
    const Bulmaca_Cozucu& c = d.Cozucu;
    asama_ = Calisma_Asamasi::Kapaniyor;
    if (analiz == Analiz_Sonucu::Tamam) {
        // The figures of the end, and the elapsed time that the message shows.
        const Arama_Istatistigi ist = c.istatistik();
        Ilerleme son;
        son.kabul_edilen = ist.kabul_edilen;
        son.En_Derin = c.En_Derin();
        son.Yer_Sayisi = c.Yer_Sayisi();
        son.dugum = ist.dugum;
        son.basarisiz = ist.basarisiz;
        son.yeniden_baslatma = ist.yeniden_baslatma;
        ilerleme_yaz(son, c.Bitis_Zamani() - c.Baslama_Zamani());
        if (sonuc == Cozum_Durumu::Cozulemedi)
            ilerleme_->setText(ilerleme_->text() + QString::fromUtf8(KANITLANDI));
    }

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
            case Cozum_Durumu::Sinir_Doldu:
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
