// The solve run from the main window: outcomes and messages, the stop
// prompt, what a run refuses, closing and leaving during a run. Dialogs are
// answered by the test; what the user does during a run is queued before it
// and happens at the search's first hook call, where the windows work.
#include <qpa/qwindowsysteminterface.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "qt_etkilesim.h"
#include "sure_metni.h"
#include "tercihler.h"
#include "test_ortami.h"

namespace velzora {
namespace {

// A 3 x 3 white grid and a word square: the rows and columns of the fill are
// the six words (or the square transposed).
constexpr char KARE[] = "BULMACA SABLONU\r\n 3  3 \r\n";
constexpr char KARE_1[] = "ABC:a\r\nDEF:b\r\nGHI:c\r\nADG:d\r\nBEH:e\r\nCFI:f\r\n";
// 2 x 2 without a fill: one across and one down word fit, then the last two
// slots contradict each other (deepest level 2).
constexpr char IKILI[] = "BULMACA SABLONU\r\n 2  2 \r\n";
constexpr char CIKMAZ[] = "AB:a\r\nAC:b\r\nBD:c\r\nCE:d\r\n";
// Row 1 and two down slots that do not cross but can only both hold AX.
constexpr char TEKRARLI[] = "BULMACA SABLONU\r\n 2  3 \r\n 2  2 \r\n";
constexpr char TEKRAR_SOZLUGU[] = "ABA:a\r\nAX:b\r\n";

// Fifteen separate slots of three cells and fourteen words: the smart search
// is far from its proof when its first hook call comes.
QByteArray guvercin_sablonu() {
    QByteArray s = "BULMACA SABLONU\r\n 29  3 \r\n";
    for (int r = 2; r < 29; r += 2) {
        for (int c = 1; c <= 3; ++c)
            s += " " + QByteArray::number(r) + "  " + QByteArray::number(c) + " \r\n";
    }
    return s;
}
QByteArray guvercin_sozlugu() {
    QByteArray s;
    for (char h = 'A'; h < 'A' + 14; ++h)
        s += QByteArray("K") + h + "L:k\r\n";
    return s;
}

constexpr int BASLA = Arac_Cubugu::BASLA_KONUMU;
constexpr int TUMU = (1 << Arac_Cubugu::KONUM_SAYISI) - 1;

}  // namespace

class Kos_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;

    Ana_Form& ana() { return *o_->ana; }
    Izgara& izgara() { return ana().durum().Izgara; }
    Arac_Cubugu& tb() { return *ana().tbToolBar(); }
    QAction* eylem(const char* ad) { return ana().findChild<QAction*>(QString::fromLatin1(ad)); }
    const Bulmaca_Cozucu& cozucu() { return ana().durum().Cozucu; }

    void calisirken(std::function<void()> is) {
        QMetaObject::invokeMethod(o_->ana.get(), std::move(is), Qt::QueuedConnection);
    }
    void basla_dugmesi() { tb().konum(BASLA)->trigger(); }
    bool basla_resmi(Resim r) {
        return tb().konum(BASLA)->icon().pixmap(24).toImage() ==
               tb().imlToolbarIcons(r).pixmap(24).toImage();
    }
    // Bit i - 1 for each enabled toolbar position i.
    int acik_konumlar() {
        int bitler = 0;
        for (int i = 1; i <= Arac_Cubugu::KONUM_SAYISI; ++i)
            bitler |= tb().konum(i)->isEnabled() << (i - 1);
        return bitler;
    }
    void bosta_olmali() {
        QCOMPARE(acik_konumlar(), TUMU);
        QVERIFY(basla_resmi(Resim::Basla));
        QVERIFY(ana().durum().Hazir && !ana().calisma().suruyor());
        QVERIFY(eylem("mnuTemizle")->isEnabled());
    }
    std::string harfler() {
        std::string s;
        const int C = izgara().Sutun_Sayisi();
        for (int i = 0; i < izgara().Satir_Sayisi() * C; ++i)
            s += izgara().harf_al(i / C + 1, i % C + 1);
        return s;
    }
    // The word square's only two fills.
    bool kare_dolu() { return harfler() == "ABCDEFGHI" || harfler() == "ADGBEHCFI"; }

