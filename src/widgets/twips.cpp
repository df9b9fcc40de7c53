#include "widgets/twips.h"

#include <QWidget>

#include <cmath>

namespace widgets {

int twipsToPixels(int twips, const QWidget* widget)
{
    return int(std::lround(twips * widget->logicalDpiX() / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height, const QWidget* widget)
{
    return QRect(twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
                 twipsToPixels(height, widget));
}

} // namespace widgets
