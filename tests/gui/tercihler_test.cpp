// The preferences dialog: what it shows, how "Tamam" reads and stores the
// four options, what "İptal" and the browse buttons leave alone.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "oran_kutusu.h"
#include "tercihler.h"
#include "test_ortami.h"

namespace velzora {

class Tercihler_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Gecici_Ayarlar> ayarlar_;
    std::unique_ptr<QTemporaryDir> veri_;
    std::unique_ptr<test::Senaryolu_Etkilesim> etkilesim_;
    std::unique_ptr<Ana_Form> ana_;

    QString veri(const char* ad) const { return veri_->filePath(QString::fromLatin1(ad)); }
    Program_Durumu& durum() { return ana_->durum(); }
    // Opens the dialog as the toolbar's "Sec" does.
    Tercihler& ac() {
        ana_->tbToolBar()->konum(13)->trigger();
        auto* t = ana_->findChild<Tercihler*>();
        if (t == nullptr)
            qFatal("no preferences dialog");
        return *t;
    }
    // Closed by OK or Cancel, the dialog is gone.
    bool kapandi() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ana_->findChild<Tercihler*>() == nullptr;
    }

  private slots:
    void init() {
        ayarlar_ = std::make_unique<test::Gecici_Ayarlar>();
        veri_ = std::make_unique<QTemporaryDir>();
        etkilesim_ = std::make_unique<test::Senaryolu_Etkilesim>();
        test::dosya_yaz(veri("sozluk.txt"), test::KUCUK_SOZLUK);
        test::dosya_yaz(veri("sablon01.txt"), test::KUCUK_SABLON);
        ana_ = std::make_unique<Ana_Form>(
            *etkilesim_,
            Dizinler{veri_->path(), QStringLiteral(VELZORA_YARDIM_KAYNAGI), veri_->path()});
        QCOMPARE(ana_->MDIForm_Load(), Baslangic_Sonucu::Devam);
    }
    void cleanup() {
        ana_.reset();
        etkilesim_.reset();
        veri_.reset();
        ayarlar_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void acilis() {
        durum().Tekrar_Izni = true;
        Tercihler& t = ac();
        QVERIFY(t.isVisible() && !t.isModal());
        QCOMPARE(t.windowTitle(), QStringLiteral("Tercihler"));
        QCOMPARE(t.Label1->text(), QStringLiteral("Varsayılan Sözlük"));
        QCOMPARE(t.Label2->text(), QStringLiteral("Varsayılan Şablon"));
        QCOMPARE(t.Label3->text(), QStringLiteral("Rastgele Siyah Kare Oranı  %"));
        QCOMPARE(t.Check1->text(), QStringLiteral("Kelime Tekrarına İzin Ver"));
        QCOMPARE(t.Gozat1->text(), QStringLiteral("Gözat"));
        QCOMPARE(t.Gozat2->text(), QStringLiteral("Gözat"));
        QCOMPARE(t.cmdTamam->text(), QStringLiteral("Tamam"));
        QCOMPARE(t.cmdiptal->text(), QStringLiteral("İptal"));
        QCOMPARE(t.Text1->text(), durum().Sozluk_Yolu);
        QCOMPARE(t.Text2->text(), durum().Sablon_Yolu);
        QCOMPARE(t.Text3->metin(), QStringLiteral("17"));
        QVERIFY(t.Check1->isChecked());
        const QRect ekran = t.screen()->geometry();
        QCOMPARE(t.pos(), QPoint(ekran.x() + (ekran.width() - t.width()) / 2,
                                 ekran.y() + (ekran.height() - t.height()) / 2));
        // "Sec" again brings the same dialog forward.
        QCOMPARE(&ac(), &t);
        QCOMPARE(ana_->findChildren<Tercihler*>().size(), 1);
    }

    void oran_okuma_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<float>("oran");
        QTest::addColumn<QString>("saklanan");
        QTest::newRow("17") << "17" << 0.17f << "0.17";
        QTest::newRow("35 capped") << "35" << 0.3f << "0.3";
        QTest::newRow("30.5 capped") << "30.5" << 0.3f << "0.3";
        QTest::newRow("no digits") << "yüzde" << 0.0f << "0";
        QTest::newRow("12.5") << "12.5" << 0.125f << "0.125";
        QTest::newRow("12,5 stops at the comma") << "12,5" << 0.12f << "0.12";
        QTest::newRow("no lower limit") << " -4" << -0.04f << "-0.04";
        QTest::newRow("beyond single precision") << QString(60, QLatin1Char('9')) << 0.3f << "0.3";
    }
    void oran_okuma() {
        QFETCH(QString, metin);
        QFETCH(float, oran);
        QFETCH(QString, saklanan);
        Tercihler& t = ac();
        t.Text3->metin_yaz(metin);
        t.cmdTamam->click();
        QCOMPARE(durum().Siyah_Orani, oran);
        QCOMPARE(ayarlar_->oku("SKO").toString(), saklanan);
        QVERIFY(kapandi());
    }

    void virgullu_yerelde_oran() {
        // Shown in the locale's format; read back by the leading-number rule.
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        durum().Siyah_Orani = 0.125f;
        Tercihler& t = ac();
        QCOMPARE(t.Text3->metin(), QStringLiteral("12,5"));
        t.cmdTamam->click();
        QCOMPARE(durum().Siyah_Orani, 0.12f);
    }

    void tamam_dort_degeri_yazar_ve_sozluk_degisikligini_izler() {
        // On a first start the default path counts as stored.
        Tercihler* t = &ac();
        t->cmdTamam->click();
        QVERIFY(!durum().Sozluk_Degisti);

        t = &ac();
        t->Text1->setText(veri("baska.txt"));
        t->Text2->setText(veri("sab2.txt"));
        t->Check1->setChecked(true);
        t->cmdTamam->click();
        QVERIFY(durum().Sozluk_Degisti);
        QCOMPARE(durum().Sozluk_Yolu, veri("baska.txt"));
        QCOMPARE(durum().Sablon_Yolu, veri("sab2.txt"));
        QVERIFY(durum().Tekrar_Izni);
        QCOMPARE(ayarlar_->oku("SOZ").toString(), veri("baska.txt"));
        QCOMPARE(ayarlar_->oku("SAB").toString(), veri("sab2.txt"));
        QCOMPARE(ayarlar_->oku("SKO").toString(), QStringLiteral("0.17"));
        QCOMPARE(ayarlar_->oku("TEK").toString(), QStringLiteral("true"));

        // The first OK stored the new path: the next one finds it unchanged.
        ac().cmdTamam->click();
        QVERIFY(!durum().Sozluk_Degisti);
        // Compared exactly, case included.
        t = &ac();
        t->Text1->setText(veri("BASKA.txt"));
        t->cmdTamam->click();
        QVERIFY(durum().Sozluk_Degisti);
    }

    void iptal_hicbir_seyi_degistirmez() {
        const QString sozluk = durum().Sozluk_Yolu;
        const QString sablon = durum().Sablon_Yolu;
        Tercihler& t = ac();
        t.Text1->setText(QStringLiteral("/a.txt"));
        t.Text2->setText(QStringLiteral("/b.txt"));
        t.Text3->metin_yaz(QStringLiteral("25"));
        t.Check1->setChecked(true);
        t.cmdiptal->click();
        QVERIFY(kapandi());
        QCOMPARE(durum().Sozluk_Yolu, sozluk);
        QCOMPARE(durum().Sablon_Yolu, sablon);
        QCOMPARE(durum().Siyah_Orani, 0.17f);
        QVERIFY(!durum().Tekrar_Izni);
        QVERIFY(!durum().Sozluk_Degisti);
        QVERIFY(!QFile::exists(ayarlar_->dosya()));
        // The next opening shows the values as they are.
        QCOMPARE(ac().Text1->text(), sozluk);
    }

    void gozat() {
        Tercihler& t = ac();
        const QString secilen = veri("yeni/olmayan.txt");
        etkilesim_->dosya_yanitlari = {secilen, QString(), QString()};
        t.Gozat1->click();
        QCOMPARE(t.Text1->text(), secilen);
        const QString sablon = t.Text2->text();
        t.Gozat2->click();
        t.Gozat1->click();
        QCOMPARE(t.Text1->text(), secilen);
        QCOMPARE(t.Text2->text(), sablon);

        const auto& istekler = etkilesim_->dosya_istekleri;
        QCOMPARE(istekler[0].baslik, QStringLiteral("Sözlük Aç"));
        QCOMPARE(istekler[0].filtre, QStringLiteral("Sözlükler (*.txt)|*.txt"));
        QCOMPARE(istekler[1].baslik, QStringLiteral("Şablon Aç"));
        QCOMPARE(istekler[1].filtre, QStringLiteral("Şablonlar (sab*.txt)|sab*.txt"));
        for (const Dosya_Istegi& i : istekler) {
            QCOMPARE(i.tur, Dosya_Istegi::Tur::Ac);
            QCOMPARE(i.varsayilan_uzanti, QStringLiteral("txt"));
            QVERIFY(!i.dosya_var_olmali);
        }
        // Opens where the box's file is; its folder "yeni" does not exist.
        QCOMPARE(istekler[1].baslangic_klasoru, veri_->path());
        QCOMPARE(istekler[2].baslangic_klasoru, veri_->path());
    }

    void yukari_asagi_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("adim");
        QTest::addColumn<QString>("sonra");
        QTest::newRow("up") << "17" << 1 << "18";
        QTest::newRow("down") << "17" << -1 << "16";
        QTest::newRow("top") << "30" << 1 << "30";
        QTest::newRow("bottom") << "0" << -1 << "0";
        QTest::newRow("from 12,5") << "12,5" << 1 << "13";
        QTest::newRow("above the range") << "35" << -1 << "29";
        QTest::newRow("below the range") << "-3" << 1 << "1";
        QTest::newRow("text") << "yok" << 1 << "1";
    }
    void yukari_asagi() {
        QFETCH(QString, metin);
        QFETCH(int, adim);
        QFETCH(QString, sonra);
        Oran_Kutusu kutu;
        kutu.metin_yaz(metin);
        kutu.stepBy(adim);
        QCOMPARE(kutu.metin(), sonra);
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Tercihler_Testi)
#include "tercihler_test.moc"
