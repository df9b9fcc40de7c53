#pragma once

#include "platform/dialogs.h"
#include "platform/message_boxes.h"

#include <QList>

#include <deque>
#include <functional>

namespace testsupport {

// Records every message box and answers from a queue (Ok when the queue is empty). A queued
// answer nobody asked for fails the test, so one test's answers never leak into the next.
class ScriptedMessages : public platform::MessagePresenter
{
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    void answerNext(platform::MessageAnswer answer) { m_answers.push_back(answer); }
    platform::MessageAnswer present(const platform::MessageRequest& request) override;

    const QList<platform::MessageRequest>& shown() const { return m_shown; }
    QStringList texts() const;

    // Called as each box is shown, to look at the program's state while it waits for the answer.
    std::function<void(const platform::MessageRequest&)> onShow;

private:
    std::deque<platform::MessageAnswer> m_answers;
    QList<platform::MessageRequest> m_shown;
    platform::ScopedMessagePresenter m_install;
};

// Answers the folder chooser and the file-open dialog from queues; nullopt is a cancel.
class ScriptedDialogs : public platform::DialogPresenter
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void answerFolder(std::optional<QString> folder) { m_folders.push_back(std::move(folder)); }
    void answerFile(std::optional<QString> file) { m_files.push_back(std::move(file)); }

    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QString> chooseFileToOpen(const QStringList& nameFilters) override;

    QStringList folderTitles;
    QStringList folderStarts;
    QList<QStringList> fileFilters;

private:
    std::deque<std::optional<QString>> m_folders;
    std::deque<std::optional<QString>> m_files;
    platform::ScopedDialogPresenter m_install;
};

} // namespace testsupport
