#pragma once

#include <QString>

namespace settings {

// The six options of the run, each named after its key in Settings.ini. Texts start empty and
// switches off until LoadConfig fills the record.
struct ConfigRecord
{
    QString Path;       // target folder of the request files
    QString OrvanePath; // full path of the viewer program
    bool RunOrvane = false;
    bool TxtImport = false;
    QString Language; // "Deutsch", "English" or whatever the file names
    bool Modality = false;

    bool operator==(const ConfigRecord&) const = default;
};

// The one process-wide settings record; only the user-interface thread touches it.
extern ConfigRecord Config;

} // namespace settings
