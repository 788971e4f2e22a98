// The preferences dialog: what it shows, how "Tamam" reads and stores the
// four options, what "İptal" and the browse buttons leave alone.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ana_form.h"
#include "arac_cubugu.h"
#include "oran_kutusu.h"
#include "tercihler.h"
#include "test_ortami.h"

namespace velzora {

class Tercihler_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;

    Program_Durumu& durum() { return o_->ana->durum(); }
    // Opens the dialog as the toolbar's "Sec" does.
    Tercihler& ac() {
        o_->ana->tbToolBar()->konum(13)->trigger();
        return *o_->ana->findChild<Tercihler*>();
    }
    template <typename T>
    static T* w(Tercihler& t, const char* ad) {
        return t.findChild<T*>(QString::fromLatin1(ad));
    }
    QString ayar(const char* anahtar) { return o_->ayarlar.oku(anahtar).toString(); }
    void baslat() { QCOMPARE(o_->ana_yap().MDIForm_Load(), Baslangic_Sonucu::Devam); }

  private slots:
    void init() {
        o_ = std::make_unique<test::Pencere_Ortami>();
        baslat();
    }
    void cleanup() {
        o_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void acilis() {
        durum().Tekrar_Izni = true;
        durum().Akilli_Arama = true;
        Tercihler& t = ac();
        QVERIFY(t.isVisible() && !t.isModal());
        QCOMPARE(w<QLineEdit>(t, "Text1")->text() + w<QLineEdit>(t, "Text2")->text(),
                 durum().Sozluk_Yolu + durum().Sablon_Yolu);
        QCOMPARE(w<Oran_Kutusu>(t, "Text3")->metin(), QStringLiteral("17"));
        QVERIFY(w<QCheckBox>(t, "Check1")->isChecked() && w<QCheckBox>(t, "Check2")->isChecked());
        // The ratio box holds its widest value whole (17 once showed as "7").
        const QLineEdit* oran = w<Oran_Kutusu>(t, "Text3")->findChild<QLineEdit*>();
        QVERIFY(oran->contentsRect().width() - 4 >=
                oran->fontMetrics().horizontalAdvance(QStringLiteral("30")));
        // "Sec" again brings the same dialog forward.
        QCOMPARE(&ac(), &t);
    }

    void oran_okuma_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<float>("oran");
        QTest::addColumn<QString>("saklanan");
        QTest::newRow("17") << "17" << 0.17f << "0.17";
        QTest::newRow("35") << "35" << 0.3f << "0.3";
        QTest::newRow("30.5") << "30.5" << 0.3f << "0.3";
        QTest::newRow("no digits") << "yüzde" << 0.0f << "0";
        QTest::newRow("12.5") << "12.5" << 0.125f << "0.125";
        QTest::newRow("12,5") << "12,5" << 0.12f << "0.12";
        QTest::newRow("no lower limit") << " -4" << -0.04f << "-0.04";
        QTest::newRow("beyond a float") << QString(60, QLatin1Char('9')) << 0.3f << "0.3";
    }
    void oran_okuma() {
        QFETCH(QString, metin);
        QFETCH(float, oran);
        QFETCH(QString, saklanan);
        Tercihler& t = ac();
        w<Oran_Kutusu>(t, "Text3")->metin_yaz(metin);
        w<QPushButton>(t, "cmdTamam")->click();
        QCOMPARE(durum().Siyah_Orani, oran);
        QCOMPARE(ayar("SKO"), saklanan);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!o_->ana->findChild<Tercihler*>());
    }

    void virgullu_yerelde_oran() {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        durum().Siyah_Orani = 0.125f;
        Tercihler& t = ac();
        QCOMPARE(w<Oran_Kutusu>(t, "Text3")->metin(), QStringLiteral("12,5"));
        w<QPushButton>(t, "cmdTamam")->click();
        QCOMPARE(durum().Siyah_Orani, 0.12f);
    }

    void tamam_ve_sozluk_degisikligi() {
        // On a first start the default path counts as the stored one.
        w<QPushButton>(ac(), "cmdTamam")->click();
        QVERIFY(!durum().Sozluk_Degisti);
        Tercihler* t = &ac();
        w<QLineEdit>(*t, "Text1")->setText(o_->veri("baska.txt"));
        w<QLineEdit>(*t, "Text2")->setText(o_->veri("sab2.txt"));
        w<QCheckBox>(*t, "Check1")->setChecked(true);
        w<QCheckBox>(*t, "Check2")->setChecked(true);
        w<QPushButton>(*t, "cmdTamam")->click();
        QVERIFY(durum().Sozluk_Degisti && durum().Tekrar_Izni && durum().Akilli_Arama);
        QCOMPARE(durum().Sozluk_Yolu + durum().Sablon_Yolu,
                 o_->veri("baska.txt") + o_->veri("sab2.txt"));
        QCOMPARE(ayar("SOZ") + ayar("SAB") + ayar("SKO") + ayar("TEK") + ayar("AKL"),
                 o_->veri("baska.txt") + o_->veri("sab2.txt") + "0.17" + "true" + "true");
        // The first OK stored the new path: the next finds it unchanged.
        w<QPushButton>(ac(), "cmdTamam")->click();
        QVERIFY(!durum().Sozluk_Degisti);
        t = &ac();
        w<QLineEdit>(*t, "Text1")->setText(o_->veri("BASKA.txt"));
        w<QPushButton>(*t, "cmdTamam")->click();
        QVERIFY(durum().Sozluk_Degisti);
    }

    void iptal_ve_gozat() {
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
        QVERIFY(durum().Siyah_Orani == 0.17f && !durum().Tekrar_Izni && !durum().Sozluk_Degisti);
        QVERIFY(!durum().Akilli_Arama);
        QVERIFY(!QFile::exists(o_->ayarlar.dosya()));
    }

    void yukari_asagi_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("adim");
        QTest::addColumn<QString>("sonra");
        QTest::newRow("up") << "17" << 1 << "18";
        QTest::newRow("top") << "30" << 1 << "30";
        QTest::newRow("bottom") << "0" << -1 << "0";
        QTest::newRow("from 12,5") << "12,5" << 1 << "13";
        QTest::newRow("above the range") << "35" << -1 << "29";
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
