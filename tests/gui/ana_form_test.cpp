// The main window: start-up and shut-down with the settings store, the
// template commands through their dialogs, the toolbar.
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "hakk_form.h"
#include "ortak/cp1254.h"
#include "test_ortami.h"
#include "twip.h"
#include "yardim_penceresi.h"

namespace velzora {

class Ana_Form_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;

    Ana_Form& ana() {
        return o_->ana ? *o_->ana : o_->ana_yap(QStringLiteral(VELZORA_YARDIM_KAYNAGI));
    }
    // Closes the program as the user does and starts it again on the same store.
    void yeniden_baslat() {
        o_->ana->close();
        o_->ana.reset();
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
    }
    Izgara& izgara() { return ana().durum().Izgara; }

  private slots:
    void init() { o_ = std::make_unique<test::Pencere_Ortami>(); }
    void cleanup() { o_.reset(); }

    void bos_ayarlarla_ilk_baslangic() {
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        const Program_Durumu& d = ana().durum();
        QCOMPARE(d.Sozluk_Yolu, QDir::toNativeSeparators(o_->veri("sozluk.txt")));
        QCOMPARE(d.Sablon_Yolu, QDir::toNativeSeparators(o_->veri("sablon01.txt")));
        QCOMPARE(d.Siyah_Orani, 0.17f);
        QVERIFY(!d.Tekrar_Izni);
        QVERIFY(d.Hazir);
        // The default template is drawn and the dictionary loaded, silently.
        QCOMPARE(d.Izgara.Satir_Sayisi(), 3);
        QCOMPARE(d.Izgara.Sutun_Sayisi(), 4);
        QVERIFY(d.Izgara.siyah_mi(1, 4) && d.Izgara.siyah_mi(3, 1));
        QCOMPARE(d.Sozluk.Kelime_Sayisi(), 3);
        QCOMPARE(QString::fromStdString(cp1254_utf8(d.Sozluk.Kelime(3))), QStringLiteral("ŞAL"));
        QVERIFY(o_->etkilesim.mesajlar.empty());
        QVERIFY(ana().isVisible());
        QCOMPARE(ana().menuBar(), ana().bul_form()->menu_cubugu());
    }

