#include "fields/request_fields.h"

#include <algorithm>

namespace fields {

const QList<RequestField>& requestFields()
{
    using F = RequestFields;
    using enum FieldControl;
    const auto text = [](const char16_t* utf16) { return QString::fromUtf16(utf16); };
    // One field per two lines: member, GDT id, name, record line, ranks of the create and clear
    // commands and of the import; control, kind, place; label, key, designed text, place.
    // clang-format off
    static const QList<RequestField> fields = {
        {&F::patientId, text(u"3000"), text(u"patient ID"), 5, 1, 1, 1,
         "txtID", TextBox, {1440, 240, 2175, 375}, "LblID", text(u"lblID"), text(u"Patienten ID:"), {120, 360, 1215, 255}},
        {&F::firstName, text(u"3102"), text(u"first name"), 7, 2, 3, 2,
         "txtName", TextBox, {1440, 720, 2175, 375}, "lblName", text(u"lblName"), text(u"Vorname:"), {120, 840, 1095, 255}},
        {&F::surname, text(u"3101"), text(u"surname"), 6, 3, 2, 3,
         "txtSurname", TextBox, {1440, 1200, 2175, 375}, "lblSurname", text(u"lblSurname"), text(u"Nachname:"), {120, 1320, 1095, 255}},
        {&F::birthDate, text(u"3103"), text(u"date of birth"), 8, 5, 4, 4,
         "txtBirthday", TextBox, {1440, 1680, 2175, 375}, "lblBirthday", text(u"lblBirthday"), text(u"Geburtstag:"), {120, 1800, 1335, 255}},
        {&F::gender, text(u"3110"), text(u"gender"), 9, 4, 5, 5,
         "cboGender", ComboBox, {1440, 2160, 2175, 360}, "lblGender", text(u"lblGender"), text(u"Geschlecht:"), {120, 2280, 1095, 255}},
        {&F::modality, text(u"6335"), text(u"modality"), 13, 0, 0, 0,
         "txtModality", TextBox, {1440, 2640, 2175, 375}, "lblModality", text(u"lblModality"), text(u"Modalität:"), {120, 2760, 1095, 255}},
        {&F::examinationDate, text(u"8781"), text(u"examination date"), 10, 6, 6, 6,
         "txtDate", TextBox, {6240, 240, 1815, 375}, "lblDate", text(u"lblDate"), text(u"Untersuchungsdatum:"), {4080, 360, 1935, 255}},
        {&F::examinationTime, text(u"8782"), text(u"examination time"), 11, 7, 7, 0,
         "txtTime", TextBox, {6240, 1200, 1815, 375}, "lblTime", text(u"lblTime"), text(u"Untersuchungszeit:"), {4080, 1320, 2055, 255}},
        {&F::referringPhysician, text(u"4603"), text(u"referring physician"), 12, 8, 8, 0,
         "txtSchedPhysician", TextBox, {6240, 2040, 1815, 375}, "lblSchedPhysician", text(u"lblSchedPhysician"), text(u"überweisender Arzt:"), {4080, 2160, 1935, 375}},
    };
    // clang-format on
    return fields;
}

QList<const RequestField*> requestFieldsBy(int RequestField::*rank)
{
    QList<const RequestField*> ranked;
    for (const RequestField& field : requestFields()) {
        if (field.*rank > 0)
            ranked.append(&field);
    }
    std::sort(ranked.begin(), ranked.end(), [rank](const auto* a, const auto* b) { return a->*rank < b->*rank; });
    return ranked;
}

const RequestField& requestField(QString RequestFields::*member)
{
    const QList<RequestField>& fields = requestFields();
    return *std::find_if(fields.begin(), fields.end(),
                         [member](const RequestField& field) { return field.member == member; });
}

} // namespace fields
