#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace fields {

// The texts of the main window's data fields, unchanged.
struct RequestFields
{
    QString patientId;
    QString surname;
    QString firstName;
    QString birthDate;
    QString gender;
    QString examinationDate;
    QString examinationTime;
    QString referringPhysician;
    QString modality; // used only when Config.Modality is on

    friend bool operator==(const RequestFields&, const RequestFields&) = default;
};

// How the user enters a field: a text box, or a combo box with a list to choose from.
enum class FieldControl {
    TextBox,
    ComboBox,
};

// The one declaration of a request field: its GDT line, its control in the main window's frame
// and the label that names it there. Places are in twips relative to the frame.
struct RequestField
{
    QString RequestFields::*member;
    QString id;   // GDT field identifier
    QString name; // how failure texts name the field
    // Ranks, 1 first; 0 leaves the field out.
    int recordLine;      // line of the 6302 record
    int clearedByCreate; // clearing after a request is written with the import on
    int clearedByClear;  // clearing by the clear command
    int filledByImport;  // setting by an import, which cuts the field from the pasted text

    const char* control; // objectName of the entry control
    FieldControl kind;
    QRect twips;       // the entry control's place
    const char* label; // objectName of the label, the control's buddy
    QString labelKey;  // the label's key in the language table
    QString labelText; // the label's designed (German) text
    QRect labelTwips;
};

// Every request field, in the main window's focus order.
const QList<RequestField>& requestFields();

// The fields ranked by rank (recordLine, clearedByCreate, clearedByClear, filledByImport), in that
// rank's order, without those it leaves out.
QList<const RequestField*> requestFieldsBy(int RequestField::*rank);

// The row of member; every member of RequestFields has one.
const RequestField& requestField(QString RequestFields::*member);

} // namespace fields
