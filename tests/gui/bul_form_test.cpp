// The puzzle window and its grid view: header, toggling, typing.
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

#include "bul_form.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/cp1254.h"
#include "test_ortami.h"

namespace velzora {
namespace {

// Sends one typed character the way a keyboard with that letter would.
void yaz(QWidget* w, const QString& metin, Qt::Key tus = Qt::Key_unknown) {
    QKeyEvent basma(QEvent::KeyPress, tus, Qt::NoModifier, metin);
    QApplication::sendEvent(w, &basma);
}

QString harf(const Izgara& g, int r, int c) {
    return QString::fromStdString(cp1254_utf8(g.harf_al(r, c)));
}

}  // namespace

class Bul_Form_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<Izgara> izgara_;
    std::unique_ptr<Bul_Form> bul_;
    Izgara_Gorunumu* grid() { return &bul_->grid(); }

    void ciz(int R, int C) { QCOMPARE(bul_->sablon_ciz(nullptr, R, C), Cizim_Sonucu::Tamam); }
    QPoint orta(int r, int c) { return grid()->hucre_alani({r, c}).center(); }

  private slots:
    void init() {
        izgara_ = std::make_unique<Izgara>();
        bul_ = std::make_unique<Bul_Form>(*izgara_);
        bul_->show();
        QVERIFY(QTest::qWaitForWindowExposed(bul_.get()));
    }
    void cleanup() {
        bul_.reset();
        izgara_.reset();
    }

    void yerlesim() {
        ciz(4, 50);
        QCOMPARE(grid()->hucre_metni({0, 50}) + grid()->hucre_metni({4, 0}), QStringLiteral("504"));
        izgara_->siyah_yap(2, 2, Renk_Kodu::Siyah);
        for (auto [r, c] : {std::pair{1, 5}, {5, 51}}) {
            QCOMPARE(bul_->sablon_ciz(nullptr, r, c), Cizim_Sonucu::Ebat_Gecersiz);
            QVERIFY(!bul_->Cizim_Tamam());
            QCOMPARE(izgara_->Satir_Sayisi(), 4);
            QVERIFY(izgara_->siyah_mi(2, 2));
        }

        // From a template: its size and black squares, the letters gone.
        Sablon_Icerigi sab;
        QCOMPARE(sablon_cozumle(test::KUCUK_SABLON, sab), Sablon_Hatasi::Yok);
        izgara_->harf_yaz(1, 1, "A");
        int R = 0, C = 0;
        QCOMPARE(bul_->sablon_ciz(&sab, R, C), Cizim_Sonucu::Tamam);
        QCOMPARE(std::pair(R, C), std::pair(3, 4));
        QVERIFY(izgara_->siyah_mi(1, 4) && izgara_->siyah_mi(3, 1));
        QCOMPARE(harf(*izgara_, 1, 1), QString());
        QVERIFY(bul_->Cizim_Tamam());
        // Reading ends on the last black square: that is the typing target.
        QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{3, 1}));
        QCOMPARE(std::pair(bul_->Secili_Satir(), bul_->Secili_Sutun()), std::pair(3, 1));
    }

    void cift_tiklama_ve_baslik_hucreleri() {
        ciz(5, 6);
        izgara_->harf_yaz(2, 3, "K");
        QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(2, 3));
        QVERIFY(izgara_->siyah_mi(2, 3));
        QCOMPARE(harf(*izgara_, 2, 3), QStringLiteral("K"));
        QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(2, 3));
        QVERIFY(izgara_->beyaz_mi(2, 3));
        QCOMPARE(harf(*izgara_, 2, 3), QStringLiteral("K"));

        // Header cells and the area outside the cells do nothing.
        QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(0, 3));
        QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(3, 0));
        QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(grid()->width() - 2, grid()->height() - 2));
        for (int i = 0; i < 30; ++i)
            QVERIFY(izgara_->beyaz_mi(i / 6 + 1, i % 6 + 1));

        // A header cell is never the typing target.
        QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(0, 4));
        QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{1, 4}));
        QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(0, 0));
        QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{1, 1}));
        QTest::keyClick(grid(), Qt::Key_Left);
        QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{1, 1}));
        QTest::keyClick(grid(), Qt::Key_End);
        QTest::keyClick(grid(), Qt::Key_PageDown);
        QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{5, 6}));
        QCOMPARE(std::pair(bul_->Secili_Satir(), bul_->Secili_Sutun()), std::pair(5, 6));
    }

    void yazim() {
        ciz(3, 3);
        // Right after a blank layout the typing target is the last cell.
        yaz(grid(), QStringLiteral("a"));
        QCOMPARE(harf(*izgara_, 3, 3), QStringLiteral("A"));

        // Turkish capitals; blank, backspace and escape empty the cell. The
        // typing target does not move on.
        const std::tuple<QString, Qt::Key, QString> durumlar[] = {
            {"i", Qt::Key_unknown, "İ"},   {"ı", Qt::Key_unknown, "I"},
            {"ş", Qt::Key_unknown, "Ş"},   {" ", Qt::Key_Space, ""},
            {"\b", Qt::Key_Backspace, ""}, {"\x1b", Qt::Key_Escape, ""}};
        for (const auto& [basilan, tus, yazilan] : durumlar) {
            QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(2, 2));
            izgara_->harf_yaz(2, 2, "Z");
            yaz(grid(), basilan, tus);
            QCOMPARE(harf(*izgara_, 2, 2), yazilan);
            QCOMPARE(grid()->gecerli_hucre(), (Hucre_Konumu{2, 2}));
        }

        // A key on a black square empties its text; it stays black.
        izgara_->harf_yaz(1, 2, "K");
        izgara_->siyah_yap(1, 2, Renk_Kodu::Siyah);
        QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(1, 2));
        yaz(grid(), QStringLiteral("b"));
        QVERIFY(izgara_->siyah_mi(1, 2));
        QCOMPARE(harf(*izgara_, 1, 2), QString());

        // A letter without a Windows-1254 form changes nothing and says so.
        QSignalSpy durum(bul_.get(), &Bul_Form::durum_bildirildi);
        QTest::mouseClick(grid(), Qt::LeftButton, Qt::NoModifier, orta(3, 3));
        yaz(grid(), QStringLiteral("ł"));
        QCOMPARE(harf(*izgara_, 3, 3), QStringLiteral("A"));
        QCOMPARE(durum.count(), 1);
        QVERIFY(durum.at(0).at(0).toString().contains(QStringLiteral("ł")));
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Bul_Form_Testi)
#include "bul_form_test.moc"
