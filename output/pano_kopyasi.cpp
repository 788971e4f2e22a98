#include "pano_kopyasi.h"

#include <QClipboard>
#include <QImage>

namespace velzora {

void pano_kopyala(QClipboard* pano, const QImage& resim) {
    if (pano == nullptr)
        return;
    pano->clear();
    if (!resim.isNull())
        pano->setImage(resim);
}

}  // namespace velzora
