// The help: the program's own Turkish HTML pages in a window of their own.
// A compiled help file standing beside the executable is opened instead when
// a viewer for it is installed.
#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

class QTextBrowser;

namespace velzora {

inline constexpr char BASLANGIC_KONUSU[] = "buton2.htm";
inline constexpr char CHM_DOSYASI[] = "bulmaca_help1.chm";

struct Harici_Komut {
    QString program;
    QStringList argumanlar;
};

// The viewer command for "bulmaca_help1.chm" in the program's folder, opened
// at the start topic; nullopt when the file or a known viewer is missing.
std::optional<Harici_Komut> chm_komutu(const QString& program_klasoru);

class Yardim_Penceresi : public QWidget {
    Q_OBJECT

  public:
    Yardim_Penceresi(const QString& yardim_klasoru, QWidget* ebeveyn = nullptr);

    void konu_ac(const QString& konu);
    QTextBrowser* tarayici() const { return tarayici_; }

  protected:
    // First shown over the main window; every showing keeps it on the screen.
    void showEvent(QShowEvent* olay) override;

  private:
    QTextBrowser* tarayici_;
    bool yerlestirildi_ = false;
};

}  // namespace velzora
