#pragma once

class QWidget;

namespace widgets {

// Makes Return and Enter press the push button that has the focus, as Space does, for every push
// button inside window. The toolkit leaves Return to a dialog's default button, and these windows
// have none, so without this Return on a focused button does nothing.
void pressFocusedButtonOnReturn(QWidget& window);

} // namespace widgets
