#pragma once

#include "platform/dialogs.h"
#include "platform/message_boxes.h"

namespace widgets {

// Real modal message boxes, owned by the active window.
class WidgetMessagePresenter : public platform::MessagePresenter
{
public:
    platform::MessageAnswer present(const platform::MessageRequest& request) override;
};

// The toolkit's folder chooser and file-open dialog, owned by the active window.
class WidgetDialogPresenter : public platform::DialogPresenter
{
public:
    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QString> chooseFileToOpen(const QStringList& nameFilters) override;
};

} // namespace widgets
