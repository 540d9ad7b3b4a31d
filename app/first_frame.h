#pragma once

class QWidget;

namespace cinemoto {

// For the start-up benchmark: with CINEMOTO_REPORT_FIRST_FRAME set, writes
// "first-frame <CLOCK_MONOTONIC ns>" to standard error once the window has been painted,
// and with the value "quit" ends the program there. Does nothing otherwise.
void reportFirstFrame(QWidget &window);

} // namespace cinemoto
