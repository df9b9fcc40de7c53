#pragma once

#include <QString>

// The process-wide state of the program, one instance for the whole run: the settings record that
// LoadConfig and SaveConfig (settings/settings_file.h) fill and write, and the message texts that
// ChangeLanguage (language/change_language.h) sets. Only the user-interface thread touches it.
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

extern ConfigRecord Config;

// Message texts, set by ChangeLanguage("Main", ...): the confirmation after a request file was
// written, and the settings window's questions about a missing viewer program and a missing
// target folder. A key without a row in the database gives the English text ("GDT-file has been
// created.", and each question in two lines joined by CR LF).
extern QString Msg_1;
extern QString Msg_2;
extern QString Msg_3;

} // namespace modGlobal
