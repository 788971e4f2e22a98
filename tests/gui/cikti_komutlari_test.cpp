// The two output commands of the main window: the grid picture on the
// clipboard, and the puzzle document handed to the desktop's .docx application.
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

#include "ana_form.h"
#include "bul_form.h"
#include "ortak/cp1254.h"
#include "test_ortami.h"
#include "xml_agaci.h"
#include "zip_okuyucu.h"

namespace velzora {

// Records the documents the export asks the desktop to open.
class Acilan_Belgeler : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> adresler;

  public slots:
    void ac(const QUrl& adres) { adresler.push_back(adres); }
};

class Cikti_Komutlari_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;
    Acilan_Belgeler acilan_;

    Ana_Form& baslat() {
        Ana_Form& ana = o_->ana_yap(o_->veri_dizini.path());
        if (ana.MDIForm_Load() != Baslangic_Sonucu::Devam)
            qFatal("start-up failed");
        return ana;
    }

    // The last exported document's parts.
    std::map<std::string, std::string> son_belge() {
        if (acilan_.adresler.isEmpty())
            qFatal("no document was opened");
        const QByteArray bayt = test::dosya_icerigi(acilan_.adresler.back().toLocalFile());
        const auto parcalar = test::zip_parcalari(bayt.toStdString());
        if (!parcalar)
            qFatal("the document is not a readable zip");
        return *parcalar;
    }

    static QString govde_yazisi(const std::map<std::string, std::string>& parcalar) {
        const auto agac = test::xml_agaci(parcalar.at("word/document.xml"));
        return agac ? agac->yazi() : QString();
    }

  private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &acilan_, "ac"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init() {
        o_ = std::make_unique<test::Pencere_Ortami>();
        // 2 x 2, every cell white: AB over BA when repetition is allowed.
        test::dosya_yaz(o_->veri("sozluk.txt"), "AB:ilk ipucu\r\nBA: ikinci\r\n");
        test::dosya_yaz(o_->veri("sablon01.txt"), "BULMACA SABLONU\r\n 2  2 \r\n");
        acilan_.adresler.clear();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { o_.reset(); }

    void the_clipboard_holds_the_grid_picture_and_no_text() {
        Ana_Form& ana = baslat();
        ana.durum().Izgara.siyah_yap(1, 1, Renk_Kodu::Siyah);
        ana.durum().Izgara.harf_yaz(2, 2, "\xDD");
        QGuiApplication::clipboard()->setText(QStringLiteral("eski metin"));

        ana.arac_tiklandi(QStringLiteral("Kopyala"));

        const QMimeData* veri = QGuiApplication::clipboard()->mimeData();
        QVERIFY(veri != nullptr);
        QVERIFY(veri->hasImage());
        QVERIFY(!veri->hasText());
        QVERIFY(!veri->formats().contains(QStringLiteral("text/plain")));
        const QImage resim = QGuiApplication::clipboard()->image();
        const QImage beklenen = ana.bul_form()->grid().resim();
        QCOMPARE(resim.size(), beklenen.size());
        QCOMPARE(resim.convertToFormat(QImage::Format_RGB32),
                 beklenen.convertToFormat(QImage::Format_RGB32));
        QVERIFY(o_->etkilesim.mesajlar.empty());
    }

    void export_before_any_solve_has_the_grid_and_empty_clue_lists() {
        Ana_Form& ana = baslat();
        ana.arac_tiklandi(QStringLiteral("Duzenle"));

        QCOMPARE(acilan_.adresler.size(), 1);
        const QString yol = acilan_.adresler.front().toLocalFile();
        QVERIFY(yol.endsWith(QStringLiteral(".docx")));
        // A folder of its own that only this user may enter.
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(yol).absolutePath()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);

        const QString yazi = govde_yazisi(son_belge());
        QVERIFY(yazi.contains(QStringLiteral("KARE BULMACA")));
        QVERIFY(yazi.contains(QStringLiteral("SOLDAN SAĞA")));
        QVERIFY(!yazi.contains(QStringLiteral("ipucu")));
        // The clipboard step came first and its picture stays.
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
    }

    void export_after_a_solve_lists_the_clues_and_leaves_out_the_letters() {
        Ana_Form& ana = baslat();
        ana.durum().Tekrar_Izni = true;
        ana.Kos();
        QVERIFY(o_->etkilesim.mesajlar.front().startsWith(QStringLiteral("    Çözüm Bulundu")));

        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        ana.arac_tiklandi(QStringLiteral("Duzenle"));

        QCOMPARE(acilan_.adresler.size(), 2);
        QVERIFY(acilan_.adresler[0] != acilan_.adresler[1]);
        const QString yazi = govde_yazisi(son_belge());
        // Untrimmed clues: the second keeps its leading blank.
        QVERIFY2(yazi.contains(QStringLiteral(" 1.ilk ipucu")) ||
                     yazi.contains(QStringLiteral(" 1. ikinci")),
                 qPrintable(yazi));
        QVERIFY(!yazi.contains(QStringLiteral("AB")));
        QVERIFY(!yazi.contains(QStringLiteral("BA")));
    }

    void an_export_that_cannot_write_ends_silently() {
        Ana_Form& ana = baslat();
        const QByteArray eski = qgetenv("TMPDIR");
        qputenv("TMPDIR", o_->veri("yok/olmayan/klasor").toLocal8Bit());
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        qputenv("TMPDIR", eski);

        QVERIFY(acilan_.adresler.isEmpty());
        QVERIFY(o_->etkilesim.mesajlar.empty());
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Cikti_Komutlari_Testi)
#include "cikti_komutlari_test.moc"
