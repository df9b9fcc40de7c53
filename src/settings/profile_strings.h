#pragma once

#include "settings/ini_document.h"

#include <QString>

namespace settings {

// The profile-string calls INI files are read and written with, in the manner practices'
// hand-edited INI files rely on (see IniDocument). The file is read once into a document, the
// calls work on that, and the document is written back once: each read or write of the file on
// its own would parse it anew, and each write would replace it.

// The file as a document; an empty one when the file does not exist. Throws errors::RuntimeError
// when an existing file cannot be read or is no INI text.
IniDocument readProfileFile(const QString& fileName);

// Replaces the file with the document atomically (see replaceFileAtomically).
void writeProfileFile(const QString& fileName, const IniDocument& document);

// Copies at most bufferSize - 1 characters of the value (or of defaultValue, when the section or
// key is missing) into buffer and returns how many it copied; bufferSize - 1 means the value may
// have been cut.
qsizetype GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                  QString& buffer, qsizetype bufferSize, const IniDocument& file);

// Stores one value in the document; creates the section when missing. A value with a CR or LF is
// refused (it would inject lines into the file).
void WritePrivateProfileString(const QString& section, const QString& key, const QString& value, IniDocument& file);

} // namespace settings
