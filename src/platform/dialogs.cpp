#include "platform/dialogs.h"

namespace platform {
namespace {

// Without a display nothing can be chosen: every dialog counts as cancelled.
class CancellingDialogs : public DialogPresenter
{
public:
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> chooseFileToOpen(const QStringList&) override { return std::nullopt; }
};

DialogPresenter*& installedPresenter()
{
    static CancellingDialogs cancelling;
    static DialogPresenter* presenter = &cancelling;
    return presenter;
}

} // namespace

DialogPresenter& dialogs()
{
    return *installedPresenter();
}

ScopedDialogPresenter::ScopedDialogPresenter(DialogPresenter& presenter)
    : ScopedOverride(installedPresenter(), &presenter)
{
}

} // namespace platform
