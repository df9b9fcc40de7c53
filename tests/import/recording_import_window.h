#pragma once

#include "import/import_timer.h"
#include "runtime_errors/runtime_error.h"

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
    std::optional<import::ImportField> refusedField; // a field that rejects any text but the empty one

    QString importText() const override { return text; }

    void setImportTimerEnabled(bool enabled) override { timerEnabled = enabled; }

    void setImportedField(import::ImportField field, const QString& value) override
    {
        if (refusedField == field && !value.isEmpty())
            throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                       QStringLiteral("Invalid procedure call or argument"));
        fields.append({field, value});
    }

    // The text the field holds now.
    QString current(import::ImportField field) const
    {
        for (auto it = fields.crbegin(); it != fields.crend(); ++it) {
            if (it->first == field)
                return it->second;
        }
        return {};
    }

    // Whether the last settings emptied every imported field, in their order.
    bool fieldsEmptied() const
    {
        const QList<std::pair<import::ImportField, QString>> emptied = {
            {import::ImportField::ID, {}},       {import::ImportField::Name, {}},   {import::ImportField::Surname, {}},
            {import::ImportField::Birthday, {}}, {import::ImportField::Gender, {}}, {import::ImportField::Date, {}}};
        return fields.size() >= 6 && fields.mid(fields.size() - 6) == emptied;
    }
};

} // namespace testsupport
