#include "support/temp_program_folder.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace testsupport {

TempProgramFolder::TempProgramFolder() : m_install(m_dir.path()) {}

void TempProgramFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

QByteArray TempProgramFolder::read(const QString& relative) const
{
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TempProgramFolder::logLines() const
{
    const QByteArray log = read(QStringLiteral("Logs/ErrorLog.log"));
    QStringList lines = platform::fromSystemCodePage(log).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace testsupport
