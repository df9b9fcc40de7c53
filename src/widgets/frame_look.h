#pragma once

class QGroupBox;

namespace widgets {

// Draws the frame's title on its border line, as the designed windows show it. The toolkit's
// default puts the border below the title, where it runs through the first row of fields.
void applyDesignedFrameLook(QGroupBox& frame);

} // namespace widgets
