#pragma once

#include "errors/runtime_error.h"
#include "import/import_timer.h"

#include <QList>

#include <optional>
#include <utility>

namespace testsupport {

// Stands in for the main window: holds the import box text, follows the timer and records the
// fields in the order they are set. Used by the tests and the fuzzer, so it needs no test framework.
class RecordingImportWindow : public import::ImportWindow
{
public:
    QString text;
    bool timerEnabled = true; // the window arms the timer before the first tick
    QList<std::pair<import::ImportField, QString>> fields;
    std::optional<import::ImportField> refusedField; // a field that rejects its text

    QString importText() const override { return text; }

    void setImportTimerEnabled(bool enabled) override { timerEnabled = enabled; }

    void setImportedField(import::ImportField field, const QString& value) override
    {
        if (refusedField == field)
            throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                       QStringLiteral("Invalid procedure call or argument"));
        fields.append({field, value});
    }
};

} // namespace testsupport
