#include "belge_aktarimi.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "cozum_belgesi.h"
#include "gecici_belge.h"

namespace velzora {

std::optional<std::filesystem::path> belgeye_aktar(const Izgara& izgara, const Dolgu& dolgu) {
    const auto yol = gecici_belge_yolu();
    if (!yol || cozum_belgesi_yaz(*yol, izgara, dolgu) != Belge_Hatasi::Yok)
        return std::nullopt;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(yol->c_str())));
    return yol;
}

}  // namespace velzora
