#include "widgets/accessible_names.h"

#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace widgets {
namespace {

// A combo box whose name is its accessible name and whose value is its text. Its edit field stays
// its child, with the toolkit's own interface.
class NamedComboBox : public QAccessibleWidget
{
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(kind);
    }
};

// For every combo box of the program: the interface is made on the first query, which may come
// while a box is still being built.
QAccessibleInterface* namedComboBoxes(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box)
        return nullptr;
    return new NamedComboBox(box);
}

} // namespace

void nameComboBoxesAfterTheirLabels(QWidget& window)
{
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(namedComboBoxes);
        factoryInstalled = true;
    }
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
