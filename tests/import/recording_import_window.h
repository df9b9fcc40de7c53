#pragma once

#include "fields/request_fields.h"
#include "import/import_timer.h"
#include "runtime_errors/runtime_error.h"

#include <QList>

#include <algorithm>
#include <optional>
#include <utility>

namespace testsupport {

// Stands in for the main window: holds the import box text, follows the timer and records the
// fields by their controls' names in the order they are set. Used by the tests and the fuzzer, so
// it needs no test framework.
class RecordingImportWindow : public import::ImportWindow
{
public:
    QString text;
    bool timerEnabled = true; // the window arms the timer before the first tick
    QList<std::pair<QString, QString>> fields;
    std::optional<QString> refusedField; // a field that rejects any text but the empty one

    QString importText() const override { return text; }

    void setImportTimerEnabled(bool enabled) override { timerEnabled = enabled; }

    void setImportedFields(const fields::RequestFields& record) override
    {
        for (const fields::RequestField* field : importedFields()) {
            const QString& value = record.*field->member;
            if (refusedField == QLatin1String(field->control) && !value.isEmpty())
                throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                           QStringLiteral("Invalid procedure call or argument"));
            fields.append({QLatin1String(field->control), value});
        }
    }

    // The text the field holds now.
    QString current(const QString& control) const
    {
        for (auto it = fields.crbegin(); it != fields.crend(); ++it) {
            if (it->first == control)
                return it->second;
        }
        return {};
    }

    // Whether the last settings emptied every imported field, in their order.
    bool fieldsEmptied() const
    {
        const QList<const fields::RequestField*> imported = importedFields();
        if (fields.size() < imported.size())
            return false;
        const auto last = fields.mid(fields.size() - imported.size());
        return std::equal(last.begin(), last.end(), imported.begin(), [](const auto& set, const auto* field) {
            return set.first == QLatin1String(field->control) && set.second.isEmpty();
        });
    }

private:
    static QList<const fields::RequestField*> importedFields()
    {
        return fields::requestFieldsBy(&fields::RequestField::filledByImport);
    }
};

} // namespace testsupport
