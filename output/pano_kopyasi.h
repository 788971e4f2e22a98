// The clipboard copy: the grid's picture becomes the clipboard's only content.
#pragma once

class QClipboard;
class QImage;

namespace velzora {

// Empties the clipboard, then places the picture as an image and nothing
// else (no text format). A clipboard that refuses either step is ignored.
void pano_kopyala(QClipboard* pano, const QImage& resim);

}  // namespace velzora