  private slots:
    void init() {
        o_ = std::make_unique<test::Pencere_Ortami>();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }
    void cleanup() {
        o_.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Over a day, a clock set back, and a locale's own format without the
    // time zone it carries (newer locale data writes U+202F before AM).
    void gecen_sure() {
        const QLocale tr(QLocale::Turkish, QLocale::Turkey),
            us(QLocale::English, QLocale::UnitedStates);
        const std::tuple<int, QLocale, QString> durumlar[] = {{65, tr, "00:01:05"},
                                                              {86400 + 7384, tr, "1 gün 02:03:04"},
                                                              {-5, tr, "00:00:00"},
                                                              {65, us, "12:01:05 AM"}};
        for (const auto& [saniye, yerel, metin] : durumlar)
            QCOMPARE(
                gecen_sure_metni(std::chrono::seconds(saniye), yerel).replace(QChar(0x202F), u' '),
                metin);
    }

    void cozulen_calisma() {
        o_->baslat(KARE, KARE_1);
        ana().calisma().olay_araligi_ata(Cozum_Calistirma::OLAY_ARALIGI);
        bool goruldu = false;
        calisirken([&] {
            // After the first word: locked, picture 5, the word in the grid.
            goruldu = true;
            QCOMPARE(acik_konumlar(), 1 << (BASLA - 1));
            QVERIFY(basla_resmi(Resim::Durdur) && !ana().durum().Hazir);
            QCOMPARE(harfler().size(), 3u);
            QVERIFY(ana().calisma().ilerleme_etiketi()->text().contains("Derinlik 1/6"));
        });
        // A use while the outcome is shown starts nothing.
        o_->etkilesim.mesaj_aninda = [&](const QString&) {
            if (o_->etkilesim.mesajlar.size() == 1)
                ana().Kos();
        };
        ana().Kos();
        QVERIFY(goruldu);
        QCOMPARE(o_->etkilesim.mesajlar.size(), 1u);
        const QString& mesaj = o_->etkilesim.mesajlar.front();
        QVERIFY(QRegularExpression("^    Çözüm Bulundu\r\nGeçen Süre:00:00:0\\d$")
                    .match(mesaj)
                    .hasMatch());
        QVERIFY(kare_dolu());
        // The line's time is the message's: one clock, one format.
        QCOMPARE(
            ana().calisma().ilerleme_etiketi()->text(),
            "Kabul edilen kelime: 6   Derinlik 6/6   Süre: " + mesaj.mid(mesaj.indexOf(':') + 1));
        bosta_olmali();

        // A new template: the last run's figures no longer stand.
        o_->etkilesim.ebat_yanitlari = {Ebat{4, 4}};
        ana().Yeni_Sablon();
        QVERIFY(ana().calisma().ilerleme_etiketi()->text().isEmpty());
    }

    void cozulemeyen_calisma_en_derin_doldurmayi_gosterir() {
        o_->baslat(IKILI, CIKMAZ);
        int acik = -1;
        std::string gorunen;
        o_->etkilesim.mesaj_aninda = [&](const QString&) {
            acik = acik_konumlar();
            gorunen = harfler();
        };
        ana().Kos();
        QCOMPARE(o_->etkilesim.mesajlar, std::vector<QString>{"Çözüm Bulunamadı"});
        QCOMPARE(acik, 0);
        // One across and one down word of level 2, as the solver kept them.
        QCOMPARE(cozucu().En_Derin(), 2);
        QCOMPARE(gorunen.size(), 3u);
        for (int s = 1; s <= cozucu().Yer_Sayisi(); ++s) {
            const Kelime_Yeri& y = cozucu().Yerler()[static_cast<std::size_t>(s)];
            const std::string_view w = cozucu().En_Iyi_Kelime(s);
            for (int p = 1; p <= static_cast<int>(w.size()); ++p)
                QCOMPARE(izgara().harf_al(y.satir_k(p), y.sutun_k(p)), std::string(1, w[p - 1]));
        }
        bosta_olmali();
    }

    void durdurma_istegi() {
        o_->baslat(KARE, KARE_1);
        // Two uses before the stop check, and one while the prompt is up, are
        // the one request; declined, the run goes on unlocked with picture 4
        // until the next use asks again.
        calisirken([&] { basla_dugmesi(); });
        calisirken([&] { eylem("mnuBasla")->trigger(); });
        o_->etkilesim.soru_aninda = [&](const QString&) {
            ana().Kos();
            if (o_->etkilesim.sorular.size() == 1) {
                calisirken([&] {
                    QVERIFY(!ana().durum().Hazir && ana().calisma().suruyor());
                    QCOMPARE(acik_konumlar(), TUMU);
                    QVERIFY(basla_resmi(Resim::Basla));
                    basla_dugmesi();
                });
            }
        };
        o_->etkilesim.soru_yanitlari = {false, true};
        ana().Kos();
        QCOMPARE(o_->etkilesim.sorular,
                 std::vector<QString>(2, "Bulmaca çözme işlemini durdurmak istiyor musunuz?"));
        QCOMPARE(o_->etkilesim.soru_basliklari.front(), QStringLiteral("Durdur"));
        QVERIFY(o_->etkilesim.mesajlar.empty());
        QCOMPARE(cozucu().Durum(), Cozum_Durumu::Durduruldu);
        // The partial fill of the last redraw stays.
        QVERIFY(harfler().size() > 3 && harfler().size() < 9);
        bosta_olmali();
    }

    void calisirken_degistiren_komutlar_reddedilir() {
        o_->baslat(KARE, KARE_1);
        Izgara_Gorunumu& g = ana().bul_form()->grid();
        calisirken([&] {
            basla_dugmesi();  // a stop request unlocks the toolbar
            const std::string once = harfler();
            for (int konum : {1, 2, 5}) {
                tb().konum(konum)->trigger();
                QCOMPARE(ana().sbStatusBar()->currentMessage(),
                         QStringLiteral("Çözüm sürerken bu komut kullanılamaz."));
            }
            for (const char* ad : {"mnuYeni_Sablon", "mnuSablon_Ac", "mnuRastgele", "mnuTemizle"})
                QVERIFY(!eylem(ad)->isEnabled());
            QTest::mouseDClick(&g, Qt::LeftButton, Qt::NoModifier, g.hucre_alani({3, 3}).center());
            QTest::keyClick(&g, Qt::Key_K);
            QCOMPARE(ana().sbStatusBar()->currentMessage(),
                     QStringLiteral("Çözüm sürerken bulmaca değiştirilemez."));
            QCOMPARE(harfler(), once);
            QVERIFY(izgara().beyaz_mi(3, 3));
        });
        // The scripted dialogs would fail the test had a command asked.
        o_->etkilesim.soru_yanitlari = {false};
        ana().Kos();
        QVERIFY(o_->etkilesim.mesajlar.front().startsWith("    Çözüm Bulundu"));
        QVERIFY(kare_dolu());
        bosta_olmali();
    }

    void pencere_kapanisi_calismayi_durdurur() {
        o_->baslat(KARE, KARE_1);
        ana().durum().Siyah_Orani = 0.2f;
        calisirken([&] {
            ana().close();
            QVERIFY(ana().isVisible());
        });
        // The stopped run's fill is a change no file holds: closing asks.
        o_->etkilesim.kayit_yanitlari = {Kayit_Yaniti::Kaydetme};
        ana().Kos();
        QVERIFY(o_->etkilesim.sorular.empty() && o_->etkilesim.mesajlar.empty());
        QCOMPARE(o_->etkilesim.kayit_sorulari.size(), 1u);
        QCOMPARE(cozucu().Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!ana().isVisible());
        QCOMPARE(o_->ayarlar.oku("SKO").toString(), QStringLiteral("0.2"));
    }

    // The window system's close while the real stop question is up is heard,
    // and honoured once the question is answered, here with No.
    void kapanis_durdurma_sorusu_acikken() {
        test::dosya_yaz(o_->veri("sablon01.txt"), guvercin_sablonu());
        test::dosya_yaz(o_->veri("sozluk.txt"), guvercin_sozlugu());
        Qt_Etkilesim gercek;
        const QString veri = o_->veri_dizini.path();
        Ana_Form ana(gercek, Dizinler{veri, QString(), veri});
        QCOMPARE(ana.MDIForm_Load(), Baslangic_Sonucu::Devam);
        ana.calisma().olay_araligi_ata(std::chrono::microseconds{0});
        // Without the close the run would end here, not at the answer.
        ana.durum().Cozucu.deneme_siniri_ata(1'000'000);
        QMetaObject::invokeMethod(
            &ana, [&] { ana.Kos(); }, Qt::QueuedConnection);
        bool kapatildi = false;
        QTimer yoklama;
        connect(&yoklama, &QTimer::timeout, &ana, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* kutu = qobject_cast<QMessageBox*>(w);
                if (kutu == nullptr || !kutu->isVisible())
                    continue;
                if (kapatildi) {
                    // The close then asks whether to keep the partial fill.
                    for (QAbstractButton* b : kutu->buttons())
                        if (kutu->buttonRole(b) == QMessageBox::DestructiveRole)
                            b->click();
                    continue;
                }
                kapatildi = true;
                QWindowSystemInterface::handleCloseEvent<
                    QWindowSystemInterface::SynchronousDelivery>(ana.windowHandle());
                kutu->button(QMessageBox::No)->click();
            }
        });
        yoklama.start(5);
        ana.Kos();
        QVERIFY(kapatildi);
        QCOMPARE(ana.durum().Cozucu.Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!ana.isVisible());
    }

    void cikis_calismayi_durdurur() {
        o_->baslat(KARE, KARE_1);
        QTimer::singleShot(0, &ana(), [this] { basla_dugmesi(); });
        QTimer::singleShot(0, &ana(), [this] { eylem("mnuCikis")->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(o_->etkilesim.sorular.empty() && o_->etkilesim.mesajlar.empty());
        QCOMPARE(cozucu().Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!QFile::exists(o_->ayarlar.dosya()));
    }

    void analiz_sorunlari() {
        o_->baslat(KARE, KARE_1);
        ana().durum().Cozucu.bellek_siniri_ata(64);
        ana().Kos();
        QCOMPARE(o_->etkilesim.mesajlar.back().toStdString(), std::string(BELLEK_YETERSIZ_MESAJI));
        bosta_olmali();

        // No dictionary, and a user who leaves rather than choose another.
        ana().durum().Cozucu.bellek_siniri_ata(VARSAYILAN_BELLEK_SINIRI);
        ana().durum().Sozluk_Yolu = o_->veri("yok.txt");
        ana().durum().Sozluk_Degisti = true;
        o_->etkilesim.dosya_yanitlari = {QString(), QString()};
        o_->etkilesim.soru_yanitlari = {true};
        ana().Kos();
        QCOMPARE(o_->etkilesim.mesajlar.back(), QStringLiteral("Dosya bulunamadı"));
        QVERIFY(!ana().isVisible());
        bosta_olmali();
    }

    void tekrar_izni_calisma_sirasinda_gecerli_olur() {
        o_->baslat(TEKRARLI, TEKRAR_SOZLUGU);
        ana().Kos();
        QCOMPARE(o_->etkilesim.mesajlar.back(), QStringLiteral("Çözüm Bulunamadı"));
        izgara().harf_temizle();
        calisirken([&] {
            // ABA stands in row 1; the down slots come next.
            ana().Tercihleri_Goster();
            auto* t = ana().findChild<Tercihler*>();
            t->findChild<QCheckBox*>("Check1")->setChecked(true);
            t->findChild<QPushButton*>("cmdTamam")->click();
        });
        ana().Kos();
        QVERIFY(o_->etkilesim.mesajlar.back().startsWith("    Çözüm Bulundu"));
        QCOMPARE(harfler(), std::string("ABAXX"));
    }

    void akilli_arama() {
        o_->baslat(KARE, KARE_1);
        // The exact search suggests the smart one when it takes long.
        ana().calisma().oneri_suresi_ata(std::chrono::milliseconds{0});
        ana().Kos();
        QVERIFY(ana().sbStatusBar()->currentMessage().contains("\"Akıllı arama\""));
        ana().sbStatusBar()->clearMessage();
        izgara().harf_temizle();

        ana().durum().Akilli_Arama = true;
        ana().Kos();
        QVERIFY(ana().sbStatusBar()->currentMessage().isEmpty());
        QVERIFY(o_->etkilesim.mesajlar.back().startsWith("    Çözüm Bulundu"));
        QVERIFY(kare_dolu());
        QVERIFY(ana().calisma().ilerleme_etiketi()->text().startsWith("Düğüm: "));
        bosta_olmali();

        // A proof is told at once, and the status bar says it was one.
        test::dosya_yaz(o_->veri("sozluk.txt"), CIKMAZ);
        ana().durum().Sozluk_Degisti = true;
        izgara().harf_temizle();
        ana().Kos();
        QCOMPARE(o_->etkilesim.mesajlar.back(), QStringLiteral("Çözüm Bulunamadı"));
        QVERIFY(ana().calisma().ilerleme_etiketi()->text().endsWith("kanıtlandı"));
        bosta_olmali();
    }

    void akilli_arama_durdurulur_ve_kapanisla_biter() {
        o_->baslat(guvercin_sablonu(), guvercin_sozlugu());
        ana().durum().Akilli_Arama = true;
        calisirken([&] { basla_dugmesi(); });
        o_->etkilesim.soru_yanitlari = {true};
        ana().Kos();
        QCOMPARE(o_->etkilesim.sorular.size(), 1u);
        QVERIFY(o_->etkilesim.mesajlar.empty());
        QCOMPARE(cozucu().Durum(), Cozum_Durumu::Durduruldu);
        bosta_olmali();

        // The letters of the deepest point would be fixed letters now.
        izgara().harf_temizle();
        o_->etkilesim.kayit_yanitlari = {Kayit_Yaniti::Kaydetme};
        calisirken([&] { ana().close(); });
        ana().Kos();
        QCOMPARE(cozucu().Durum(), Cozum_Durumu::Durduruldu);
        QVERIFY(!ana().isVisible());
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Kos_Testi)
#include "kos_test.moc"
