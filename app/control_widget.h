#pragma once

class QWidget;

namespace cinemoto {

struct Control;

// Copies a control's state onto the widget that shows it: text, tooltip, accessible name,
// enabled, selected, colours, picture and visibility. Unchanged values are left alone so
// that nothing flickers.
void applyControlToWidget(const Control &control, QWidget *widget);

} // namespace cinemoto
