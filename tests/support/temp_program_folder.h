#pragma once

#include "platform/program_folder.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace testsupport {

// A fresh, empty program folder for one test: Settings.ini, Logs/ and Temp/ go there.
class TempProgramFolder
{
public:
    TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    QStringList logLines() const;

private:
    QTemporaryDir m_dir;
    platform::ScopedProgramFolder m_install;
};

} // namespace testsupport
