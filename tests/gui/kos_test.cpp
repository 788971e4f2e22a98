// The solve run from the main window: its outcomes and messages, the stop
// prompt, what a run refuses, closing and leaving during a run, and the
// dictionary reload. Message boxes are answered by the test; work that the
// user would do during a run is queued before the run and happens at the
// search's first hook call, where the run lets the windows work.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <set>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "sure_metni.h"
#include "tercihler.h"
#include "test_ortami.h"

namespace velzora {
namespace {

using namespace std::chrono_literals;

// A 3 x 3 white grid and a word square: the rows and the columns of the
// solution are these six words (or the same square transposed).
constexpr char KARE_SABLON[] = "BULMACA SABLONU\r\n 3  3 \r\n";
constexpr char KARE_SOZLUK[] =
    "ABC:bir\r\nDEF:iki\r\nGHI:\xFC\xE7\r\nADG:d\xF6rt\r\nBEH:be\xFE\r\nCFI:alt\xFD\r\n";
constexpr char IKINCI_KARE_SOZLUK[] =
    "KLM:bir\r\nNOP:iki\r\nRST:\xFC\xE7\r\nKNR:d\xF6rt\r\nLOS:be\xFE\r\nMPT:alt\xFD\r\n";
constexpr char UCUNCU_KARE_SOZLUK[] =
    "UVY:bir\r\nZAB:iki\r\nCDE:\xFC\xE7\r\nUZC:d\xF6rt\r\nVAD:be\xFE\r\nYBE:alt\xFD\r\n";

// 2 x 2 without a fill: whichever word row 1 takes, one down word can follow
// it and then the last two slots contradict each other (deepest level 2).
constexpr char IKILI_SABLON[] = "BULMACA SABLONU\r\n 2  2 \r\n";
constexpr char CIKMAZ_SOZLUK[] = "AB:a\r\nAC:b\r\nBD:c\r\nCE:d\r\n";

// Row 1 across and two down slots that do not cross each other but can only
// both hold AX: solvable only with repetition allowed.
constexpr char TEKRAR_SABLON[] = "BULMACA SABLONU\r\n 2  3 \r\n 2  2 \r\n";
constexpr char TEKRAR_SOZLUK[] = "ABA:a\r\nAX:b\r\n";

constexpr char DURDURMA_SORUSU[] = "Bulmaca çözme işlemini durdurmak istiyor musunuz?";
constexpr char REDDEDILDI[] = "Çözüm sürerken bu komut kullanılamaz.";
constexpr char KILITLI[] = "Çözüm sürerken bulmaca değiştirilemez.";

}  // namespace

class Kos_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Gecici_Ayarlar> ayarlar_;
    std::unique_ptr<QTemporaryDir> veri_;
    std::unique_ptr<test::Senaryolu_Etkilesim> etkilesim_;
    std::unique_ptr<Ana_Form> ana_;

    QString veri(const char* ad) const { return veri_->filePath(QString::fromLatin1(ad)); }

    // Starts the program on the given default template and dictionary.
    Ana_Form& baslat(const char* sablon, const char* sozluk) {
        test::dosya_yaz(veri("sablon01.txt"), sablon);
        test::dosya_yaz(veri("sozluk.txt"), sozluk);
        ana_ = std::make_unique<Ana_Form>(
            *etkilesim_,
            Dizinler{veri_->path(), QStringLiteral(VELZORA_YARDIM_KAYNAGI), veri_->path()});
        if (ana_->MDIForm_Load() != Baslangic_Sonucu::Devam)
            qFatal("start-up failed");
        // The windows work at every hook call, so that what a test queues
        // happens at a known point of the run.
        ana_->calisma().olay_araligi_ata(std::chrono::microseconds{0});
        return *ana_;
    }
    Ana_Form& ana() { return *ana_; }
    Izgara& izgara() { return ana_->durum().Izgara; }
    Arac_Cubugu& tb() { return *ana_->tbToolBar(); }
    QAction* eylem(const char* ad) { return ana_->findChild<QAction*>(QString::fromLatin1(ad)); }

    // Runs `is` at the first moment the windows work during the next run.
    void calisirken(std::function<void()> is) {
        QMetaObject::invokeMethod(ana_.get(), std::move(is), Qt::QueuedConnection);
    }
    void durdur_dugmesine_bas() { tb().konum(Arac_Cubugu::BASLA_KONUMU)->trigger(); }

