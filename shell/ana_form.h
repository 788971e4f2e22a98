// The main window: the frame that holds the puzzle window, with the toolbar
// and the status bar, and the commands that the toolbar and the puzzle
// window's menu both reach. It owns the program-wide values.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "ayar_deposu.h"
#include "bulmaca_icerigi.h"
#include "cozum_calistirma.h"
#include "dizinler.h"
#include "etkilesim.h"
#include "program_durumu.h"
#include "sozluk_yukleyici.h"

class QMdiArea;
class QMdiSubWindow;

namespace velzora {

class Arac_Cubugu;
class Bul_Form;
class Hakk_Form;
class Tercihler;
class Yardim_Penceresi;

enum class Baslangic_Sonucu {
    Devam,
    Cikis  // the user chose to leave before a dictionary was loaded
};

class Ana_Form : public QMainWindow {
    Q_OBJECT

  public:
    Ana_Form(Etkilesim& etkilesim, Dizinler dizinler, QWidget* ebeveyn = nullptr);
    ~Ana_Form() override;

    // Start-up: caption, placement, the stored values, the puzzle window with
    // the default template, the dictionary. Shows the window.
    Baslangic_Sonucu MDIForm_Load();
    // Shut-down: writes the placement (unless minimised) and the four options.
    void MDIForm_Unload();

    // The commands, in the order of the toolbar's dispatch table.
    void Yeni_Sablon();
    void Sablon_Ac();
    void Sablon_Sakla();
    // Puzzle files: one opened in place of the puzzle, the puzzle saved;
    // saving says whether the puzzle is now in a file.
    void Bulmaca_Ac();
    bool Bulmacayi_Sakla();
    void rast_yerlestir();
    // The solve run: starts a run, or asks the running one to stop. A run
    // is one undo step and leaves its fill with the puzzle.
    void Kos();
    // Puts a picture of the grid on the clipboard.
    void Pan_Kopyala();
    // Opens the puzzle and its clue lists in the word processor as a new
    // document, or offers to save it where nothing can open it.
    void Belgeye_Aktar();
    // The output menu: save the document or the PDF, preview, print.
    void Cikti_Komutu(const QString& komut);
    // Shows the preferences dialog without blocking the other windows.
    void Tercihleri_Goster();
    void yard();

    // Toolbar lock for a solve run (all but the solve button) and unlock.
    void buton_gizle1();
    void buton_goster1();

    void Hakkinda_Goster();
    // Runs the command of a toolbar key; an unknown key does nothing.
    void arac_tiklandi(const QString& anahtar);
    // Loads the dictionary at Sozluk_Yolu, asking for another until one loads.
    Sozluk_Sonucu sozluk_oku();

    Program_Durumu& durum() { return durum_; }
    Ayar_Deposu& ayarlar() { return ayarlar_; }
    Etkilesim& etkilesim() { return etkilesim_; }
    const Dizinler& dizinler() const { return dizinler_; }
    Arac_Cubugu* tbToolBar() const { return tbToolBar_; }
    QStatusBar* sbStatusBar() const { return statusBar(); }
    // The puzzle window; null until start-up creates it.
    Bul_Form* bul_form() const { return bul_; }
    // The solve run: whether one goes on, the random source and the pace of
    // the windows' work it runs with.
    Cozum_Calistirma& calisma() { return calisma_; }
    // "VELZORA " and the version text.
    static QString ana_baslik();

  protected:
    void closeEvent(QCloseEvent* olay) override;

  private:
    Bul_Form& bul_formu_hazirla();
    void bul_formu_goster();
    Baslangic_Sonucu baslangic_hatasi();
    void yerlesimi_oku();
    // True, with a word on the status bar, while a solve run forbids
    // commands that change the grid or the template.
    bool komut_reddedildi();
    // The grid and the clue lines of the fill, edits included, for every output.
    Bulmaca_Icerigi bulmaca_icerigi() const;
    // Whether the puzzle's unsaved changes may go: there are none, the user
    // saved them now, or chose to let them go.
    bool degisiklikler_birakilabilir();
    void Cikis();

    Etkilesim& etkilesim_;
    Dizinler dizinler_;
    Ayar_Deposu ayarlar_;
    Program_Durumu durum_;

    QMdiArea* mdi_;
    Arac_Cubugu* tbToolBar_;
    Bul_Form* bul_ = nullptr;
    QMdiSubWindow* alt_pencere_ = nullptr;
    Cozum_Calistirma calisma_;
    // A run's undo step is being made; a close it asked for waits for it.
    bool kos_kaydediliyor_ = false;
    bool kapanis_bekliyor_ = false;
    QPointer<Hakk_Form> hakkinda_;
    QPointer<Tercihler> tercihler_;
    QPointer<Yardim_Penceresi> yardim_;
    // The dictionary whose passed-over lines the status bar has told.
    QString atlanan_bildirilen_;
};

}  // namespace velzora
