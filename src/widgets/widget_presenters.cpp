#include "widgets/widget_presenters.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace widgets {

platform::MessageAnswer WidgetMessagePresenter::present(const platform::MessageRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    switch (request.icon) {
    case platform::MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case platform::MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case platform::MessageIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (request.buttons == platform::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultAnswer == platform::MessageAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return platform::MessageAnswer::Yes;
    case QMessageBox::No:
        return platform::MessageAnswer::No;
    default:
        return platform::MessageAnswer::Ok;
    }
}

std::optional<QString> WidgetDialogPresenter::chooseFolder(const QString& title, const QString& startFolder)
{
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<QString> WidgetDialogPresenter::chooseFileToOpen(const QStringList& nameFilters)
{
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                      nameFilters.join(QStringLiteral(";;")));
    if (file.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(file);
}

} // namespace widgets
