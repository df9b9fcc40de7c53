#pragma once

// The helpers both windows place and set up their controls with.

#include <QRect>
#include <QString>
#include <QWidget>

namespace widgets {

// Window layouts are designed in twips: 1440 per inch, so 15 per pixel at 96 dpi. Converting with
// the screen's logical dpi keeps the proportions on high-dpi screens.
int twipsToPixels(int twips, const QWidget* widget);
QRect twipsRect(int left, int top, int width, int height, const QWidget* widget);

// Creates a Control named name (its objectName is the control's designed name) on parent, at a
// place given in twips relative to parent: left, top, width, height.
template <typename Control> Control* placeControl(QWidget* parent, const char* name, const QRect& twips)
{
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height(), parent));
    return control;
}

// As above, showing text: the caption of a label, a button or a check box.
template <typename Control>
Control* placeControl(QWidget* parent, const char* name, const QString& text, const QRect& twips)
{
    auto* control = placeControl<Control>(parent, name, twips);
    control->setText(text);
    return control;
}

// Qt's line edits cut text at 32,767 characters; the text boxes here have no limit, so that an
// overlong text reaches the code that refuses it by name instead of being cut without a word.
// Lifts the limit on every line edit inside window, those of editable combo boxes included.
void liftTextLengthLimits(QWidget& window);

} // namespace widgets
