#include "widgets/text_boxes.h"

#include <QLineEdit>

#include <limits>

namespace widgets {

void liftTextLengthLimits(QWidget& window)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace widgets
