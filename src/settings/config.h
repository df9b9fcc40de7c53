#pragma once

#include <QString>

// The process-wide state of the program and the procedures that fill it: the settings record
// (here, with LoadConfig and SaveConfig in settings_file.h) and the message texts with the
// language procedures (language/change_language.h). Only the user-interface thread touches it.
namespace modGlobal {

// The options of the run, each named after its key in Settings.ini. Texts start empty and
// switches off until LoadConfig fills the record; PickupMinutes starts at its default.
struct ConfigRecord
{
    QString Path;       // target folder of the request files
    QString OrvanePath; // full path of the viewer program
    bool RunOrvane = false;
    bool TxtImport = false;
    QString Language; // "Deutsch", "English" or whatever the file names
    bool Modality = false;
    // Minutes after which a request still in the target folder is reported as not taken; 0 turns
    // the watch off.
    int PickupMinutes = 3;

    bool operator==(const ConfigRecord&) const = default;
};

// The one process-wide settings record, defined beside LoadConfig.
extern ConfigRecord Config;

} // namespace modGlobal
