// Room for a window's caption: window managers draw it in a bold, larger face
// beside the window's icon and buttons, and cut it short when the window is
// narrower than that.
#pragma once

#include <QString>

class QWidget;

namespace velzora {

int baslik_genisligi(const QWidget& pencere, const QString& baslik);

}  // namespace velzora
