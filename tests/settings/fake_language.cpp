#include "fake_language.h"

#include "language/change_language.h"

#include <QGroupBox>
#include <QWidget>

namespace fakelanguage {

State& state()
{
    static State instance;
    return instance;
}

} // namespace fakelanguage

namespace language {

QString Msg_1;
QString Msg_2;

// Sets the same properties the real module sets: the window's title, a frame's title, and the
// text of every other control.
void ChangeLanguage(const QString& formKey, QObject& window)
{
    auto& state = fakelanguage::state();
    state.formKeys.append(formKey);
    if (formKey != QStringLiteral("Settings"))
        return;
    for (auto entry = state.textsByObjectName.cbegin(); entry != state.textsByObjectName.cend(); ++entry) {
        QObject* target = window.objectName() == entry.key() ? &window : window.findChild<QObject*>(entry.key());
        if (target == &window)
            target->setProperty("windowTitle", entry.value());
        else if (qobject_cast<QGroupBox*>(target))
            target->setProperty("title", entry.value());
        else if (target)
            target->setProperty("text", entry.value());
    }
}

} // namespace language
