#pragma once

class QWidget;

namespace widgets {

// Qt's line edits cut text at 32,767 characters; the text boxes here have no limit, so that an
// overlong text reaches the code that refuses it by name instead of being cut without a word.
// Lifts the limit on every line edit inside window, those of editable combo boxes included.
void liftTextLengthLimits(QWidget& window);

} // namespace widgets