    bool basla_resmi(Resim r) {
        return tb().konum(Arac_Cubugu::BASLA_KONUMU)->icon().pixmap(24).toImage() ==
               tb().imlToolbarIcons(r).pixmap(24).toImage();
    }
    // Only the solve button usable (locked), or all 15 positions.
    bool arac_cubugu_kilitli() {
        for (int i = 1; i <= Arac_Cubugu::KONUM_SAYISI; ++i) {
            if (tb().konum(i)->isEnabled() != (i == Arac_Cubugu::BASLA_KONUMU))
                return false;
        }
        return true;
    }
    bool arac_cubugu_acik() {
        for (int i = 1; i <= Arac_Cubugu::KONUM_SAYISI; ++i) {
            if (!tb().konum(i)->isEnabled())
                return false;
        }
        return true;
    }
    // Idle after a run: all enabled, picture 4, no run.
    void bosta_olmali() {
        QVERIFY(arac_cubugu_acik());
        QVERIFY(basla_resmi(Resim::Basla));
        QVERIFY(ana().durum().Hazir);
        QVERIFY(!ana().calisma().suruyor());
        QVERIFY(!ana().bul_form()->duzenleme_kilitli());
    }

    std::string satir(int r) {
        std::string s;
        for (int c = 1; c <= izgara().Sutun_Sayisi(); ++c)
            s += izgara().harf_al(r, c);
        return s;
    }
    std::string sutun(int c) {
        std::string s;
        for (int r = 1; r <= izgara().Satir_Sayisi(); ++r)
            s += izgara().harf_al(r, c);
        return s;
    }
    int dolu_hucre() {
        int n = 0;
        for (int r = 1; r <= izgara().Satir_Sayisi(); ++r) {
            for (int c = 1; c <= izgara().Sutun_Sayisi(); ++c)
                n += !izgara().harf_al(r, c).empty();
        }
        return n;
    }
    // Every row and column of the 3 x 3 grid is a word of the loaded dictionary.
    bool kare_dolu() {
        std::set<std::string> kelimeler;
        for (int i = 1; i <= ana().durum().Sozluk.Kelime_Sayisi(); ++i)
            kelimeler.insert(std::string(ana().durum().Sozluk.Kelime(i)));
        for (int i = 1; i <= 3; ++i) {
            if (!kelimeler.count(satir(i)) || !kelimeler.count(sutun(i)))
                return false;
        }
        return true;
    }

  private slots:
    void init() {
        ayarlar_ = std::make_unique<test::Gecici_Ayarlar>();
        veri_ = std::make_unique<QTemporaryDir>();
        etkilesim_ = std::make_unique<test::Senaryolu_Etkilesim>();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }
    void cleanup() {
        ana_.reset();
        etkilesim_.reset();
        veri_.reset();
        ayarlar_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void sure_metinleri_data() {
        QTest::addColumn<long long>("saniye");
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<QString>("beklenen");
        const QLocale tr(QLocale::Turkish, QLocale::Turkey);
        QTest::newRow("under a second") << 0LL << tr << "00:00:00";
        QTest::newRow("65 s") << 65LL << tr << "00:01:05";
        QTest::newRow("a day less a second") << 86399LL << tr << "23:59:59";
        QTest::newRow("over a day") << 86400LL + 7384 << tr << "1 gün 02:03:04";
        QTest::newRow("clock set back") << -5LL << tr << "00:00:00";
        // The locale's own format, without the time zone it carries.
        QTest::newRow("en_US") << 65LL << QLocale(QLocale::English, QLocale::UnitedStates)
                               << "12:01:05 AM";
    }
    void sure_metinleri() {
        QFETCH(long long, saniye);
        QFETCH(QLocale, yerel);
        QFETCH(QString, beklenen);
        QCOMPARE(gecen_sure_metni(std::chrono::seconds(saniye), yerel), beklenen);
    }

    void gece_yarisini_asan_sure() {
        // Whole wall-clock seconds, as the solver records both ends.
        using namespace std::chrono;
        const sys_days gun = 2024y / 3 / 5;
        const sys_seconds bas = gun + 23h + 59min + 50s;
        const sys_seconds son = gun + 24h + 1min + 5s;
        QCOMPARE(gecen_sure_metni(son - bas, QLocale(QLocale::Turkish)),
                 QStringLiteral("00:01:15"));
        QCOMPARE(calisma_suresi_metni(27h + 5s), QStringLiteral("27:00:05"));
    }

    void cozulen_calisma() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        ana().calisma().olay_araligi_ata(Cozum_Calistirma::OLAY_ARALIGI);
        bool calisirken_goruldu = false;
        calisirken([&] {
            // After the first accepted word: locked, picture 5, the word in
            // the grid, the progress line up.
            calisirken_goruldu = true;
            QVERIFY(arac_cubugu_kilitli());
            QVERIFY(basla_resmi(Resim::Durdur));
            QVERIFY(!ana().durum().Hazir);
            QCOMPARE(dolu_hucre(), 3);
            QVERIFY(!eylem("mnuTemizle")->isEnabled());
            QVERIFY(ana().calisma().ilerleme_etiketi()->text().contains(
                QStringLiteral("Derinlik 1/6")));
        });
        // A use while the outcome is shown starts nothing.
        etkilesim_->mesaj_aninda = [&](const QString&) {
            if (etkilesim_->mesajlar.size() == 1)
                ana().Kos();
        };
        ana().Kos();
        QVERIFY(calisirken_goruldu);

        QCOMPARE(etkilesim_->mesajlar.size(), 1u);
        const Bulmaca_Cozucu& c = ana().durum().Cozucu;
        QCOMPARE(etkilesim_->mesajlar.front(),
                 QStringLiteral("    Çözüm Bulundu\r\nGeçen Süre:") +
                     gecen_sure_metni(c.Bitis_Zamani() - c.Baslama_Zamani(), QLocale()));
        QVERIFY(QRegularExpression(QStringLiteral("^    Çözüm Bulundu\r\nGeçen Süre:00:00:0\\d$"))
                    .match(etkilesim_->mesajlar.front())
                    .hasMatch());
        QVERIFY(etkilesim_->sorular.empty());
        QVERIFY(kare_dolu());
        QCOMPARE(c.Durum(), Cozum_Durumu::Cozuldu);
        QVERIFY(ana().calisma().ilerleme_etiketi()->text().startsWith(
            QStringLiteral("Kabul edilen kelime: 6   Derinlik 6/6   Süre: 0:00:0")));
        bosta_olmali();
    }

