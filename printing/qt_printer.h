#pragma once

#include "app/platform/services.h"

#include <functional>

class QDialog;

namespace cinemoto {

class PrintPlugin;

// Printing through the print plugin beside the program, loaded on the first printout:
// paper on the default printer, a preview window, or a PDF file the pupil names. Without
// the plugin every printout fails as with no printer.
class QtPrinter : public PrinterService
{
public:
    Outcome print(const Printout &printout, Target target) override;

    // The queue to print on; empty for the system's default printer.
    QString printerName;
    // Asks for the PDF file's path, starting from a suggestion; empty when cancelled.
    // A file dialog unless replaced.
    std::function<QString(const QString &suggested, const QString &filter)> choosePdfFile;
    // Run once the preview window is open; it stays open until closed.
    std::function<void(QDialog &)> onPreview;
    // The plugin file; the program folder's unless replaced before the first printout.
    QString pluginFile;

    QtPrinter();

private:
    PrintPlugin *plugin();
    PrintPlugin *m_plugin = nullptr;
    bool m_tried = false;
};

// Whether the named queue (empty: the default one) exists, runs and takes jobs.
PrinterService::Outcome printerReadiness(const QString &printerName);

} // namespace cinemoto
