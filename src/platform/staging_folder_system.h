#pragma once

#include "platform/file_system.h"

#include <QList>
#include <QString>

#include <utility>

// The system calls behind StagingFolder, in one file per system (staging_folder_posix.cpp,
// staging_folder_win32.cpp), which CMake picks. Each opens, looks at, creates or removes one entry
// as itself: a symbolic link (on Windows any reparse point) is reported as a link, never followed.
// folder is a handle openFolder gave; name is an entry directly inside it and path its full name,
// for systems that work by path and for the status. None throws; writes and closes go through
// systemFileSystem() on the OpenFile these give.
namespace platform::staging {

struct Entry
{
    enum class Kind { Unknown, Missing, Link, Folder, RegularFile, Other };
    Kind kind = Kind::Unknown;
    bool own = false;      // belongs to the current user
    bool readOnly = false; // its owner may not write it
};

// Opens the folder at path for as long as the handle lives. When it cannot, found tells what
// stands there instead, where the system says (Missing, Link, Other), else Unknown.
FileStatus openFolder(const QString& path, Entry::Kind& found, qintptr& folder);
void closeFolder(qintptr folder);
// Makes the folder at path, private to the user. The system's reason when it cannot; empty when it
// did or something already stands there.
QString createFolder(const QString& path);
// Shares the folder as the program folder holding it is shared, where the system has modes to say so.
FileStatus shareLikeTheProgramFolder(qintptr folder, const QString& path);

// The entries directly inside, in no order; one that cannot be looked at is left out.
FileStatus listEntries(qintptr folder, const QString& path, QList<std::pair<QString, Entry>>& entries);
FileStatus lookAt(qintptr folder, const QString& name, const QString& path, Entry& entry);
FileStatus removeEntry(qintptr folder, const QString& name, const QString& path);

// Creates name as a new file that only the user may read and write, opened for writing. A failure
// leaves no file behind.
FileStatus createPrivateFile(qintptr folder, const QString& name, const QString& path, OpenFile& file);
// Opens the regular file name for reading. Where something else stands, found says what (Link,
// Folder, Other) and nothing is opened; any other failure leaves found as it was.
FileStatus openForReading(qintptr folder, const QString& name, const QString& path, Entry::Kind& found, OpenFile& file);
// Reads the next bytes into buffer: read == 0 at the end; Interrupted to try again.
FileStatus readSome(const OpenFile& file, char* buffer, qsizetype size, qsizetype& read);

} // namespace platform::staging