    void cozulemeyen_calisma_en_derin_doldurmayi_gosterir() {
        baslat(IKILI_SABLON, CIKMAZ_SOZLUK);
        std::optional<bool> dugme_acikti;
        int gorunen_harf = -1;
        etkilesim_->mesaj_aninda = [&](const QString&) {
            dugme_acikti = tb().konum(Arac_Cubugu::BASLA_KONUMU)->isEnabled();
            gorunen_harf = dolu_hucre();
        };
        ana().Kos();
        QCOMPARE(etkilesim_->mesajlar, std::vector<QString>{"Çözüm Bulunamadı"});
        QCOMPARE(dugme_acikti, std::optional<bool>(false));
        // One across and one down word of the deepest level, both in the grid.
        const Bulmaca_Cozucu& c = ana().durum().Cozucu;
        QCOMPARE(c.En_Derin(), 2);
        QCOMPARE(gorunen_harf, 3);
        for (int s = 1; s <= c.Yer_Sayisi(); ++s) {
            const std::string_view w = c.En_Iyi_Kelime(s);
            const Kelime_Yeri& y = c.Yerler()[static_cast<std::size_t>(s)];
            for (int p = 1; p <= static_cast<int>(w.size()); ++p)
                QCOMPARE(izgara().harf_al(y.satir_k(p), y.sutun_k(p)), std::string(1, w[p - 1]));
        }
        bosta_olmali();
    }

    void durdurma_evet() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        calisirken([&] {
            durdur_dugmesine_bas();
            // The request alone unlocks and changes the picture.
            QVERIFY(arac_cubugu_acik());
            QVERIFY(basla_resmi(Resim::Basla));
            QVERIFY(ana().durum().Hazir);
        });
        etkilesim_->soru_yanitlari = {true};
        ana().Kos();
        QCOMPARE(etkilesim_->sorular, std::vector<QString>{QString::fromUtf8(DURDURMA_SORUSU)});
        QCOMPARE(etkilesim_->soru_basliklari, std::vector<QString>{"Durdur"});
        QVERIFY(etkilesim_->mesajlar.empty());
        QCOMPARE(ana().durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        // The partial fill of the last redraw stays.
        QCOMPARE(dolu_hucre(), 3);
        bosta_olmali();
    }

