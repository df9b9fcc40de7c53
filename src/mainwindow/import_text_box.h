#pragma once

#include <QPlainTextEdit>

// The import box txtContent: a plain-text box that gives the window back quickly even when
// megabytes are pasted into it. Qt lays out a paragraph as a whole, and its search for a word
// boundary costs time quadratic in the length of a word, so lines wrap at the box's edge wherever
// it falls. The vertical scroll bar is always there, so that its appearing does not lay the text
// out a second time, and the font skips shaping where the text needs none. Tab moves the focus
// on, as in every other field, instead of typing a tab.
class ImportTextBox : public QPlainTextEdit
{
public:
    explicit ImportTextBox(QWidget* parent);

protected:
    // Inserts the plain text straight away; Qt's own paste builds it as a document of its own first.
    void insertFromMimeData(const QMimeData* source) override;
};
