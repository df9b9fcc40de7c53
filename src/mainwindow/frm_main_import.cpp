#include "mainwindow/frm_main.h"

#include "mainwindow/import_text_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

void frmMain::tmrTxtTimer_Timer()
{
    m_textReadByImport = txtContent->toPlainText();
    import::tmrTxtTimer_Timer(*this);
}

// A pasted patient is never lost: text that no tick has read yet, whether it waits for the next
// tick or was put in while an earlier import was held, is imported now instead of writing a
// request from fields that do not show it. The user checks the fields and creates again. Returns
// true when it did so.
bool frmMain::readWaitingImportText()
{
    const QString text = txtContent->toPlainText();
    if (text.isEmpty() || (!tmrTxtTimer->isActive() && text == m_textReadByImport))
        return false;
    tmrTxtTimer_Timer();
    return true;
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

void frmMain::setImportedFields(const fields::RequestFields& record)
{
    for (const fields::RequestField* field : fields::requestFieldsBy(&fields::RequestField::filledByImport)) {
        QWidget* control = requestFieldControl(*field);
        if (auto* box = qobject_cast<QComboBox*>(control))
            box->setEditText(record.*field->member);
        else
            qobject_cast<QLineEdit*>(control)->setText(record.*field->member);
    }
}
