#pragma once

#include <QString>

namespace settings {

// Settings.ini beside the program.
QString settingsFilePath();

// Fills Config from Settings.ini in key order. A switch that is neither a number nor True/False
// is reported under "LoadConfig" and ends the load there: the fields before it keep their new
// values, the rest keep what they held.
void LoadConfig();

// Writes all six keys of section [Lumvik] in place; a refused write is reported under
// "SaveConfig" and the keys after it are not written.
void SaveConfig();

// "1", "-1", "2", "true", "FALSE" ... -> switch; anything else throws 13 "Type mismatch".
bool toSwitch(const QString& text);

} // namespace settings
