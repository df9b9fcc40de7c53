#include "platform/text_boxes.h"

#include <QLineEdit>

#include <limits>

namespace platform {

void liftTextLengthLimits(QWidget& window)
{
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace platform
