#pragma once

#include "platform/scoped_override.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The seam for the two shell dialogs. The GUI installs the toolkit's dialogs; tests install
// answers. std::nullopt means the user cancelled.
class DialogPresenter
{
public:
    virtual ~DialogPresenter() = default;
    // A file-system folder, without a trailing separator except at a root. The chooser opens at
    // startFolder (the working folder when it is empty).
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) = 0;
    // Full path of an existing file; nameFilters as the toolkit writes them ("Text (*.txt)").
    virtual std::optional<QString> chooseFileToOpen(const QStringList& nameFilters) = 0;
};

DialogPresenter& dialogs();

// Installs presenter for the lifetime of the guard.
class ScopedDialogPresenter : public ScopedOverride<DialogPresenter*>
{
public:
    explicit ScopedDialogPresenter(DialogPresenter& presenter);
};

} // namespace platform
