// The solve run in the desktop program against the bare solver on the same
// seeded run: accepted words per second with the live display (grid redrawn
// and the windows working at every hook call) and without it, as
// velzora-cli solve runs it; and how responsive the window stays: the
// longest gap between two ticks of a 5 ms timer during the run, and how long
// a stop request takes to end the run.
//
//   velzora_kos_olcumu --template FILE --dict FILE [--seed N] [--seconds S]
//                      [--interval-ms MS] [--program-only] [--smart]
//
// With --seconds the windowed run is asked to stop (answered Yes) after S
// seconds and the bare run gets the same time. --interval-ms sets how often
// the windows work during the run (0: at every hook call); the program's own
// setting otherwise. --program-only skips the bare run, so that a whole-
// process timer can hold this program against velzora-cli solve itself.
// --smart runs the smart search on every processor instead (no bare run):
// how soon a stop ends all its engines. Runs on the platform that
// QT_QPA_PLATFORM names: offscreen by default, xcb under Xvfb.
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "ana_form.h"
#include "bul_form.h"
#include "cozucu/cozucu.h"
#include "etkilesim.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace {

using namespace velzora;
using Saat = std::chrono::steady_clock;

// Messages are printed; every stop prompt is answered Yes.
class Olcum_Etkilesimi final : public Etkilesim {
  public:
    void mesaj(QWidget*, const QString& metin) override {
        std::printf("  message: %s\n", qPrintable(QString(metin).replace("\r\n", " / ")));
    }
    bool soru(QWidget*, const QString&, const QString&) override { return true; }
    Kayit_Yaniti kaydetsin_mi(QWidget*, const QString&) override { return Kayit_Yaniti::Kaydetme; }
    QString dosya_sor(QWidget*, const Dosya_Istegi&) override { return {}; }
    std::optional<Ebat> ebat_sor(QWidget*, Ebat) override { return std::nullopt; }
};

struct Olcum {
    long long kabul = 0;
    double saniye = 0;
    Cozum_Durumu durum = Cozum_Durumu::Analiz_Yok;
    double hiz() const { return saniye > 0 ? static_cast<double>(kabul) / saniye : 0; }
};

const char* durum_adi(Cozum_Durumu d) {
    switch (d) {
        case Cozum_Durumu::Cozuldu:
            return "solved";
        case Cozum_Durumu::Cozulemedi:
            return "no fill";
        case Cozum_Durumu::Durduruldu:
            return "stopped";
        case Cozum_Durumu::Sinir_Doldu:
            return "tries spent";
        case Cozum_Durumu::Bellek_Yetersiz:
            return "out of memory";
        case Cozum_Durumu::Analiz_Yok:
            break;
    }
    return "not run";
}

