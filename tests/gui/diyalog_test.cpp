// The dialogs: the size dialog's reading and spin limits, the real file
// dialog and message boxes as the program shows them, and the dictionary
// load's questions.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ebat_frm.h"
#include "ebat_kutusu.h"
#include "qt_etkilesim.h"
#include "sozluk_yukleyici.h"
#include "test_ortami.h"

namespace velzora {
namespace {

// Runs `yanit` on the modal dialog as soon as it is up. A check that fails
// inside it leaves the dialog open; it is closed then, so the test ends.
template <typename Pencere>
void cevapla(std::function<void(Pencere*)> yanit) {
    QTimer::singleShot(0, [yanit] {
        auto* p = qobject_cast<Pencere*>(QApplication::activeModalWidget());
        if (p == nullptr)
            qFatal("no modal dialog of the expected kind");
        yanit(p);
        if (p->isVisible())
            p->reject();
    });
}

// A lower bound for a caption's room: a bold, larger title-bar face, an icon
// and three buttons.
int baslik_icin(const QWidget& w) {
    QFont kalin = w.font();
    kalin.setBold(true);
    kalin.setPointSizeF(kalin.pointSizeF() * 1.2);
    return QFontMetrics(kalin).horizontalAdvance(w.windowTitle()) + 6 * w.fontMetrics().height();
}

}  // namespace

class Diyalog_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Gecici_Ayarlar> ayarlar_;

  private slots:
    void init() { ayarlar_ = std::make_unique<test::Gecici_Ayarlar>(); }
    void cleanup() { ayarlar_.reset(); }

    // The close box answers nothing; Return reads the boxes.
    void ebat_diyalogu() {
        Ebat_Frm frm({4, 5});
        cevapla<Ebat_Frm>([](Ebat_Frm* f) { f->close(); });
        frm.exec();
        QCOMPARE(frm.sonuc(), std::nullopt);
        Qt_Etkilesim etkilesim;
        cevapla<Ebat_Frm>([](Ebat_Frm* f) {
            f->Text1->metin_yaz(QStringLiteral("6.5"));
            QTest::keyClick(f->Text2, Qt::Key_Return);
        });
        QCOMPARE(etkilesim.ebat_sor(nullptr, {4, 5}), (std::optional<Ebat>(Ebat{6, 5})));

        // The caption is never cut short: the dialog leaves room for it in the
        // title bar's bold face beside the buttons; a refused size says why.
        Ebat_Frm gecerli({9, 9});
        gecerli.show();
        QVERIFY(gecerli.width() >= baslik_icin(gecerli));
        QVERIFY(!gecerli.findChild<QLabel*>(QStringLiteral("lblUyari")));
        Ebat_Frm reddedilen({51, 5});
        const auto* uyari = reddedilen.findChild<QLabel*>(QStringLiteral("lblUyari"));
        QVERIFY(uyari && uyari->text().contains(QStringLiteral("2 ile 50")));
    }

    // Arrows step between 2 and 30 from the number typed; a typed 45 stays
    // until an arrow is used, and the key arrows stop at the ends.
    void ok_dugmeleri_2_ile_30_arasinda() {
        const struct {
            const char* metin;
            int adim;
            Qt::Key tus;
            const char* sonra;
        } durumlar[] = {{"29", 1, Qt::Key_unknown, "30"}, {"30", 1, Qt::Key_unknown, "30"},
                        {"45", 0, Qt::Key_Up, "45"},      {"45", -1, Qt::Key_unknown, "30"},
                        {"3", -5, Qt::Key_unknown, "2"},  {"2", 0, Qt::Key_Down, "2"},
                        {"2", 0, Qt::Key_Up, "3"}};
        for (const auto& d : durumlar) {
            Ebat_Kutusu kutu;
            kutu.metin_yaz(QString::fromLatin1(d.metin));
            if (d.adim != 0)
                kutu.stepBy(d.adim);
            else
                QTest::keyClick(&kutu, d.tus);
            QCOMPARE(kutu.metin(), QString::fromLatin1(d.sonra));
        }
    }

