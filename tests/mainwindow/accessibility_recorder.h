#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPointer>

namespace testsupport {

// The accessibility events the program sent, as a screen reader's bridge receives them. Only Qt's
// generic platform hands events to bridges (the offscreen one the tests run on here); Windows' own
// keeps them for UI Automation, so there the list stays empty.
struct AccessibilityEvent
{
    QPointer<QObject> object;
    QAccessible::Event type;
};
QList<AccessibilityEvent>& recordedAccessibilityEvents();

} // namespace testsupport
