#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The Temp folder beside the program, where import texts are staged as files.
namespace import {

// The program folder followed by "/Temp".
QString importFolder();

// Creates the import folder when it is missing, accessible to the current user only (staged
// files hold patient data). Throws errors::RuntimeError when it cannot be created.
void ensureImportFolder();

// An import file is one whose name's last three characters, upper-cased, are "TXT": x.TxT and
// notestxt count, no dot is needed.
bool isImportFileName(const QString& fileName);

// Full paths of the import files in folder (hidden ones included), sorted by name so that the
// choice of the first one is deterministic. A missing folder has none.
QStringList importFilePaths(const QString& folder);

// Deletes one file without forcing: a read-only file (no write permission for its owner) is
// refused with error 75 rather than removed. Throws errors::RuntimeError.
void deleteImportFile(const QString& path);

// Deletes every import file in folder; stops at the first that cannot be deleted and throws its
// errors::RuntimeError. Other files stay.
void deleteImportFiles(const QString& folder);

// "ddMMyyyyHHmm.txt": two stagings within one minute share a name.
QString stagedFileName(const QDateTime& when);

// Writes the text of the import box as folder/stagedFileName(platform::now()), replacing a file
// of that name, and returns the path. text breaks lines with "\n" (CR LF is taken as one break);
// the file breaks them with CR LF, ends with CR LF, keeps lone CRs and is encoded in the system
// code page. The file is created readable and writable by the current user only and never exists
// with wider permissions. Throws errors::RuntimeError.
QString stageImportText(const QString& folder, const QString& text);

} // namespace import
