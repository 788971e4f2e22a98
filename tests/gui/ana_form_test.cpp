// The main window: start-up and shut-down with the settings store, the
// template commands through their dialogs, the preferences.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <sys/stat.h>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "bul_form.h"
#include "oran_kutusu.h"
#include "ortak/cp1254.h"
#include "tercihler.h"
#include "test_ortami.h"
#include "twip.h"

namespace velzora {

class Ana_Form_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;

    Ana_Form& ana() { return o_->ana ? *o_->ana : o_->ana_yap(); }
    // Closes the program as the user does and starts it again on the same store.
    void yeniden_baslat() {
        o_->ana->close();
        o_->ana.reset();
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
    }
    Izgara& izgara() { return ana().durum().Izgara; }
    Program_Durumu& durum() { return ana().durum(); }
    // Opens the preferences as the toolbar's "Sec" does.
    Tercihler& ac() {
        ana().tbToolBar()->konum(13)->trigger();
        return *ana().findChild<Tercihler*>();
    }
    template <typename T>
    static T* w(Tercihler& t, const char* ad) {
        return t.findChild<T*>(QString::fromLatin1(ad));
    }
    QString ayar(const char* anahtar) { return o_->ayarlar.oku(anahtar).toString(); }

  private slots:
    void init() { o_ = std::make_unique<test::Pencere_Ortami>(); }
    void cleanup() {
        o_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void bos_ayarlarla_ilk_baslangic() {
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        const Program_Durumu& d = ana().durum();
        QCOMPARE(d.Sozluk_Yolu + d.Sablon_Yolu,
                 QDir::toNativeSeparators(o_->veri("sozluk.txt")) +
                     QDir::toNativeSeparators(o_->veri("sablon01.txt")));
        QVERIFY(d.Siyah_Orani == 0.17f && !d.Tekrar_Izni && d.Hazir);
        // The default template is drawn and the dictionary loaded, silently.
        QCOMPARE(std::pair(d.Izgara.Satir_Sayisi(), d.Izgara.Sutun_Sayisi()), std::pair(3, 4));
        QVERIFY(d.Izgara.siyah_mi(1, 4) && d.Izgara.siyah_mi(3, 1));
        QCOMPARE(QString::fromStdString(cp1254_utf8(d.Sozluk.Kelime(3))), QStringLiteral("ŞAL"));
        QVERIFY(o_->etkilesim.mesajlar.empty() && ana().isVisible());
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

    // A stored value that does not convert stands in by its own default and
    // stays stored; a ratio outside 0.05 to 0.30 gives way to the default.
    void ayar_okuma_data() {
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("deger");
        QTest::addColumn<float>("oran");
        QTest::addColumn<QString>("saklanan");
        QTest::newRow("placement") << "MainLeft"
                                   << "abc" << 0.25f << "abc";
        QTest::newRow("flag") << "TEK"
                              << "belki" << 0.25f << "belki";
        QTest::newRow("0.04") << "SKO"
                              << "0.04" << 0.17f << "0.17";
        QTest::newRow("0.31") << "SKO"
                              << "0.31" << 0.17f << "0.17";
        QTest::newRow("0.30") << "SKO"
                              << "0.30" << 0.30f << "0.3";
    }
    void ayar_okuma() {
        QFETCH(QString, anahtar);
        QFETCH(QString, deger);
        QFETCH(float, oran);
        QFETCH(QString, saklanan);
        for (const char* k : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            o_->ayarlar.yaz(k, "2000");
        o_->ayarlar.yaz("SKO", "0.25");
        o_->ayarlar.yaz("TEK", "true");
        o_->ayarlar.yaz(anahtar, deger);
        QCOMPARE(ana().MDIForm_Load(), Baslangic_Sonucu::Devam);
        const Program_Durumu& d = ana().durum();
        QCOMPARE(ana().x(), twip_piksel(anahtar == "MainLeft" ? 1000 : 2000, ana().logicalDpiX()));
        QCOMPARE(ana().y(), twip_piksel(2000, ana().logicalDpiY()));
        QCOMPARE(d.Siyah_Orani, oran);
        QCOMPARE(d.Tekrar_Izni, anahtar != "TEK");
        QCOMPARE(d.Sozluk.Kelime_Sayisi(), 3);
        QVERIFY(o_->etkilesim.mesajlar.empty());
        ana().close();
        QCOMPARE(o_->ayarlar.oku(anahtar).toString(), saklanan);
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

        // Closed minimised, the placement stays as stored; the rest is written.
        const QVariant genislik = o_->ayarlar.oku("MainWidth");
        ana().resize(600, 400);
        ana().durum().Sozluk_Yolu = QStringLiteral("/baska/sozluk.txt");
        ana().showMinimized();
        ana().close();
        QCOMPARE(o_->ayarlar.oku("MainWidth"), genislik);
        QCOMPARE(o_->ayarlar.oku("SOZ").toString() + o_->ayarlar.oku("TEK").toString(),
                 QStringLiteral("/baska/sozluk.txttrue"));
    }

    // A refused file changes nothing; a good one sets the title and the path;
    // one beyond 50 rows asks for a size until it gets one.
    void sablon_ac() {
        ana().MDIForm_Load();
        QTemporaryDir d;
        const QString bozuk =
            test::dosya_yaz(d.filePath("sab9.txt"), "BULMACA SABLONU\r\n on 5\r\n");
        const QString fifo = d.filePath("sab8.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const QString sab =
            test::dosya_yaz(d.filePath("alt/sab07.txt"), "BULMACA SABLONU\r\n 4 , 5\r\n 2 2\r\n");
        const QString buyuk =
            test::dosya_yaz(d.filePath("sab51.txt"), "BULMACA SABLONU\r\n 51 5\r\n");
        o_->etkilesim.dosya_yanitlari = {QString(), bozuk, fifo, sab, buyuk};
        o_->etkilesim.ebat_yanitlari = {std::nullopt, Ebat{6, 7}};
        const QString baslik = ana().windowTitle();
        const QString yol = ana().durum().Sablon_Yolu;
        for (int i = 0; i < 3; ++i)
            ana().Sablon_Ac();
        QCOMPARE(o_->etkilesim.mesajlar,
                 (std::vector<QString>{"Şablon dosyası okunamadı.",
                                       "Şablon dosyası okunamadı: normal bir dosya değil."}));
        QCOMPARE(o_->etkilesim.dosya_istekleri[0].baslangic_klasoru, o_->veri_dizini.path());
        QCOMPARE(o_->etkilesim.dosya_istekleri[0].tur, Dosya_Istegi::Tur::Ac);
        QCOMPARE(ana().windowTitle(), baslik);
        QCOMPARE(ana().durum().Sablon_Yolu, yol);
        QVERIFY(izgara().siyah_mi(1, 4));

        ana().Sablon_Ac();
        QCOMPARE(ana().windowTitle(), baslik + QStringLiteral("   <sab07.txt>"));
        QCOMPARE(ana().durum().Sablon_Yolu, sab);
        QCOMPARE(izgara().Satir_Sayisi(), 4);
        QVERIFY(izgara().siyah_mi(2, 2));

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
        QCOMPARE(o_->etkilesim.dosya_istekleri.back().korunan_klasor, o_->veri_dizini.path());
        // Saving changes neither the title nor the current template.
        QCOMPARE(ana().windowTitle() + ana().durum().Sablon_Yolu,
                 baslik + QDir::toNativeSeparators(o_->veri("sablon01.txt")));

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
        QCOMPARE(std::pair(izgara().Satir_Sayisi(), izgara().Sutun_Sayisi()), std::pair(45, 12));
        QVERIFY(ana().durum().Sablon_Yolu.isEmpty());
        QCOMPARE(ana().windowTitle(), baslik);

        o_->etkilesim.ebat_yanitlari = {std::nullopt};
        izgara().siyah_yap(1, 1, Renk_Kodu::Siyah);
        ana().Yeni_Sablon();
        QCOMPARE(izgara().Satir_Sayisi(), 45);
        QVERIFY(izgara().beyaz_mi(1, 1));
    }

    // The preferences dialog: what it shows, how "Tamam" reads and stores
    // the four options.
    void tercihler() {
        ana().MDIForm_Load();
        durum().Tekrar_Izni = true;
        durum().Akilli_Arama = true;
        Tercihler& ilk = ac();
        QVERIFY(ilk.isVisible() && !ilk.isModal());
        QCOMPARE(w<QLineEdit>(ilk, "Text1")->text() + w<QLineEdit>(ilk, "Text2")->text(),
                 durum().Sozluk_Yolu + durum().Sablon_Yolu);
        QCOMPARE(w<Oran_Kutusu>(ilk, "Text3")->metin(), QStringLiteral("17"));
        QVERIFY(w<QCheckBox>(ilk, "Check1")->isChecked() &&
                w<QCheckBox>(ilk, "Check2")->isChecked());
        // The ratio box holds its widest value whole (17 once showed as "7").
        const QLineEdit* kutu = w<Oran_Kutusu>(ilk, "Text3")->findChild<QLineEdit*>();
        QVERIFY(kutu->contentsRect().width() - 4 >=
                kutu->fontMetrics().horizontalAdvance(QStringLiteral("30")));
        // "Sec" again brings the same dialog forward.
        QCOMPARE(&ac(), &ilk);

        // On a first start the default path counts as the stored one.
        w<QPushButton>(ac(), "cmdTamam")->click();
        QVERIFY(!durum().Sozluk_Degisti);
        Tercihler* d = &ac();
        w<QLineEdit>(*d, "Text1")->setText(o_->veri("baska.txt"));
        w<QLineEdit>(*d, "Text2")->setText(o_->veri("sab2.txt"));
        w<QCheckBox>(*d, "Check1")->setChecked(true);
        w<QCheckBox>(*d, "Check2")->setChecked(true);
        w<QPushButton>(*d, "cmdTamam")->click();
        QVERIFY(durum().Sozluk_Degisti && durum().Tekrar_Izni && durum().Akilli_Arama);
        QCOMPARE(ayar("SOZ") + ayar("SAB") + ayar("SKO") + ayar("TEK") + ayar("AKL"),
                 o_->veri("baska.txt") + o_->veri("sab2.txt") + "0.17" + "true" + "true");
        // The first OK stored the new path: the next finds it unchanged.
        w<QPushButton>(ac(), "cmdTamam")->click();
        QVERIFY(!durum().Sozluk_Degisti);
        d = &ac();
        w<QLineEdit>(*d, "Text1")->setText(o_->veri("BASKA.txt"));
        w<QPushButton>(*d, "cmdTamam")->click();
        QVERIFY(durum().Sozluk_Degisti);

        // No lower limit; beyond a float is held at 30 %. In a comma locale
        // 12.5 % shows as "12,5" and reads as 12.
        const std::tuple<QString, float, QString> durumlar[] = {
            {" -4", -0.04f, "-0.04"}, {QString(60, QLatin1Char('9')), 0.3f, "0.3"}};
        for (const auto& [metin, oran, saklanan] : durumlar) {
            Tercihler& t = ac();
            w<Oran_Kutusu>(t, "Text3")->metin_yaz(metin);
            w<QPushButton>(t, "cmdTamam")->click();
            QCOMPARE(durum().Siyah_Orani, oran);
            QCOMPARE(ayar("SKO"), saklanan);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!ana().findChild<Tercihler*>());
        }
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        durum().Siyah_Orani = 0.125f;
        Tercihler& son = ac();
        QCOMPARE(w<Oran_Kutusu>(son, "Text3")->metin(), QStringLiteral("12,5"));
        w<QPushButton>(son, "cmdTamam")->click();
        QCOMPARE(durum().Siyah_Orani, 0.12f);
    }

    void iptal_ve_gozat() {
        ana().MDIForm_Load();
        const QString sozluk = durum().Sozluk_Yolu;
        const QString sablon = durum().Sablon_Yolu;
        Tercihler& t = ac();
        const QString secilen = o_->veri("yeni/olmayan.txt");
        o_->etkilesim.dosya_yanitlari = {secilen, QString(), QString()};
        w<QPushButton>(t, "Gozat1")->click();
        w<QPushButton>(t, "Gozat2")->click();
        w<QPushButton>(t, "Gozat1")->click();
        QCOMPARE(w<QLineEdit>(t, "Text1")->text() + w<QLineEdit>(t, "Text2")->text(),
                 secilen + sablon);
        const auto& istek = o_->etkilesim.dosya_istekleri;
        QCOMPARE(istek[0].baslik + istek[0].filtre, "Sözlük AçSözlükler (*.txt)|*.txt");
        QCOMPARE(istek[1].baslik + istek[1].filtre, "Şablon AçŞablonlar (sab*.txt)|sab*.txt");
        for (const Dosya_Istegi& i : istek)
            QVERIFY(i.varsayilan_uzanti == "txt" && !i.dosya_var_olmali);
        // Opens in the box's folder, or the data folder when that one is missing.
        QCOMPARE(istek[1].baslangic_klasoru, o_->veri_dizini.path());
        QCOMPARE(istek[2].baslangic_klasoru, o_->veri_dizini.path());

        w<QLineEdit>(t, "Text2")->setText("/b.txt");
        w<Oran_Kutusu>(t, "Text3")->metin_yaz("25");
        w<QCheckBox>(t, "Check1")->setChecked(true);
        w<QCheckBox>(t, "Check2")->setChecked(true);
        w<QPushButton>(t, "cmdiptal")->click();
        QCOMPARE(durum().Sozluk_Yolu + durum().Sablon_Yolu, sozluk + sablon);
        QVERIFY(durum().Siyah_Orani == 0.17f && !durum().Tekrar_Izni && !durum().Akilli_Arama);
        QVERIFY(!durum().Sozluk_Degisti && !QFile::exists(o_->ayarlar.dosya()));
    }

    // Arrows step between 0 and 30 from the whole number the box holds.
    void yukari_asagi() {
        const struct {
            const char* metin;
            int adim;
            const char* sonra;
        } durumlar[] = {{"17", 1, "18"},   {"30", 1, "30"},  {"0", -1, "0"},
                        {"12,5", 1, "13"}, {"35", -1, "29"}, {"yok", 1, "1"}};
        for (const auto& d : durumlar) {
            Oran_Kutusu kutu;
            kutu.metin_yaz(QString::fromLatin1(d.metin));
            kutu.stepBy(d.adim);
            QCOMPARE(kutu.metin(), QString::fromLatin1(d.sonra));
        }
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Ana_Form_Testi)
#include "ana_form_test.moc"