    void sozluksuz_baslangictan_cikilabilir() {
        QFile::remove(o_->veri("sozluk.txt"));
        o_->etkilesim.dosya_yanitlari = {QString(), QString()};
        o_->etkilesim.soru_yanitlari = {true};
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Cikis);
        QCOMPARE(o_->etkilesim.mesajlar,
                 std::vector<QString>(2, QStringLiteral("Dosya bulunamadı")));
        QCOMPARE(o_->etkilesim.dosya_istekleri.front().baslangic_klasoru, o_->veri_dizini.path());
        QVERIFY(!QFile::exists(o_->ayarlar.dosya()));
    }

    void oran_kurali_data() {
        QTest::addColumn<QString>("saklanan");
        QTest::addColumn<float>("beklenen");
        QTest::newRow("0.04") << "0.04" << 0.17f;
        QTest::newRow("0.31") << "0.31" << 0.17f;
        QTest::newRow("0.05") << "0.05" << 0.05f;
        QTest::newRow("0.30") << "0.30" << 0.30f;
        QTest::newRow("0.2") << " 0.2 " << 0.2f;
    }
    void oran_kurali() {
        QFETCH(QString, saklanan);
        QFETCH(float, beklenen);
        o_->ayarlar.yaz("SKO", saklanan);
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        QCOMPARE(ana().durum().Siyah_Orani, beklenen);
        QVERIFY(o_->etkilesim.mesajlar.empty());
    }

    // A stored value that does not convert stands in by its own default and
    // stays stored; the others are read and written as usual.
    void okunamayan_ayar_kendi_varsayilanina_duser_data() {
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("deger");
        QTest::newRow("placement") << "MainLeft"
                                   << "abc";
        QTest::newRow("ratio") << "SKO"
                               << "0,17";
        QTest::newRow("flag") << "TEK"
                              << "belki";
    }
    void okunamayan_ayar_kendi_varsayilanina_duser() {
        QFETCH(QString, anahtar);
        QFETCH(QString, deger);
        for (const char* k : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            o_->ayarlar.yaz(k, "2000");
        o_->ayarlar.yaz("SKO", "0.25");
        o_->ayarlar.yaz("TEK", "true");
        o_->ayarlar.yaz(anahtar, deger);
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        const Program_Durumu& d = ana().durum();
        QCOMPARE(ana().x(), twip_piksel(anahtar == "MainLeft" ? 1000 : 2000, ana().logicalDpiX()));
        QCOMPARE(ana().y(), twip_piksel(2000, ana().logicalDpiY()));
        QCOMPARE(d.Siyah_Orani, anahtar == "SKO" ? 0.17f : 0.25f);
        QCOMPARE(d.Tekrar_Izni, anahtar != "TEK");
        QCOMPARE(d.Sozluk.Kelime_Sayisi(), 3);
        QVERIFY(o_->etkilesim.mesajlar.empty());
        ana().close();
        QCOMPARE(o_->ayarlar.oku(anahtar).toString(), deger);
        QCOMPARE(o_->ayarlar.oku("SAB").toString(),
                 QDir::toNativeSeparators(o_->veri("sablon01.txt")));
    }

    void atlanan_satirlar_bir_kez_bildirilir() {
        test::dosya_yaz(o_->veri("sozluk.txt"),
                        QByteArray(test::KUCUK_SOZLUK) + "ba\xFEl\xFDk\r\n");
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        QVERIFY(ana().sbStatusBar()->currentMessage().contains(QStringLiteral("1 satır atlandı")));
        ana().sbStatusBar()->clearMessage();
        QCOMPARE(ana().sozluk_oku(), Sozluk_Sonucu::Yuklendi);
        QVERIFY(ana().sbStatusBar()->currentMessage().isEmpty());
    }

    // A missing default template ends start-up in the handler: its message,
    // then the size dialog on the 9 x 9 it set; the dictionary waits.
    void okunamayan_sablon_yeni_sablona_duser() {
        QFile::remove(o_->veri("sablon01.txt"));
        o_->etkilesim.ebat_yanitlari = {Ebat{5, 6}};
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        QCOMPARE(o_->etkilesim.mesajlar, std::vector<QString>{"Hatalı Dosya Adı"});
        QCOMPARE(o_->etkilesim.ebat_baslangiclari, std::vector<Ebat>{(Ebat{9, 9})});
        QCOMPARE(izgara().Satir_Sayisi(), 5);
        QVERIFY(ana().durum().Sablon_Yolu.isEmpty());
        QCOMPARE(ana().durum().Sozluk.Kelime_Sayisi(), 0);
    }

    void kapanis_ve_yeniden_baslangic() {
        ana().MDIForm_Load();
        ana().move(ana().pos() + QPoint(30, 45));
        ana().resize(500, 420);
        ana().durum().Tekrar_Izni = true;
        ana().durum().Akilli_Arama = true;
        ana().durum().Siyah_Orani = 0.25f;
        const QPoint konum = ana().pos();
        yeniden_baslat();
        QCOMPARE(ana().pos(), konum);
        QCOMPARE(ana().size(), QSize(500, 420));
        QVERIFY(ana().durum().Tekrar_Izni && ana().durum().Akilli_Arama);
        QCOMPARE(ana().durum().Siyah_Orani, 0.25f);
        QCOMPARE(o_->ayarlar.oku("TEK").toString(), QStringLiteral("true"));
    }

    void kucultulmus_kapanis_yerlesimi_yazmaz() {
        for (const char* k : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            o_->ayarlar.yaz(k, "2000");
        ana().MDIForm_Load();
        ana().durum().Sozluk_Yolu = QStringLiteral("/baska/sozluk.txt");
        ana().showMinimized();
        ana().close();
        for (const char* k : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            QCOMPARE(o_->ayarlar.oku(k).toString(), QStringLiteral("2000"));
        QCOMPARE(o_->ayarlar.oku("SOZ").toString(), QStringLiteral("/baska/sozluk.txt"));
        QCOMPARE(o_->ayarlar.oku("SAB").toString(),
                 QDir::toNativeSeparators(o_->veri("sablon01.txt")));
        QCOMPARE(o_->ayarlar.oku("SKO").toString(), QStringLiteral("0.17"));
        QCOMPARE(o_->ayarlar.oku("TEK").toString(), QStringLiteral("false"));
    }

    void cikis_ayarlari_yazmadan_biter() {
        ana().MDIForm_Load();
        ana().durum().Sablon_Yolu.clear();
        QAction* cikis = ana().findChild<QAction*>(QStringLiteral("mnuCikis"));
        QVERIFY(cikis);
        QTimer::singleShot(0, cikis, &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(ana().isVisible());
        QVERIFY(!QFile::exists(o_->ayarlar.dosya()));
    }

    void sablon_ac_basligi_ve_yolu() {
        ana().MDIForm_Load();
        QTemporaryDir d;
        const QString sab =
            test::dosya_yaz(d.filePath("alt/sab07.txt"), "BULMACA SABLONU\r\n 4 , 5\r\n 2 2\r\n");
        o_->etkilesim.dosya_yanitlari = {QString(), sab};
        const QString once = ana().windowTitle();
        ana().Sablon_Ac();
        QCOMPARE(ana().windowTitle(), once);
        QCOMPARE(izgara().Satir_Sayisi(), 3);
        ana().Sablon_Ac();
        QCOMPARE(ana().windowTitle(), once + QStringLiteral("   <sab07.txt>"));
        QCOMPARE(ana().durum().Sablon_Yolu, sab);
        QCOMPARE(izgara().Satir_Sayisi(), 4);
        QVERIFY(izgara().siyah_mi(2, 2));
        QCOMPARE(o_->etkilesim.dosya_istekleri.back().tur, Dosya_Istegi::Tur::Ac);
    }

    void okunamayan_sablon_hicbir_seyi_degistirmez() {
        ana().MDIForm_Load();
        QTemporaryDir d;
        const QString bozuk =
            test::dosya_yaz(d.filePath("sab9.txt"), "BULMACA SABLONU\r\n on 5\r\n");
        const QString fifo = d.filePath("sab8.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        o_->etkilesim.dosya_yanitlari = {bozuk, fifo};
        const QString baslik = ana().windowTitle();
        const QString yol = ana().durum().Sablon_Yolu;
        ana().Sablon_Ac();
        ana().Sablon_Ac();
        QCOMPARE(o_->etkilesim.mesajlar,
                 (std::vector<QString>{"Şablon dosyası okunamadı.",
                                       "Şablon dosyası okunamadı: normal bir dosya değil."}));
        QCOMPARE(o_->etkilesim.dosya_istekleri[0].baslangic_klasoru, o_->veri_dizini.path());
        QCOMPARE(ana().windowTitle(), baslik);
        QCOMPARE(ana().durum().Sablon_Yolu, yol);
        QVERIFY(izgara().siyah_mi(1, 4));
    }

    void cok_buyuk_sablon_ebat_sorar() {
        ana().MDIForm_Load();
        QTemporaryDir d;
        const QString sab =
            test::dosya_yaz(d.filePath("sab51.txt"), "BULMACA SABLONU\r\n 51 5\r\n");
        o_->etkilesim.dosya_yanitlari = {sab};
        o_->etkilesim.ebat_yanitlari = {std::nullopt, Ebat{6, 7}};
        ana().Sablon_Ac();
        // The close box keeps 51 rows, so the dialog comes back.
        QCOMPARE(o_->etkilesim.ebat_baslangiclari, (std::vector<Ebat>{{51, 5}, {51, 5}}));
        QCOMPARE(izgara().Satir_Sayisi(), 6);
        QVERIFY(ana().durum().Sablon_Yolu.isEmpty());
        QVERIFY(ana().windowTitle().endsWith(QStringLiteral("<sab51.txt>")));
    }

    void sakla_ve_yeniden_ac() {
        ana().MDIForm_Load();
        izgara().harf_yaz(2, 2, "K");
        QTemporaryDir d;
        const QString hedef = d.filePath("sab-yeni.txt");
        test::dosya_yaz(hedef, "eski");
        const QString baslik = ana().windowTitle();
        o_->etkilesim.dosya_yanitlari = {QString(), hedef};
        ana().Sablon_Sakla();
        QCOMPARE(test::dosya_icerigi(hedef), QByteArray("eski"));
        ana().Sablon_Sakla();
        QCOMPARE(test::dosya_icerigi(hedef), QByteArray(test::KUCUK_SABLON));
        QCOMPARE(o_->etkilesim.dosya_istekleri.back().tur, Dosya_Istegi::Tur::Sakla);
        QCOMPARE(o_->etkilesim.dosya_istekleri.back().korunan_klasor, o_->veri_dizini.path());
        // Saving changes neither the title nor the current template.
        QCOMPARE(ana().windowTitle(), baslik);
        QCOMPARE(ana().durum().Sablon_Yolu, QDir::toNativeSeparators(o_->veri("sablon01.txt")));

        o_->etkilesim.ebat_yanitlari = {Ebat{7, 7}};
        ana().Yeni_Sablon();
        o_->etkilesim.dosya_yanitlari = {hedef};
        ana().Sablon_Ac();
        QCOMPARE(izgara().Satir_Sayisi(), 3);
        QCOMPARE(izgara().Sutun_Sayisi(), 4);
        QVERIFY(izgara().siyah_mi(1, 4) && izgara().siyah_mi(3, 1) && izgara().beyaz_mi(2, 2));
        QCOMPARE(izgara().harf_al(2, 2), std::string());

        // A save that cannot be made says so and leaves the old file alone.
        o_->etkilesim.dosya_yanitlari = {d.filePath("yok/sab.txt")};
        ana().Sablon_Sakla();
        QVERIFY(o_->etkilesim.mesajlar.back().startsWith(
            QStringLiteral("Şablon dosyası yazılamadı: ")));
    }

    void yeni_sablon_gecerli_ebada_kadar_sorar() {
        ana().MDIForm_Load();
        const QString baslik = ana().windowTitle();
        o_->etkilesim.ebat_yanitlari = {Ebat{0, 5}, Ebat{51, 5}, Ebat{5, 1}, Ebat{45, 12}};
        ana().Yeni_Sablon();
        QCOMPARE(o_->etkilesim.ebat_baslangiclari.size(), 4u);
        QCOMPARE(o_->etkilesim.ebat_baslangiclari[0], (Ebat{3, 4}));
        QCOMPARE(izgara().Satir_Sayisi(), 45);
        QCOMPARE(izgara().Sutun_Sayisi(), 12);
        QVERIFY(ana().durum().Sablon_Yolu.isEmpty());
        QCOMPARE(ana().windowTitle(), baslik);

        o_->etkilesim.ebat_yanitlari = {std::nullopt};
        izgara().siyah_yap(1, 1, Renk_Kodu::Siyah);
        ana().Yeni_Sablon();
        QCOMPARE(izgara().Satir_Sayisi(), 45);
        QVERIFY(izgara().beyaz_mi(1, 1));
    }

    void arac_cubugu_komutlari() {
        ana().MDIForm_Load();
        Arac_Cubugu* tb = ana().tbToolBar();
        // A key outside the table, or a different case, does nothing.
        ana().arac_tiklandi(QStringLiteral("yeni"));
        ana().arac_tiklandi(QString());
        QVERIFY(o_->etkilesim.ebat_baslangiclari.empty() && o_->etkilesim.dosya_istekleri.empty());

        o_->etkilesim.ebat_yanitlari = {Ebat{4, 4}};
        tb->konum(1)->trigger();
        QCOMPARE(izgara().Satir_Sayisi(), 4);
        o_->etkilesim.dosya_yanitlari = {QString(), QString()};
        tb->konum(2)->trigger();
        tb->konum(3)->trigger();
        QCOMPARE(o_->etkilesim.dosya_istekleri[0].tur, Dosya_Istegi::Tur::Ac);
        QCOMPARE(o_->etkilesim.dosya_istekleri[1].tur, Dosya_Istegi::Tur::Sakla);
        tb->konum(5)->trigger();
        int siyah = 0;
        for (int r = 1; r <= 4; ++r) {
            for (int c = 1; c <= 4; ++c)
                siyah += izgara().siyah_mi(r, c);
        }
        QVERIFY(siyah >= 1);
        tb->konum(15)->trigger();
        auto* yardim = ana().findChild<Yardim_Penceresi*>();
        QVERIFY(yardim && yardim->isVisible());
        QVERIFY(yardim->tarayici()->source().toString().endsWith(QStringLiteral("buton2.htm")));
        QVERIFY(!yardim->tarayici()->toPlainText().isEmpty());
    }

    // A 15 x 15 grid fits the default window without scrolling, grows with
    // the main window and fills a maximised puzzle window.
    void bulmaca_penceresi_ana_pencereye_uyar() {
        test::dosya_yaz(o_->veri("sablon01.txt"), "BULMACA SABLONU\r\n 15 15 \r\n");
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        Izgara_Gorunumu& g = ana().bul_form()->grid();
        auto* kaydirma = ana().bul_form()->findChild<QScrollArea*>();
        auto sigar = [&] {
            return kaydirma->maximumViewportSize().expandedTo(g.size()) ==
                   kaydirma->maximumViewportSize();
        };
        QVERIFY(sigar());
        const double once = g.olcek();
        QVERIFY(once < 1);
        ana().resize(ana().size() * 3 / 2);
        QTRY_VERIFY(g.olcek() > once);
        QVERIFY(sigar());
        auto* alt = qobject_cast<QMdiSubWindow*>(ana().bul_form()->parentWidget());
        ana().resize(ana().size() * 2);
        alt->showMaximized();
        QTRY_VERIFY(g.olcek() > 1);
        QTRY_VERIFY(sigar());
    }

    void hakkinda_ve_durum_cubugu() {
        ana().MDIForm_Load();
        ana().findChild<QAction*>(QStringLiteral("mnuHakkinda"))->trigger();
        auto* h = ana().findChild<Hakk_Form*>();
        QVERIFY(h && h->isVisible() && !h->isModal());
        h->cmdOK->click();
        QTRY_VERIFY(ana().findChild<Hakk_Form*>() == nullptr);

        // A letter the puzzle cannot hold is reported on the main status bar.
        Izgara_Gorunumu& g = ana().bul_form()->grid();
        QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, g.hucre_alani({1, 1}).center());
        QKeyEvent tus(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ж"));
        QApplication::sendEvent(&g, &tus);
        QVERIFY(ana().sbStatusBar()->currentMessage().contains(QStringLiteral("ж")));
        QCOMPARE(izgara().harf_al(1, 1), std::string());
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Ana_Form_Testi)
#include "ana_form_test.moc"
