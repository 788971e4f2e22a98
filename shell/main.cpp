// velzora: the desktop program for designing Turkish square crossword puzzles.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ana_form.h"
#include "qt_etkilesim.h"
#include "simgeler.h"
#include "uygulama.h"

int main(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(velzora::UYGULAMA_ADI));
    QApplication::setWindowIcon(velzora::program_simgesi());

    // Qt's own buttons and dialogs ("Evet", "Hayır", the file dialog) in Turkish.
    QTranslator ceviri;
    if (ceviri.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&ceviri);
    }

    velzora::Qt_Etkilesim etkilesim;
    velzora::Ana_Form ana(etkilesim, velzora::Dizinler::programinkiler());
    if (ana.MDIForm_Load() == velzora::Baslangic_Sonucu::Cikis)
        return 0;
    return QApplication::exec();
}
