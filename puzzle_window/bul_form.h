// The puzzle window: lays the grid out from a template, lets the user toggle
// black squares and type letters, and carries the menu bar. Commands that
// belong to the main window are passed on as signals.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

#include "bulmaca_belgesi.h"
#include "izgara/izgara.h"
#include "izgara_gorunumu.h"

class QMenuBar;
class QScrollArea;
class QSplitter;

namespace velzora {

struct Sablon_Icerigi;
class Soru_Paneli;

enum class Cizim_Sonucu {
    Tamam,
    Ebat_Gecersiz  // the size is outside 2..50: the caller asks for a new one
};

class Bul_Form : public QWidget {
    Q_OBJECT

  public:
    explicit Bul_Form(Izgara& izgara, QWidget* ebeveyn = nullptr);
    ~Bul_Form() override;

    Izgara_Gorunumu& grid() { return *grid_; }
    // The puzzle with its fill and undo history; every edit goes through it.
    Bulmaca_Belgesi& belge() { return *belge_; }
    // The clue panel beside the grid, hidden until the user opens it.
    Soru_Paneli& soru_paneli() { return *soru_paneli_; }
    // The menu bar, built here; the main window shows it.
    QMenuBar* menu_cubugu() const { return menu_cubugu_; }

    // Lays the grid out: takes the size from the template already read (none
    // for a blank grid) into Satir_Sayisi and Sutun_Sayisi, then its black
    // squares. A size outside 2..50 leaves the grid as it was.
    Cizim_Sonucu sablon_ciz(const Sablon_Icerigi* sablon, int& Satir_Sayisi, int& Sutun_Sayisi);
    // Clears the grid and scatters black squares, seeded from the time of day.
    void rast_yerlestir(float Siyah_Orani);
    // Puts an opened puzzle in place of the current one, as one undo step.
    void bulmaca_yukle(const Bulmaca& bulmaca);

    // While a solve run works on the grid: the menu items that change the
    // grid or the template are disabled, and double clicks and typing are
    // refused with a word on the status bar.
    void duzenleme_kilidi(bool kilitli);
    bool duzenleme_kilitli() const { return kilitli_; }

    // The output menu's option: a solution page after the puzzle.
    bool cozum_sayfasi_istendi() const { return cozum_sayfasi_->isChecked(); }

    bool Cizim_Tamam() const { return Cizim_Tamam_; }
    int Secili_Satir() const { return Secili_Satir_; }
    int Secili_Sutun() const { return Secili_Sutun_; }

    // The grid's size at scale 1, and the frame around it.
    QSize sizeHint() const override;
    // Scales the grid to the window's room: down to half size before it
    // scrolls, and up to fill the room only while the window is maximised.
    void sigdir();

  signals:
    void Yeni_Sablon_istendi();
    void Sablon_Ac_istendi();
    void Sablon_Sakla_istendi();
    void Bulmaca_Ac_istendi();
    void Bulmacayi_Sakla_istendi();
    void rast_yerlestir_istendi();
    void Kos_istendi();
    // "&Çıkış": the main window ends the program.
    void Cikis_istendi();
    void yard_istendi();
    void Hakkinda_istendi();
    // An item of the output menu, by its name ("mnuPdf_Kaydet").
    void cikti_istendi(const QString& komut);
    // A short note for the main window's status bar.
    void durum_bildirildi(const QString& metin);
    // The clue panel was shown or hidden: the window wants another size.
    void soru_paneli_degisti();

  protected:
    void closeEvent(QCloseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

  private:
    void menuyu_kur();
    void hucreye_girildi();
    void cift_tiklandi(Hucre_Konumu h);
    void harf_basildi(char32_t k);
    void kaydir(Hucre_Konumu h);
    bool kilit_bildir();
    void geri_al_durumu();

    Izgara& izgara_;
    Bulmaca_Belgesi* belge_;
    Izgara_Gorunumu* grid_;
    QScrollArea* kaydirma_;
    Soru_Paneli* soru_paneli_;
    QSplitter* bolucu_;
    QMenuBar* menu_cubugu_;

    // mnuYeni_Sablon, mnuSablon_Ac, mnuRastgele, mnuTemizle, mnuBulmaca_Ac,
    // mnuBulmaca_Sakla.
    std::array<QAction*, 6> degistiren_komutlar_{};
    QAction* geri_al_ = nullptr;
    QAction* yinele_ = nullptr;
    QAction* cozum_sayfasi_ = nullptr;
    bool kilitli_ = false;

    bool Cizim_Tamam_ = false;
    int Secili_Satir_ = 0;
    int Secili_Sutun_ = 0;
};

}  // namespace velzora
