#include "widgets/accessible_names.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace widgets {

// Qt's own interface for the box stays in place: it alone gives screen readers the list's items
// and the action that opens it. Where it names the box by the accessible name (Windows), that name
// is set here; where it names the box by its label's relation (Linux), the label's buddy does it
// and the accessible name is not used.
void nameComboBoxesAfterTheirLabels(QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(label->buddy())) {
            // The box itself is named by its label; its edit field, a child of its own, is not.
            if (auto* field = spinBox->findChild<QLineEdit*>())
                field->setAccessibleName(label->text());
            continue;
        }
        auto* box = qobject_cast<QComboBox*>(label->buddy());
        if (!box)
            continue;
        box->setAccessibleName(label->text());
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(label->text());
    }
}

} // namespace widgets