    void gercek_dosya_diyalogu() {
        QCOMPARE(qt_filtresi(QStringLiteral(" sab*.txt|sab*.txt")), QStringLiteral(" sab*.txt"));
        QCOMPARE(qt_filtresi(QStringLiteral("Metin|*.txt|Hepsi|*")),
                 QStringLiteral("Metin (*.txt);;Hepsi (*)"));
        QTemporaryDir d;
        const QString sab = test::dosya_yaz(d.filePath("sab3.txt"), test::KUCUK_SABLON);
        Qt_Etkilesim etkilesim;
        Dosya_Istegi ac{Dosya_Istegi::Tur::Ac,
                        "Şablon Aç",
                        "Şablonlar (sab*.txt)|sab*.txt",
                        "txt",
                        d.path(),
                        true};
        cevapla<QFileDialog>([&](QFileDialog* f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Şablon Aç"));
            QCOMPARE(f->nameFilters(), QStringList{"Şablonlar (sab*.txt)"});
            QCOMPARE(f->defaultSuffix(), QStringLiteral("txt"));
            QCOMPARE(f->acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(f->fileMode(), QFileDialog::ExistingFile);
            f->selectFile(sab);
            static_cast<QDialog*>(f)->accept();
        });
        QCOMPARE(etkilesim.dosya_sor(nullptr, ac), sab);

        // The same dialog offers the last chosen name, in the user's folder
        // when it came from the built-in data; a typed name without extension
        // gets ".txt"; cancelling gives nothing.
        QTemporaryDir kullanici;
        Dosya_Istegi sakla = ac;
        sakla.tur = Dosya_Istegi::Tur::Sakla;
        sakla.baslangic_klasoru = kullanici.path();
        sakla.korunan_klasor = d.path();
        cevapla<QFileDialog>([&](QFileDialog* f) {
            QCOMPARE(f->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(f->selectedFiles(), QStringList{kullanici.filePath("sab3.txt")});
            QVERIFY(!f->testOption(QFileDialog::DontConfirmOverwrite));
            f->selectFile(d.filePath("sab4"));
            static_cast<QDialog*>(f)->accept();
        });
        QCOMPARE(etkilesim.dosya_sor(nullptr, sakla), d.filePath("sab4.txt"));
        cevapla<QFileDialog>([&](QFileDialog* f) {
            QCOMPARE(f->selectedFiles(), QStringList{d.filePath("sab4.txt")});
            f->reject();
        });
        QCOMPARE(etkilesim.dosya_sor(nullptr, ac), QString());
    }

    void mesaj_kutulari() {
        Qt_Etkilesim etkilesim;
        cevapla<QMessageBox>([](QMessageBox* m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("Velzora"));
            QVERIFY(m->width() >= baslik_icin(*m));
            QCOMPARE(m->text(), QStringLiteral("Dosya bulunamadı"));
            QCOMPARE(m->buttons().size(), 1);
            m->accept();
        });
        etkilesim.mesaj(nullptr, QStringLiteral("Dosya bulunamadı"));

        cevapla<QMessageBox>([](QMessageBox* m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("Durdur"));
            QCOMPARE(m->defaultButton(), m->button(QMessageBox::No));
            QTest::keyClick(m, Qt::Key_Return);
        });
        QVERIFY(!etkilesim.soru(nullptr, QStringLiteral("Durdur"), QStringLiteral("?")));
        cevapla<QMessageBox>([](QMessageBox* m) { m->button(QMessageBox::Yes)->click(); });
        QVERIFY(etkilesim.soru(nullptr, QStringLiteral("Durdur"), QStringLiteral("?")));
    }

    // The dictionary load: "Dosya bulunamadı" and the chooser until a file
    // loads, and the way out for a user without a dictionary.
    void sozluk_yukleme() {
        QTemporaryDir d;
        const QString iyi = test::dosya_yaz(d.filePath("iyi.txt"), test::KUCUK_SOZLUK);
        const QString bos = test::dosya_yaz(d.filePath("bos.txt"), "");
        test::Senaryolu_Etkilesim e;
        e.dosya_yanitlari = {QString(), bos, iyi};
        Sozluk sozluk;
        QString yol = d.filePath("yok.txt");
        QCOMPARE(sozluk_oku(sozluk, yol, e, nullptr, QStringLiteral("/veri")),
                 Sozluk_Sonucu::Yuklendi);
        QCOMPARE(yol, iyi);
        QCOMPARE(sozluk.Kelime_Sayisi(), 3);
        // Missing file, cancelled chooser, empty file: one message each.
        QCOMPARE(e.mesajlar, std::vector<QString>(3, QStringLiteral("Dosya bulunamadı")));
        QVERIFY(e.sorular.empty());
        const Dosya_Istegi& istek = e.dosya_istekleri.front();
        QVERIFY(istek.tur == Dosya_Istegi::Tur::Ac && istek.dosya_var_olmali);
        QCOMPARE(istek.baslangic_klasoru, QStringLiteral("/veri"));

        // Leaving is asked after two cancels in a row, here declined once; a
        // chosen (bad) file starts the count afresh.
        test::Senaryolu_Etkilesim c;
        c.dosya_yanitlari = {QString(), QString(), QString(), bos, QString(), QString()};
        c.soru_yanitlari = {false, true};
        Sozluk ikinci;
        yol.clear();
        QCOMPARE(sozluk_oku(ikinci, yol, c, nullptr, QString()), Sozluk_Sonucu::Cikis_Istendi);
        QCOMPARE(c.sorular.size(), 2u);
        QCOMPARE(c.dosya_istekleri.size(), 6u);
        QCOMPARE(yol, bos);
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Diyalog_Testi)
#include "diyalog_test.moc"
