#pragma once

#include "import/import_lines.h"
#include "platform/staging_folder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The Temp folder beside the program, where import texts are staged as files. Only the current
// user's regular files directly inside it count; links are never followed (platform::StagingFolder).
namespace import {

// The program folder followed by "/Temp".
QString importFolder();

// Opens the import folder, creating it when missing. Throws errors::RuntimeError when it cannot
// be created or when a symbolic link or a file stands in its place.
platform::StagingFolder openImportFolder();

// An import file is one whose name's last three characters, upper-cased, are "TXT": x.TxT and
// notestxt count, no dot is needed.
bool isImportFileName(const QString& fileName);

// The names of the current user's import files in folder, sorted by name.
QStringList importFileNames(const platform::StagingFolder& folder);

// Deletes the current user's import files in folder; stops at the first that cannot be deleted
// and throws its errors::RuntimeError. Other files stay.
void deleteImportFiles(platform::StagingFolder& folder);

// "ddMMyyyyHHmm_<user>.txt": one user's stagings within one minute share a name, two users'
// never do.
QString stagedFileName(const QDateTime& when);

// Writes the text of the import box into folder as stagedFileName(platform::now()), replacing
// the user's own file of that name, and returns its full path. text breaks lines with "\n" (CR LF
// is taken as one break); the file breaks them with CR LF, ends with CR LF, keeps lone CRs and is
// UTF-8 with a byte-order mark, so that every character of the box arrives. Only the current user
// can read it. Throws errors::RuntimeError.
QString stageImportText(platform::StagingFolder& folder, const QString& text);

// The import file at path, read or deleted through its folder, never through a symbolic link.
// Deleting does not force: a read-only file is refused with error 75. Both throw
// errors::RuntimeError.
ImportLines readImportFile(const QString& path);
void deleteImportFile(const QString& path);

} // namespace import
