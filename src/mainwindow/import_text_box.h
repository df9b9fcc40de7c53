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
    void focusInEvent(QFocusEvent* event) override;

private:
    // The unshaped font needs a font engine of its own, and loading one costs about a millisecond.
    // The empty box lays out no text and looks the same in the window's font, so the box takes the
    // unshaped one on where text can first come in: with the focus (typing, input methods,
    // keyboard paste) or as pasted or dropped text. The program itself puts no text in the box.
    void useUnshapedFont();
};