    void durdurma_hayir_ve_yeniden_sorma() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        calisirken([&] { durdur_dugmesine_bas(); });
        etkilesim_->soru_aninda = [&](const QString&) {
            if (etkilesim_->sorular.size() > 1)
                return;
            calisirken([&] {
                // Declined: the run goes on unlocked, with picture 4.
                QVERIFY(!ana().durum().Hazir);
                QVERIFY(ana().calisma().suruyor());
                QVERIFY(arac_cubugu_acik());
                QVERIFY(basla_resmi(Resim::Basla));
                durdur_dugmesine_bas();
            });
        };
        etkilesim_->soru_yanitlari = {false, true};
        ana().Kos();
        QCOMPARE(etkilesim_->sorular.size(), 2u);
        QVERIFY(etkilesim_->mesajlar.empty());
        QCOMPARE(ana().durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        bosta_olmali();

        // Declined once and left alone, the run ends as usual.
        izgara().harf_temizle();
        etkilesim_->sorular.clear();
        etkilesim_->soru_aninda = nullptr;
        etkilesim_->soru_yanitlari = {false};
        calisirken([&] { durdur_dugmesine_bas(); });
        ana().Kos();
        QCOMPARE(etkilesim_->sorular.size(), 1u);
        QCOMPARE(etkilesim_->mesajlar.size(), 1u);
        QVERIFY(etkilesim_->mesajlar.front().startsWith(QStringLiteral("    Çözüm Bulundu\r\n")));
        QVERIFY(kare_dolu());
        bosta_olmali();
    }

    void calismalar_ic_ice_girmez() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        // Two uses before the stop check, and one while the prompt is up:
        // all the same request, asked about once.
        calisirken([&] { durdur_dugmesine_bas(); });
        calisirken([&] { eylem("mnuBasla")->trigger(); });
        etkilesim_->soru_aninda = [&](const QString&) { ana().Kos(); };
        etkilesim_->soru_yanitlari = {true};
        ana().Kos();
        QCOMPARE(etkilesim_->sorular.size(), 1u);
        QVERIFY(etkilesim_->mesajlar.empty());
        QCOMPARE(ana().durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        bosta_olmali();
    }

