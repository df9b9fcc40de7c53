#pragma once

#include "platform/file_system.h"
#include "runtime_errors/runtime_error.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace platform {

// Writes bytes as a new file "<folder>/<stem><suffix>" that readers never see half-written: the
// bytes go to a temporary file in the same folder (its name does not end in suffix), are
// flushed to disk and only then renamed, and the folder is synced after the rename, so the file
// is on disk when this returns. An existing directory entry (file, folder, symbolic link, even a
// dangling one) is never replaced: the name gets "_2", "_3", ... before the suffix instead. On
// failure nothing named *<suffix> is left, the temporary file is gone, and the error names the
// requested file or its folder, the folder as given. folder may lack its final separator (empty
// means the working folder).
// Returns the path written; throws errors::RuntimeError (76 for a folder that does not exist, 75
// for a file standing where the folder belongs).
QString writeNewFileAtomically(const QString& folder, const QString& stem, const QString& suffix,
                               const QByteArray& bytes);

// Replaces (or creates) path with bytes the same way: a temporary file in the same folder,
// flushed to disk, renamed over path, then the folder synced. A crash leaves either the old or
// the new file, never a truncated one; a failure before the rename leaves the old file byte for
// byte and no temporary file. The new file keeps the old one's permissions. A symbolic link at
// path stays: the file it names is replaced so, in that file's own folder (one central file
// linked into several places keeps serving them all); a link that names no file is refused. The
// folder is never created. Throws errors::RuntimeError (61 disk full, 70 permission denied, 76
// for a folder that does not exist, else 75 with the system's reason), naming the file replaced.
void replaceFileAtomically(const QString& path, const QByteArray& bytes);

// Appends bytes to the file name in the folder subfolder of folder, creating subfolder and the
// file when missing but never folder itself (a folder moved away is not made anew at its old
// place). Neither subfolder nor the file is ever followed when it is a symbolic link (Windows:
// any reparse point) or used when it is anything but a folder and a regular file: another user
// who may write folder could otherwise send the bytes elsewhere. Throws errors::RuntimeError (76
// when folder does not exist, 75 for a link or an entry of the wrong kind, 61, 70).
// It does not go through platform::fileSystem(): that seam names each file by its path, resolved
// anew at every call, while this opens each name relative to the folder already open before it.
void appendToFileInSubfolder(const QString& folder, const QString& subfolder, const QString& name,
                             const QByteArray& bytes);

// The system calls behind it, in one file per system (file_system_posix.cpp,
// file_system_win32.cpp): makes subfolder when missing and opens the file for appending, with
// the refusals and errors above. The file's path is "<folder>/<subfolder>/<name>"; it is written
// and closed through systemFileSystem().
OpenFile openToAppendInSubfolder(const QString& folder, const QString& subfolder, const QString& name);

// folder as a prefix that file names are appended to: with a final separator ("/" or the
// system's own, added when missing). An empty folder stays empty: a lone separator would be the
// root.
QString folderWithFinalSeparator(const QString& folder);

// The run-time error for a failed file operation on path. System error texts in it are English
// whatever the user's locale.
errors::RuntimeError fileError(const QFileDevice& file, const QString& path);

} // namespace platform
