#pragma once

class QWidget;

namespace widgets {

// Names every combo box inside window, and the edit field typed into, after the label whose buddy
// the box is, for screen readers: the edit field has no label of its own, and on Windows the box
// is named by its accessible name. A number field's edit field gets its label's name too. The names
// are copies of the labels' texts, so call this again after those change (a new language).
void nameComboBoxesAfterTheirLabels(QWidget& window);

} // namespace widgets
