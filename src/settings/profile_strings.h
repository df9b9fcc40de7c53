#pragma once

#include <QString>

namespace platform {

// The profile-string calls INI files are read and written with, in the manner practices'
// hand-edited INI files rely on (see IniDocument). Both throw errors::RuntimeError when an
// existing file cannot be read or is no INI text; a missing file, section or key simply gives the
// default.

// Copies at most bufferSize - 1 characters of the value (or of defaultValue) into buffer and
// returns how many it copied; bufferSize - 1 means the value may have been cut.
qsizetype GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                  QString& buffer, qsizetype bufferSize, const QString& fileName);

// Stores one value, replacing the file atomically; creates the file or section when missing.
// A value with a CR or LF is refused (it would inject lines into the file).
void WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName);

} // namespace platform
