// Work that survives: undo and redo of every grid change, the clue panel's
// model, puzzle files through the window's commands, the close question,
// and what leaves the program: the puzzle document the word processor
// opens as a new one, the document and PDF saved where the user chooses.
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "ana_form.h"
#include "bul_form.h"
#include "ortak/cp1254.h"
#include "soru_modeli.h"
#include "soru_paneli.h"
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

class Bulmaca_Testi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Pencere_Ortami> o_;
    Acilan_Belgeler acilan_;
    QTemporaryDir araclar_;
    QByteArray path_;

    // 2 x 2 of white cells: AB over BA when repetition is allowed.
    Ana_Form& baslat() {
        o_->baslat("BULMACA SABLONU\r\n 2  2 \r\n", "AB:ilk ipucu\r\nBA: ikinci\r\n");
        ana().durum().Tekrar_Izni = true;
        return ana();
    }
    Ana_Form& ana() { return *o_->ana; }
    Izgara& izgara() { return ana().durum().Izgara; }
    Bulmaca_Belgesi& belge() { return ana().bul_form()->belge(); }
    Soru_Modeli& soldan() { return ana().bul_form()->soru_paneli().soldan(); }
    QAction* eylem(const char* ad) { return ana().findChild<QAction*>(QString::fromLatin1(ad)); }
    Bulmaca durum() { return bulmaca_al(izgara(), belge().dolgu()); }
    auto satirlar() {
        const Cozum_Sorulari s = belge().dolgu().sorular();
        return std::pair(soldan_satirlari(2, 2, s), yukaridan_satirlari(2, 2, s));
    }
    // A double click: the cell turns black or white.
    void tikla(int r, int c) {
        Izgara_Gorunumu& g = ana().bul_form()->grid();
        QTest::mouseDClick(&g, Qt::LeftButton, Qt::NoModifier, g.hucre_alani({r, c}).center());
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

    void every_grid_change_and_a_whole_run_undo_and_redo_step_by_step() {
        baslat();
        std::vector<Bulmaca> adimlar{durum()};
        const auto adim = [&] { adimlar.push_back(durum()); };
        QVERIFY(!eylem("mnuGeri_Al")->isEnabled());

        QTest::keyClick(&ana().bul_form()->grid(), Qt::Key_A);
        adim();
        tikla(2, 2);
        adim();
        eylem("mnuTemizle")->trigger();
        adim();
        tikla(2, 2);
        adim();
        // During the run nothing is undone; afterwards the run is one step.
        bool calisirken = false;
        QMetaObject::invokeMethod(
            &ana(),
            [&] {
                calisirken = ana().calisma().suruyor();
                QVERIFY(!eylem("mnuGeri_Al")->isEnabled());
                eylem("mnuGeri_Al")->trigger();
                QVERIFY(!soldan().flags(soldan().index(0, 0)).testFlag(Qt::ItemIsEditable));
            },
            Qt::QueuedConnection);
        ana().Kos();
        QVERIFY(calisirken);
        QVERIFY(!izgara().harf_al(1, 2).empty() && !izgara().harf_al(2, 2).empty());
        adim();
        QVERIFY(soldan().setData(soldan().index(0, Soru_Modeli::Soru), QStringLiteral("düzeltme")));
        QCOMPARE(satirlar().first.front(), std::string(" 1.d\xFCzeltme"));
        adim();
        eylem("mnuRastgele")->trigger();
        QCOMPARE(belge().dolgu().Yer_Sayisi(), 0);
        adim();
        o_->etkilesim.ebat_yanitlari = {Ebat{3, 4}};
        eylem("mnuYeni_Sablon")->trigger();
        adim();
        QCOMPARE(belge().yigin().count(), 8);

        for (std::size_t i = adimlar.size() - 1; i > 0; --i) {
            eylem("mnuGeri_Al")->trigger();
            QVERIFY2(durum() == adimlar[i - 1], qPrintable(QString::number(i)));
        }
        QVERIFY(!eylem("mnuGeri_Al")->isEnabled());
        for (std::size_t i = 1; i < adimlar.size(); ++i) {
            QTest::keySequence(&ana(), QKeySequence(Qt::CTRL | Qt::Key_Y));
            QVERIFY2(durum() == adimlar[i], qPrintable(QString::number(i)));
        }
        QCOMPARE(eylem("mnuGeri_Al")->text(), QStringLiteral("&Geri Al: Şablon Yerleşimi"));
        // Typing after an undo took the grid back to 2 x 2 from 3 x 4.
        eylem("mnuGeri_Al")->trigger();
        QTest::keyClick(&ana().bul_form()->grid(), Qt::Key_B);
        QCOMPARE(std::pair(ana().bul_form()->Secili_Satir(), ana().bul_form()->Secili_Sutun()),
                 std::pair(2, 2));
        QCOMPARE(izgara().harf_al(2, 2), std::string(izgara().siyah_mi(2, 2) ? "" : "B"));
    }

    void the_clue_model_follows_the_fill_and_names_each_changed_cell() {
        baslat();
        Soru_Modeli& m = soldan();
        QAbstractItemModelTester denetci(&m,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m.rowCount(), 0);
        QSignalSpy sifirlama(&m, &QAbstractItemModel::modelReset);
        ana().Kos();
        QCOMPARE(sifirlama.count(), 1);
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.index(1, Soru_Modeli::Numara).data().toString(), QStringLiteral("2"));

        QSignalSpy degisen(&m, &QAbstractItemModel::dataChanged);
        QSignalSpy asagi(&ana().bul_form()->soru_paneli().yukaridan(),
                         &QAbstractItemModel::dataChanged);
        const QModelIndex h = m.index(1, Soru_Modeli::Soru);
        QVERIFY(!m.setData(h, QStringLiteral("\U0001F600")));
        QVERIFY(m.setData(h, QStringLiteral("yeni")));
        eylem("mnuGeri_Al")->trigger();
        QCOMPARE(degisen.count(), 2);
        for (const auto& arg : degisen)
            QVERIFY(arg.at(0).toModelIndex() == h && arg.at(1).toModelIndex() == h);
        QCOMPARE(asagi.count(), 0);
        QVERIFY(m.index(1, Soru_Modeli::Soru).data().toString() != QStringLiteral("yeni"));
    }

    void a_saved_puzzle_opens_as_it_was_and_a_bad_file_changes_nothing() {
        baslat();
        ana().Kos();
        soldan().setData(soldan().index(0, Soru_Modeli::Soru), QStringLiteral("şimdiki"));
        const Bulmaca saklanan = durum();
        const auto saklanan_satirlar = satirlar();
        const QImage resim = ana().bul_form()->grid().resim();
        const QString yol = o_->veri("b.ipuz");
        o_->etkilesim.dosya_yanitlari = {yol};
        eylem("mnuBulmaca_Sakla")->trigger();
        QVERIFY(!belge().degisti());
        QVERIFY(ana().windowTitle().endsWith(QStringLiteral("   <b.ipuz>")));

        eylem("mnuTemizle")->trigger();
        tikla(1, 2);
        o_->etkilesim.dosya_yanitlari = {yol};
        eylem("mnuBulmaca_Ac")->trigger();
        QVERIFY(durum() == saklanan);
        QCOMPARE(satirlar(), saklanan_satirlar);
        QCOMPARE(ana().bul_form()->grid().resim(), resim);
        QVERIFY(!belge().degisti());

        test::dosya_yaz(o_->veri("kotu.ipuz"),
                        "{\"version\": \"http://ipuz.org/v2\", \"kind\": []}");
        const int adim = belge().yigin().count();
        o_->etkilesim.dosya_yanitlari = {o_->veri("kotu.ipuz")};
        eylem("mnuBulmaca_Ac")->trigger();
        QCOMPARE(o_->etkilesim.mesajlar.back(),
                 QStringLiteral("Dosya bir ipuz çapraz bulmacası değil."));
        QVERIFY(durum() == saklanan);
        QCOMPARE(belge().yigin().count(), adim);
    }

    void closing_and_leaving_ask_about_unsaved_changes() {
        baslat();
        ana().close();
        QVERIFY(o_->etkilesim.kayit_sorulari.empty() && !ana().isVisible());

        baslat();
        tikla(1, 1);
        o_->etkilesim.kayit_yanitlari = {Kayit_Yaniti::Iptal, Kayit_Yaniti::Kaydet,
                                         Kayit_Yaniti::Kaydet};
        o_->etkilesim.dosya_yanitlari = {QString(), o_->veri("son.ipuz")};
        ana().close();
        QVERIFY(ana().isVisible());
        // The save dialog cancelled: still open.
        ana().close();
        QVERIFY(ana().isVisible());
        ana().close();
        QVERIFY(!ana().isVisible());
        QVERIFY(QFile::exists(o_->veri("son.ipuz")));
        QCOMPARE(o_->etkilesim.kayit_sorulari.size(), 3u);

        // Leaving asks too; İptal keeps the program, Kaydetme ends it.
        baslat();
        tikla(1, 1);
        o_->etkilesim.kayit_yanitlari = {Kayit_Yaniti::Iptal};
        QTimer::singleShot(0, eylem("mnuCikis"), &QAction::trigger);
        QTimer::singleShot(20, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 7);
        o_->etkilesim.kayit_yanitlari = {Kayit_Yaniti::Kaydetme};
        QTimer::singleShot(0, eylem("mnuCikis"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);

        // A template opened from a saved state, and a template saved while
        // the puzzle is no more than it, leave nothing to ask about.
        o_->etkilesim.dosya_yanitlari = {o_->veri("sablon01.txt"), o_->veri("sab02.txt")};
        baslat();
        eylem("mnuSablon_Ac")->trigger();
        QVERIFY(!belge().degisti());
        tikla(2, 2);
        eylem("mnuSablon_Sakla")->trigger();
        QVERIFY(!belge().degisti());
    }

    void export_opens_a_new_untitled_document_and_changes_nothing() {
        Ana_Form& ana = baslat();
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
        // No letters unless the solution page is asked for.
        QVERIFY(!govde_yazisi(yol).contains(QStringLiteral("AB")));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());

        // The solution page, when asked for, shows the letters.
        ana.findChild<QAction*>(QStringLiteral("mnuCozum_Sayfasi"))->trigger();
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        QVERIFY(govde_yazisi(acilan_.adresler.back().toLocalFile()).contains(QStringLiteral("AB")));

        QCOMPARE(ana.bul_form()->grid().resim(), once);
        QCOMPARE(ana.durum().Cozucu.Cozum_Soru_Tablosu(), sorular);
    }

    // The PDF and the document go where the user chooses; what cannot be
    // written, or finds nothing to open it, is said.
    void documents_go_where_the_user_chooses_or_say_why_not() {
        Ana_Form& ana = baslat();
        test::Senaryolu_Etkilesim& e = o_->etkilesim;
        const QString hedef = o_->veri("bulmaca.pdf");
        e.dosya_yanitlari = {hedef, o_->veri("yok/bulmaca.pdf"), QString()};
        QAction* pdf = ana.findChild<QAction*>(QStringLiteral("mnuPdf_Kaydet"));
        pdf->trigger();
        QVERIFY(test::dosya_icerigi(hedef).startsWith("%PDF-"));
        QVERIFY(ana.sbStatusBar()->currentMessage().contains(hedef));
        pdf->trigger();
        QCOMPARE(e.mesajlar,
                 std::vector<QString>{"Belge yazılamadı:\n" + o_->veri("yok/bulmaca.pdf")});
        // Cancelling the dialog writes nothing and says nothing.
        pdf->trigger();
        QCOMPARE(e.mesajlar.size(), 1u);

        // No temporary folder: saving is offered, and a failed save is reported.
        const QByteArray eski = qgetenv("TMPDIR");
        qputenv("TMPDIR", o_->veri("yok/olmayan/klasor").toLocal8Bit());
        e.soru_yanitlari = {true};
        e.dosya_yanitlari = {o_->veri("yok/bulmaca.docx")};
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        eski.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", eski);
        QVERIFY(e.sorular.front().startsWith(QStringLiteral("Belge geçici klasöre yazılamadı.")));
        QVERIFY(e.mesajlar.back().startsWith(QStringLiteral("Belge yazılamadı:")));

        // Nothing opens it: saving is offered, declined once.
        varsayilan_uygulama("");
        const QString belge_yolu = o_->veri("kayit/bulmaca.docx");
        QDir().mkpath(QFileInfo(belge_yolu).absolutePath());
        e.soru_yanitlari = {false, true};
        e.dosya_yanitlari = {belge_yolu};
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        QVERIFY(!QFile::exists(belge_yolu));
        ana.arac_tiklandi(QStringLiteral("Duzenle"));
        QVERIFY(acilan_.adresler.isEmpty());
        QCOMPARE(e.sorular.size(), 3u);
        QVERIFY(e.sorular[1].startsWith(
            QStringLiteral("Bu belgeyi açabilecek bir kelime işlemci bulunamadı.")));
        QVERIFY(parcalar(belge_yolu).at("[Content_Types].xml").find("document.main+xml") !=
                std::string::npos);
        QCOMPARE(e.dosya_istekleri.back().varsayilan_uzanti, QStringLiteral("docx"));
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Bulmaca_Testi)
#include "bulmaca_test.moc"
