// The dictionary load: "Dosya bulunamadı" and the chooser until a file loads,
// and the way out for a user without a dictionary.
#include <QtTest>

#include "sozluk_yukleyici.h"
#include "test_ortami.h"

namespace velzora {

class Sozluk_Yukleyici_Testi : public QObject {
    Q_OBJECT

    QTemporaryDir dizin_;
    QString iyi_;
    QString bos_;

  private slots:
    void initTestCase() {
        iyi_ = test::dosya_yaz(dizin_.filePath("iyi.txt"), test::KUCUK_SOZLUK);
        bos_ = test::dosya_yaz(dizin_.filePath("bos.txt"), "");
    }

    void bulunamayan_sozluk_secici_acar() {
        test::Senaryolu_Etkilesim e;
        e.dosya_yanitlari = {QString(), bos_, iyi_};
        Sozluk sozluk;
        QString yol = dizin_.filePath("yok.txt");
        QCOMPARE(sozluk_oku(sozluk, yol, e, nullptr, QStringLiteral("/veri")),
                 Sozluk_Sonucu::Yuklendi);
        QCOMPARE(yol, iyi_);
        QCOMPARE(sozluk.Kelime_Sayisi(), 3);
        // Missing file, cancelled chooser, empty file: one message each.
        QCOMPARE(e.mesajlar, std::vector<QString>(3, QStringLiteral("Dosya bulunamadı")));
        QVERIFY(e.sorular.empty());
        QCOMPARE(e.dosya_istekleri.size(), 3u);
        const Dosya_Istegi& istek = e.dosya_istekleri.front();
        QCOMPARE(istek.tur, Dosya_Istegi::Tur::Ac);
        QCOMPARE(istek.baslangic_klasoru, QStringLiteral("/veri"));
        QVERIFY(istek.dosya_var_olmali);
    }

    void iki_iptalden_sonra_cikis_sorulur() {
        test::Senaryolu_Etkilesim e;
        e.dosya_yanitlari = {QString(), QString(), QString(), bos_, QString(), QString()};
        e.soru_yanitlari = {false, true};
        Sozluk sozluk;
        QString yol;
        QCOMPARE(sozluk_oku(sozluk, yol, e, nullptr, QString()), Sozluk_Sonucu::Cikis_Istendi);
        // Declined after the second cancel; a chosen (bad) file starts the count afresh.
        QCOMPARE(e.sorular.size(), 2u);
        QCOMPARE(e.dosya_istekleri.size(), 6u);
        QCOMPARE(yol, bos_);
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Sozluk_Yukleyici_Testi)
#include "sozluk_yukleyici_test.moc"
