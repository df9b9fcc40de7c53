#include "support/scripted_presenters.h"

#include <gtest/gtest.h>

namespace testsupport {
namespace {

// A queued dialog answer; none left counts as a cancel.
std::optional<QString> takeFirst(std::deque<std::optional<QString>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    const QString value = answers.front().value_or(QString());
    const bool cancelled = !answers.front().has_value();
    answers.pop_front();
    if (cancelled)
        return std::nullopt;
    return value;
}

} // namespace

ScriptedMessages::ScriptedMessages() : m_install(*this) {}

ScriptedMessages::~ScriptedMessages()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " queued message answer(s) were never used";
}

platform::MessageAnswer ScriptedMessages::present(const platform::MessageRequest& request)
{
    m_shown.append(request);
    if (onShow)
        onShow(request);
    if (m_answers.empty())
        return platform::MessageAnswer::Ok;
    const auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedMessages::texts() const
{
    QStringList texts;
    for (const auto& request : m_shown)
        texts.append(request.text);
    return texts;
}

ScriptedDialogs::ScriptedDialogs() : m_install(*this) {}

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(m_folders.empty() && m_files.empty()) << "queued dialog answers were never used";
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString& title, const QString& startFolder)
{
    folderTitles.append(title);
    folderStarts.append(startFolder);
    EXPECT_FALSE(m_folders.empty()) << "unexpected folder chooser";
    return takeFirst(m_folders);
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(const QStringList& nameFilters)
{
    fileFilters.append(nameFilters);
    EXPECT_FALSE(m_files.empty()) << "unexpected file dialog";
    return takeFirst(m_files);
}

} // namespace testsupport
