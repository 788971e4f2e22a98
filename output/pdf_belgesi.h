// The printed puzzle as a PDF file, drawn by the routine that also prints.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "belge_olustur.h"
#include "bulmaca_icerigi.h"

class QGuiApplication;

namespace velzora {

// The PDF's bytes; nullopt if drawing failed. Needs a QGuiApplication.
std::optional<std::string> pdf_baytlari(const Bulmaca_Icerigi& icerik);

// Writes the PDF to `yol`; the file appears under its name only when
// complete, and on failure an existing file is left as it was.
Belge_Hatasi pdf_olustur(const std::filesystem::path& yol, const Bulmaca_Icerigi& icerik);

// What drawing text needs outside the desktop program (velzora-cli, the
// bench): an application object on the offscreen platform, unless the
// process has one already.
class Yazi_Ortami {
  public:
    Yazi_Ortami();
    ~Yazi_Ortami();
    Yazi_Ortami(const Yazi_Ortami&) = delete;
    Yazi_Ortami& operator=(const Yazi_Ortami&) = delete;

  private:
    int argc_ = 3;
    char ad_[8] = "velzora";
    char platform_secenegi_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {ad_, platform_secenegi_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> uygulama_;
};

}  // namespace velzora