// The run of velzora-cli solve: no hook work beyond the time check.
Olcum ciplak_calisma(const std::string& sablon, const std::string& sozluk_yolu, std::uint64_t tohum,
                     double sure) {
    Izgara izgara;
    Sozluk sozluk;
    int satir = 0, sutun = 0;
    Sablon_Icerigi icerik;
    if (sablon_oku(sablon, icerik) != Sablon_Hatasi::Yok)
        return {};
    satsutoku(icerik, satir, sutun);
    if (!ebat_gecerli_mi(satir, sutun) || sozluk.oku(sozluk_yolu) != Sozluk_Hatasi::Yok)
        return {};
    izgara.ebat_ver(satir, sutun);
    syhkroku(icerik, izgara);
    Bulmaca_Cozucu cozucu;
    Mt_Kaynak kaynak(tohum);
    cozucu.analiz_et(
        izgara, sozluk, false, [] { return true; }, kaynak);
    const auto bas = Saat::now();
    const auto sinir = std::chrono::duration<double>(sure);
    Olcum o;
    o.durum = cozucu.bulmaca_coz(
        izgara,
        [&](const Ilerleme&) {
            return sure > 0 && Saat::now() - bas >= sinir ? Kanca_Yaniti::Durdur
                                                          : Kanca_Yaniti::Devam;
        },
        [] { return false; });
    o.kabul = cozucu.istatistik().kabul_edilen;
    o.saniye = std::chrono::duration<double>(cozucu.Arama_Suresi()).count();
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QString sablon, sozluk;
    std::uint64_t tohum = 1;
    double sure = 0;
    long long aralik_ms = -1;
    bool yalniz_program = false;
    bool akilli = false;
    const QStringList a = QApplication::arguments();
    for (qsizetype i = 1; i < a.size(); ++i) {
        if (a[i] == "--program-only" || a[i] == "--smart") {
            yalniz_program = true;
            akilli = akilli || a[i] == "--smart";
            continue;
        }
        if (i + 1 == a.size())
            break;
        if (a[i] == "--template")
            sablon = a[i + 1];
        else if (a[i] == "--dict")
            sozluk = a[i + 1];
        else if (a[i] == "--seed")
            tohum = a[i + 1].toULongLong();
        else if (a[i] == "--seconds")
            sure = a[i + 1].toDouble();
        else if (a[i] == "--interval-ms")
            aralik_ms = a[i + 1].toLongLong();
        else
            continue;
        ++i;
    }
    if (sablon.isEmpty() || sozluk.isEmpty()) {
        std::fprintf(stderr,
                     "usage: velzora_kos_olcumu --template FILE --dict FILE [--seed N] "
                     "[--seconds S] [--interval-ms MS] [--program-only] [--smart]\n");
        return 2;
    }

    // A settings store of its own, naming the template and the dictionary.
    QTemporaryDir ayar_dizini;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayar_dizini.path());
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, "Velzora", "Velzora");
        s.setValue("Settings/SOZ", sozluk);
        s.setValue("Settings/SAB", sablon);
    }
    Olcum_Etkilesimi etkilesim;
    Ana_Form ana(etkilesim, Dizinler{ayar_dizini.path(), ayar_dizini.path(), ayar_dizini.path()});
    if (ana.MDIForm_Load() != Baslangic_Sonucu::Devam)
        return 1;
    ana.calisma().kaynak_uretici_ata([tohum] { return std::make_unique<Mt_Kaynak>(tohum); });
    ana.durum().Akilli_Arama = akilli;
    if (aralik_ms >= 0)
        ana.calisma().olay_araligi_ata(std::chrono::microseconds(aralik_ms * 1000));
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();

    // The window's clock: the longest wait between ticks shows how long the
    // windows went without working.
    QElapsedTimer saat;
    qint64 son_tik = -1, en_uzun_ara = 0, tik_sayisi = 0;
    QTimer tik;
    tik.setInterval(5);
    QObject::connect(&tik, &QTimer::timeout, [&] {
        const qint64 simdi = saat.elapsed();
        if (son_tik >= 0)
            en_uzun_ara = std::max(en_uzun_ara, simdi - son_tik);
        son_tik = simdi;
        ++tik_sayisi;
    });
    qint64 durdurma_istegi = -1;
    QTimer durdurma;
    durdurma.setSingleShot(true);
    QObject::connect(&durdurma, &QTimer::timeout, [&] {
        durdurma_istegi = saat.elapsed();
        ana.Kos();
    });

    std::printf("%s, seed %llu, platform %s\n", qPrintable(sablon),
                static_cast<unsigned long long>(tohum), qPrintable(QApplication::platformName()));
    saat.start();
    tik.start();
    if (sure > 0)
        durdurma.start(static_cast<int>(sure * 1000));
    ana.Kos();
    const qint64 bitis = saat.elapsed();
    tik.stop();

    const Bulmaca_Cozucu& c = ana.durum().Cozucu;
    Olcum pencere;
    pencere.kabul = c.istatistik().kabul_edilen;
    pencere.saniye = std::chrono::duration<double>(c.Arama_Suresi()).count();
    pencere.durum = c.Durum();
    std::printf("  program:  %-8s %12lld words in %8.3f s = %11.0f words/s\n",
                durum_adi(pencere.durum), pencere.kabul, pencere.saniye, pencere.hiz());
    if (!yalniz_program) {
        const Olcum ciplak = ciplak_calisma(sablon.toStdString(), sozluk.toStdString(), tohum,
                                            sure > 0 ? pencere.saniye : 0);
        std::printf("  bare run: %-8s %12lld words in %8.3f s = %11.0f words/s\n",
                    durum_adi(ciplak.durum), ciplak.kabul, ciplak.saniye, ciplak.hiz());
        if (pencere.hiz() > 0)
            std::printf("  bare / program speed: %.2f\n", ciplak.hiz() / pencere.hiz());
    }
    std::printf("  longest gap between 5 ms ticks: %lld ms (%lld ticks)\n",
                static_cast<long long>(en_uzun_ara), static_cast<long long>(tik_sayisi));
    if (durdurma_istegi >= 0)
        std::printf("  stop request to end of run: %lld ms\n",
                    static_cast<long long>(bitis - durdurma_istegi));
    return 0;
}
