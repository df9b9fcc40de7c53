#include "accessibility_recorder.h"

#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace testsupport {

QList<AccessibilityEvent>& recordedAccessibilityEvents()
{
    static QList<AccessibilityEvent> events;
    return events;
}

} // namespace testsupport

namespace {

class RecordingBridge : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        testsupport::recordedAccessibilityEvents().append({event->object(), event->type()});
    }
};

} // namespace

// Built into the test program as a static plugin, which Qt's platform accessibility loads with the
// bridges it finds.
class RecordingBridgePlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibility_recorder.json")

public:
    // Qt owns the bridge but never deletes it: kept here, it is no leak.
    QAccessibleBridge* create(const QString&) override
    {
        static QAccessibleBridge* bridge = nullptr;
        bridge = new RecordingBridge;
        return bridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "accessibility_recorder.moc"
