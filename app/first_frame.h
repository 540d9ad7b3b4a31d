#pragma once

#include <future>

class QWidget;

namespace cinemoto {

// For the start-up benchmark: with CINEMOTO_REPORT_FIRST_FRAME set, writes
// "first-frame <CLOCK_MONOTONIC ns>" to standard error once the window has been painted,
// and with the value "quit" ends the program there. Does nothing otherwise.
void reportFirstFrame(QWidget &window);

// Reads the system's font list on another thread while the main window is built: it is a
// third of the work before the first frame, and the window's widgets need it only once
// they measure their texts. The font database is safe to use from any thread. Needs the
// application object; the result says whether any font was found.
std::future<bool> readFontsAhead();

} // namespace cinemoto
