#pragma once

#include "app/platform/services.h"

#include <functional>

class QMenu;
class QToolButton;
class QWidget;

namespace cinemoto {

class WindowContext;

// "Print preview…" and "Save as PDF…", offered beside each Print button. The menu holds
// two actions named "printPreview" and "savePdf".
QMenu *printChoicesMenu(QWidget *parent, const std::function<void(PrinterService::Target)> &print);
// Captions in the pupil's language.
void setPrintChoicesTexts(QMenu *menu, const WindowContext &main);
// A small arrow button that opens the menu, for windows whose Print is a push button.
QToolButton *printChoicesButton(QMenu *menu, const WindowContext &main);

} // namespace cinemoto
