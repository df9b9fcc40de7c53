#include "widgets/controls.h"

#include <QLineEdit>
#include <QWidget>

#include <cmath>
#include <limits>

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

void liftTextLengthLimits(QWidget& window)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace widgets
