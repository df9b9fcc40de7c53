#pragma once

#include "runtime_errors/runtime_error.h"

#include <QString>

#include <optional>

namespace modGlobal {

// Fills Config from Settings.ini in key order, every value whole. A switch that is neither a
// number nor True/False is reported under "LoadConfig" and ends the load there: the fields before
// it keep their new values, the rest keep what they held (at start-up: empty and off). Returns the
// error, already reported, when Settings.ini exists but cannot be read at all (no INI text, not
// readable): then nothing was taken from it.
std::optional<errors::RuntimeError> LoadConfig();

// Writes every key of section [Lumvik] in place; a refused write is reported under
// "SaveConfig" and the keys after it are not written. True when every key was written.
bool SaveConfig();

} // namespace modGlobal

// The INI helpers of the settings: reading one value over the platform's profile-string calls.
namespace modINI {

// The whole value of key, or defaultValue; a key with an empty value reads as empty. size is the
// first buffer size; a value that fills it is read again with a larger one, so none is ever cut.
// No error trap: a file that cannot be read reaches the caller's.
QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                      qint16 size);

} // namespace modINI

namespace settings {

// Settings.ini beside the program.
QString settingsFilePath();

// A number (non-zero is on; "1,5" under German settings is one) or True/False in any case ->
// switch; anything else, nan and inf included, throws 13 "Type mismatch".
bool toSwitch(const QString& text);

// A whole number of minutes from 0 to kMaxPickupMinutes, blanks around it allowed; anything else
// that is no whole number throws 13 "Type mismatch", a whole number out of range 6 "Overflow".
inline constexpr int kMaxPickupMinutes = 1440;
int toMinutes(const QString& text);

} // namespace settings
