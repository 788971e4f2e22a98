// velzora: the desktop program for designing Turkish square crossword puzzles.
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ana_form.h"
#include "baslangic_denetimi.h"
#include "kurulum.h"
#include "qt_etkilesim.h"
#include "simgeler.h"
#include "surum.h"
#include "uygulama.h"

namespace {

constexpr char ACIKLAMA[] = "Türkçe kare bulmaca tasarım programı.";
constexpr char DENETIM[] = "check";
constexpr char DENETIM_ACIKLAMASI[] =
    "Başlangıcı pencere açıp hiçbir şey sormadan yapar, verinin bulunduğu yerleri yazar ve "
    "çıkar: başlangıç kullanıcıya sormadan tamamlandıysa 0, yoksa 1 ile.";

}  // namespace

int main(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(velzora::UYGULAMA_ADI));
    QApplication::setApplicationVersion(QString::fromStdString(velzora::surum_metni()));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(velzora::MASAUSTU_KIMLIGI));
    QApplication::setWindowIcon(velzora::program_simgesi());

    // Qt's own buttons and dialogs ("Evet", "Hayır", the file dialog) in Turkish.
    QTranslator ceviri;
    if (ceviri.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&ceviri);
    }

    QCommandLineParser secenekler;
    secenekler.setApplicationDescription(QString::fromUtf8(ACIKLAMA));
    secenekler.addHelpOption();
    secenekler.addVersionOption();
    const QCommandLineOption denetim(QString::fromLatin1(DENETIM),
                                     QString::fromUtf8(DENETIM_ACIKLAMASI));
    secenekler.addOption(denetim);
    secenekler.process(uygulama);
    if (secenekler.isSet(denetim))
        return velzora::baslangici_denetle(velzora::Dizinler::programinkiler());

    velzora::Qt_Etkilesim etkilesim;
    velzora::Ana_Form ana(etkilesim, velzora::Dizinler::programinkiler());
    if (ana.MDIForm_Load() == velzora::Baslangic_Sonucu::Cikis)
        return 0;
    return QApplication::exec();
}
