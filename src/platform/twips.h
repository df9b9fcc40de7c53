#pragma once

#include <QRect>

class QWidget;

namespace platform {

// Window layouts are designed in twips: 1440 per inch, so 15 per pixel at 96 dpi. Converting with
// the screen's logical dpi keeps the proportions on high-dpi screens.
int twipsToPixels(int twips, const QWidget* widget);
QRect twipsRect(int left, int top, int width, int height, const QWidget* widget);

} // namespace platform
