#include "mainwindow/frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

void frmMain::tmrTxtTimer_Timer()
{
    import::tmrTxtTimer_Timer(*this);
}

QString frmMain::importText() const
{
    return txtContent->toPlainText();
}

void frmMain::setImportTimerEnabled(bool enabled)
{
    if (enabled)
        tmrTxtTimer->start();
    else
        tmrTxtTimer->stop();
}

void frmMain::setImportedField(import::ImportField field, const QString& text)
{
    switch (field) {
    case import::ImportField::ID:
        txtID->setText(text);
        break;
    case import::ImportField::Name:
        txtName->setText(text);
        break;
    case import::ImportField::Surname:
        txtSurname->setText(text);
        break;
    case import::ImportField::Birthday:
        txtBirthday->setText(text);
        break;
    case import::ImportField::Gender:
        cboGender->setEditText(text);
        break;
    case import::ImportField::Date:
        txtDate->setText(text);
        break;
    }
}
