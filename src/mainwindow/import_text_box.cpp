#include "mainwindow/import_text_box.h"

#include <QMimeData>
#include <QTextCursor>

ImportTextBox::ImportTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ImportTextBox::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || source == nullptr || !source->hasText())
        return;
    useUnshapedFont();
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ImportTextBox::focusInEvent(QFocusEvent* event)
{
    useUnshapedFont();
    QPlainTextEdit::focusInEvent(event);
}

void ImportTextBox::useUnshapedFont()
{
    if (font().styleStrategy() & QFont::PreferNoShaping)
        return;
    QFont unshaped = font();
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    unshaped.setKerning(false);
    setFont(unshaped);
}
