// The clipboard copy through a real X11 clipboard (run under Xvfb): another
// program, xclip, sees the grid picture alone offered as PNG and no text.
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

#include "ana_form.h"
#include "bul_form.h"
#include "test_ortami.h"

namespace velzora {

class Pano_X11_Testi : public QObject {
    Q_OBJECT

    // Runs xclip while this process keeps serving the clipboard it owns.
    static QByteArray xclip(const QString& tur) {
        QProcess p;
        p.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-t"), tur, QStringLiteral("-o")});
        if (!p.waitForStarted(5000))
            qFatal("xclip did not start");
        QElapsedTimer sure;
        sure.start();
        while (p.state() != QProcess::NotRunning && sure.elapsed() < 10000)
            QTest::qWait(20);
        return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
    }

  private slots:
    void another_program_reads_the_grid_picture_as_png() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("needs an X11 display");
        test::Pencere_Ortami o;
        Ana_Form& ana = o.ana_yap();
        QCOMPARE(ana.MDIForm_Load(), Baslangic_Sonucu::Devam);
        QGuiApplication::clipboard()->setText(QStringLiteral("önceki metin"));

        ana.Pan_Kopyala();

        const QList<QByteArray> turler = xclip(QStringLiteral("TARGETS")).split('\n');
        QVERIFY2(turler.contains("image/png"), turler.join(' ').constData());
        for (const char* metin : {"UTF8_STRING", "STRING", "TEXT", "text/plain"})
            QVERIFY2(!turler.contains(metin), metin);

        const QImage okunan = QImage::fromData(xclip(QStringLiteral("image/png")), "PNG");
        const Izgara_Gorunumu& grid = ana.bul_form()->grid();
        QCOMPARE(okunan.convertToFormat(QImage::Format_RGB32),
                 grid.resim().convertToFormat(QImage::Format_RGB32));
        // Header and cells, no background band on the right or at the bottom.
        QCOMPARE(okunan.size(), grid.hucre_alani({0, 0}).united(grid.hucre_alani({3, 4})).size());
    }
};

}  // namespace velzora

QTEST_MAIN(velzora::Pano_X11_Testi)
#include "pano_x11_test.moc"