    void calisirken_degistiren_komutlar_reddedilir() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        Izgara_Gorunumu& g = ana().bul_form()->grid();
        std::string ilk_satir;
        calisirken([&] {
            // After a stop request the whole toolbar is usable again.
            durdur_dugmesine_bas();
            ilk_satir = satir(1) + satir(2) + satir(3);
            for (int konum : {1, 2, 5}) {
                ana().sbStatusBar()->clearMessage();
                tb().konum(konum)->trigger();
                QCOMPARE(ana().sbStatusBar()->currentMessage(), QString::fromUtf8(REDDEDILDI));
            }
            for (const char* ad : {"mnuYeni_Sablon", "mnuSablon_Ac", "mnuRastgele", "mnuTemizle"})
                QVERIFY(!eylem(ad)->isEnabled());
            QTest::mouseDClick(&g, Qt::LeftButton, Qt::NoModifier, g.hucre_alani({3, 3}).center());
            QCOMPARE(ana().sbStatusBar()->currentMessage(), QString::fromUtf8(KILITLI));
            QTest::keyClick(&g, Qt::Key_K);
            QCOMPARE(satir(1) + satir(2) + satir(3), ilk_satir);
            QVERIFY(izgara().beyaz_mi(3, 3));
        });
        // Scripted dialogs would fail the test had any command asked.
        etkilesim_->soru_yanitlari = {false};
        ana().Kos();
        QVERIFY(kare_dolu());
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 3; ++c)
                QVERIFY(izgara().beyaz_mi(r, c));
        }
        bosta_olmali();
        for (const char* ad : {"mnuYeni_Sablon", "mnuSablon_Ac", "mnuRastgele", "mnuTemizle"})
            QVERIFY(eylem(ad)->isEnabled());
        eylem("mnuTemizle")->trigger();
        QCOMPARE(dolu_hucre(), 0);
    }

    void pencere_kapatilinca_calisma_durur_ve_ayarlar_yazilir() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        ana().durum().Siyah_Orani = 0.2f;
        calisirken([&] {
            ana().close();
            // Closing waits for the run to stop.
            QVERIFY(ana().isVisible());
        });
        ana().Kos();
        QVERIFY(etkilesim_->sorular.empty() && etkilesim_->mesajlar.empty());
        QCOMPARE(ana().durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!ana().isVisible());
        QCOMPARE(ayarlar_->oku("SKO").toString(), QStringLiteral("0.2"));
        QCOMPARE(ayarlar_->oku("SOZ").toString(), QDir::toNativeSeparators(veri("sozluk.txt")));
    }

    void cikis_calismayi_durdurur() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        QTimer::singleShot(0, &ana(), [this] { durdur_dugmesine_bas(); });
        QTimer::singleShot(0, &ana(), [this] { eylem("mnuCikis")->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(etkilesim_->sorular.empty() && etkilesim_->mesajlar.empty());
        QCOMPARE(ana().durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!QFile::exists(ayarlar_->dosya()));
    }

    void analiz_sorunlari() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        // Tables that would not fit end the run with a message.
        ana().durum().Cozucu.bellek_siniri_ata(64);
        ana().Kos();
        QCOMPARE(etkilesim_->mesajlar, std::vector<QString>{QString::fromUtf8(
                                           BELLEK_YETERSIZ_MESAJI.data(),
                                           static_cast<qsizetype>(BELLEK_YETERSIZ_MESAJI.size()))});
        QCOMPARE(dolu_hucre(), 0);
        bosta_olmali();

        // A dictionary that cannot be read, and a user who leaves rather than
        // choose another: the run ends and the program closes.
        ana().durum().Cozucu.bellek_siniri_ata(VARSAYILAN_BELLEK_SINIRI);
        etkilesim_->mesajlar.clear();
        ana().durum().Sozluk_Yolu = veri("yok.txt");
        ana().durum().Sozluk_Degisti = true;
        etkilesim_->dosya_yanitlari = {QString(), QString()};
        etkilesim_->soru_yanitlari = {true};
        ana().Kos();
        QCOMPARE(etkilesim_->mesajlar, std::vector<QString>(2, QStringLiteral("Dosya bulunamadı")));
        QVERIFY(!ana().isVisible());
        bosta_olmali();
    }

    void tekrar_izni_calisma_sirasinda_gecerli_olur() {
        baslat(TEKRAR_SABLON, TEKRAR_SOZLUK);
        ana().Kos();
        QCOMPARE(etkilesim_->mesajlar, std::vector<QString>{"Çözüm Bulunamadı"});

        izgara().harf_temizle();
        etkilesim_->mesajlar.clear();
        calisirken([&] {
            // ABA is in row 1; the down slots come next.
            QCOMPARE(satir(1), std::string("ABA"));
            ana().Tercihleri_Goster();
            auto* t = ana().findChild<Tercihler*>();
            QVERIFY(t);
            t->Check1->setChecked(true);
            t->cmdTamam->click();
        });
        ana().Kos();
        QCOMPARE(etkilesim_->mesajlar.size(), 1u);
        QVERIFY(etkilesim_->mesajlar.front().startsWith(QStringLiteral("    Çözüm Bulundu")));
        QCOMPARE(sutun(1), std::string("AX"));
        QCOMPARE(sutun(3), std::string("AX"));
    }

    void degisen_sozluk_sonraki_analizlerde_okunur() {
        baslat(KARE_SABLON, KARE_SOZLUK);
        const QString yeni = test::dosya_yaz(veri("baska/sozluk2.txt"), IKINCI_KARE_SOZLUK);
        auto tercih_tamam = [&](const QString& yol) {
            ana().Tercihleri_Goster();
            auto* t = ana().findChild<Tercihler*>();
            t->Text1->setText(yol);
            t->cmdTamam->click();
        };
        auto coz = [&] {
            izgara().harf_temizle();
            etkilesim_->mesajlar.clear();
            ana().Kos();
            QCOMPARE(etkilesim_->mesajlar.size(), 1u);
        };

        tercih_tamam(yeni);
        QVERIFY(ana().durum().Sozluk_Degisti);
        coz();
        QCOMPARE(izgara().harf_al(1, 1), std::string("K"));
        QVERIFY(kare_dolu());
        // While the flag stays set, every analysis reads the file again.
        test::dosya_yaz(yeni, UCUNCU_KARE_SOZLUK);
        coz();
        QCOMPARE(izgara().harf_al(1, 1), std::string("U"));

        // Confirmed again unchanged: the store stays as loaded.
        tercih_tamam(yeni);
        QVERIFY(!ana().durum().Sozluk_Degisti);
        test::dosya_yaz(yeni, IKINCI_KARE_SOZLUK);
        coz();
        QCOMPARE(izgara().harf_al(1, 1), std::string("U"));
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Kos_Testi)
#include "kos_test.moc"
