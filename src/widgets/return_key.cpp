#include "widgets/return_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace widgets {
namespace {

class ReturnPressesButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plainReturn = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                                 (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plainReturn || key->isAutoRepeat())
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

void pressFocusedButtonOnReturn(QWidget& window)
{
    auto* filter = new ReturnPressesButton(&window);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

} // namespace widgets
