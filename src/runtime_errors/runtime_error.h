#pragma once

#include <QString>

#include <exception>

namespace errors {

// Run-time error numbers as classic BASIC numbers them: practices know these from the logs of
// similar tools, and support staff read "53" as "file not found" at a glance.
enum ErrorNumber : qint32 {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kDiskFull = 61,
    kInputPastEndOfFile = 62,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
    kInvalidUseOfNull = 94,
    // The database engine's own numbers for a language database it cannot use, which support
    // staff who know Access databases recognise in the log.
    kTableNotFound = 3078,
    kItemNotFound = 3265,
    kUnrecognizedFormat = 3343,
};

// The "current error": what a trapped procedure hands to Error_Handler. Its description is
// English, system error texts included, whatever the user's locale.
class RuntimeError : public std::exception
{
public:
    RuntimeError(qint32 number, QString description);

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    qint32 m_number;
    QString m_description;
    QByteArray m_what;
};

// How an error shows a path. Paths Lumvik puts together are shown with the system's separators;
// one the user typed into the settings (the viewer's) is shown exactly as typed, since that is the
// text they will look for there.
class ShownPath
{
public:
    ShownPath(const QString& path); // with the system's separators
    static ShownPath asTyped(const QString& path);

    const QString& text() const { return m_text; }

private:
    ShownPath() = default;
    QString m_text;
};

// One factory per error number and kind, so each has one text. detail, where taken, adds what the
// standard text cannot know.
RuntimeError invalidProcedureCall(const QString& detail = {});                    // 5
RuntimeError overflow();                                                          // 6
RuntimeError lineTooLong(const QString& line, const QString& piece);              // 6: an import piece past 32767
RuntimeError typeMismatch();                                                      // 13
RuntimeError fileNotFound(const ShownPath& path);                                 // 53
RuntimeError diskFull(const ShownPath& path);                                     // 61
RuntimeError inputPastEndOfFile();                                                // 62
RuntimeError tooFewLines(int lines, int needed, const QString& layout);           // 62: an import text
RuntimeError emptyText();                                                         // 62: an import text
RuntimeError permissionDenied(const ShownPath& path, const QString& detail = {}); // 70
RuntimeError pathFileAccessError(const ShownPath& path, const QString& reason);   // 75
RuntimeError notAFolder(const ShownPath& path);                                   // 75: a file where a folder belongs
RuntimeError pathNotFound(const ShownPath& path);                                 // 76
RuntimeError invalidUseOfNull();                                                  // 94

// A language database the engine cannot use.
RuntimeError tableNotFound(const QString& table, const ShownPath& database);      // 3078
RuntimeError columnNotFound(const QString& table, const QString& column);         // 3265
RuntimeError unrecognizedDatabase(const ShownPath& database, const QString& why); // 3343
// 3265 for the column of one language.
RuntimeError languageColumnNotFound(const QString& language, const QString& table, const QString& column);

// The same error, number and all, told within a sentence of the caller's that says what it
// stopped: "%1" in sentence stands for the error's own description.
RuntimeError withContext(const RuntimeError& error, const QString& sentence);

} // namespace errors
