#pragma once

#include <QString>

// The INI helpers of the settings: reading one value over the platform's profile-string calls.
namespace modINI {

// The whole value of key, or defaultValue; a key with an empty value reads as empty. size is the
// first buffer size; a value that fills it is read again with a larger one, so none is ever cut.
// No error trap: a file that cannot be read reaches the caller's.
QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                      qint16 size);

} // namespace modINI
