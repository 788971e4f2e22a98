// The output commands of the main window: the puzzle document the word
// processor opens as a new one, and the document and PDF saved where the
// user chooses.
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <QtTest>

#include "ana_form.h"
#include "bul_form.h"
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
    QTemporaryDir araclar_;
    QByteArray path_;

    // 2 x 2, every cell white: AB over BA when repetition is allowed.
    Ana_Form& baslat() {
        return o_->baslat("BULMACA SABLONU\r\n 2  2 \r\n", "AB:ilk ipucu\r\nBA: ikinci\r\n");
    }

    // What xdg-mime names as the application for the template type.
    void varsayilan_uygulama(const QByteArray& ad) {
        const QString betik = araclar_.filePath(QStringLiteral("xdg-mime"));
        test::dosya_yaz(betik, "#!/bin/sh\necho '" + ad + "'\n");
        QFile::setPermissions(betik, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    static std::map<std::string, std::string> parcalar(const QString& yol) {
        const auto p = test::zip_parcalari(test::dosya_icerigi(yol).toStdString());
        if (!p)
            qFatal("%s is not a readable zip", qPrintable(yol));
        return *p;
    }

    static QString govde_yazisi(const QString& yol) {
        const auto agac = test::xml_agaci(parcalar(yol).at("word/document.xml"));
        return agac ? agac->yazi() : QString();
    }

  private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &acilan_, "ac");
        path_ = qgetenv("PATH");
        qputenv("PATH", araclar_.path().toLocal8Bit() + ':' + path_);
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        qputenv("PATH", path_);
    }

    void init() {
        o_ = std::make_unique<test::Pencere_Ortami>();
        varsayilan_uygulama("libreoffice-writer.desktop");
        acilan_.adresler.clear();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { o_.reset(); }

    void export_opens_a_new_untitled_document_and_changes_nothing() {
        Ana_Form& ana = baslat();
        ana.durum().Tekrar_Izni = true;
        ana.Kos();
        QVERIFY(o_->etkilesim.mesajlar.front().startsWith(QStringLiteral("    Çözüm Bulundu")));
        const QImage once = ana.bul_form()->grid().resim();
        const auto sorular = ana.durum().Cozucu.Cozum_Soru_Tablosu();

        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        ana.findChild<QAction*>(QStringLiteral("mnuBelge_Ac"))->trigger();

        QCOMPARE(acilan_.adresler.size(), 2);
        QVERIFY(acilan_.adresler[0] != acilan_.adresler[1]);
        const QString yol = acilan_.adresler.back().toLocalFile();
        QVERIFY(parcalar(yol).at("[Content_Types].xml").find("template.main+xml") !=
                std::string::npos);
        // Untrimmed clues, no letters: the second keeps its leading blank.
        const QString yazi = govde_yazisi(yol);
        QVERIFY2(yazi.contains(QStringLiteral("1.ilk ipucu")) ||
                     yazi.contains(QStringLiteral("1. ikinci")),
                 qPrintable(yazi));
        QVERIFY(!yazi.contains(QStringLiteral("AB")) && !yazi.contains(QStringLiteral("BA")));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());

        // The solution page, when asked for, shows the letters.
        ana.findChild<QAction*>(QStringLiteral("mnuCozum_Sayfasi"))->trigger();
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        QVERIFY(govde_yazisi(acilan_.adresler.back().toLocalFile()).contains(QStringLiteral("AB")));

        QCOMPARE(ana.bul_form()->grid().resim(), once);
        QCOMPARE(ana.durum().Cozucu.Cozum_Soru_Tablosu(), sorular);
    }

    void where_nothing_opens_it_the_document_is_offered_for_saving() {
        Ana_Form& ana = baslat();
        varsayilan_uygulama("");
        const QString hedef = o_->veri("kayit/bulmaca.docx");
        QDir().mkpath(QFileInfo(hedef).absolutePath());
        o_->etkilesim.soru_yanitlari = {false, true};
        o_->etkilesim.dosya_yanitlari = {hedef};

        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        QVERIFY(!QFile::exists(hedef));
        ana.arac_tiklandi(QStringLiteral("Duzenle"));

        QVERIFY(acilan_.adresler.isEmpty());
        QCOMPARE(o_->etkilesim.sorular.size(), 2u);
        QVERIFY(o_->etkilesim.sorular[0].startsWith(
            QStringLiteral("Bu belgeyi açabilecek bir kelime işlemci bulunamadı.")));
        QVERIFY(parcalar(hedef).at("[Content_Types].xml").find("document.main+xml") !=
                std::string::npos);
        QCOMPARE(o_->etkilesim.dosya_istekleri.front().varsayilan_uzanti, QStringLiteral("docx"));
    }

    void a_document_that_cannot_be_written_is_reported() {
        Ana_Form& ana = baslat();
        const QByteArray eski = qgetenv("TMPDIR");
        qputenv("TMPDIR", o_->veri("yok/olmayan/klasor").toLocal8Bit());
        o_->etkilesim.soru_yanitlari = {true};
        o_->etkilesim.dosya_yanitlari = {o_->veri("yok/bulmaca.docx")};
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        qputenv("TMPDIR", eski);

        QVERIFY(acilan_.adresler.isEmpty());
        QVERIFY(o_->etkilesim.sorular.front().startsWith(
            QStringLiteral("Belge geçici klasöre yazılamadı.")));
        QVERIFY(o_->etkilesim.mesajlar.back().startsWith(QStringLiteral("Belge yazılamadı:")));
    }

    void the_pdf_goes_where_the_user_chooses() {
        Ana_Form& ana = baslat();
        const QString hedef = o_->veri("bulmaca.pdf");
        o_->etkilesim.dosya_yanitlari = {hedef, o_->veri("yok/bulmaca.pdf"), QString()};
        QAction* pdf = ana.findChild<QAction*>(QStringLiteral("mnuPdf_Kaydet"));
        pdf->trigger();
        QVERIFY(test::dosya_icerigi(hedef).startsWith("%PDF-"));
        QVERIFY(ana.sbStatusBar()->currentMessage().contains(hedef));
        pdf->trigger();
        QCOMPARE(o_->etkilesim.mesajlar.back(),
                 QStringLiteral("Belge yazılamadı:\n") + o_->veri("yok/bulmaca.pdf"));
        // Cancelling the dialog writes nothing and says nothing.
        const auto mesajlar = o_->etkilesim.mesajlar.size();
        pdf->trigger();
        QCOMPARE(o_->etkilesim.mesajlar.size(), mesajlar);
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Cikti_Komutlari_Testi)
#include "cikti_komutlari_test.moc"
