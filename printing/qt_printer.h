#pragma once

#include "app/platform/services.h"

#include <functional>

class QDialog;

namespace cinemoto {

// Printing through the desktop's print system (CUPS): paper on the default printer, a
// preview window, or a PDF file the pupil names.
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

private:
    Outcome printOnPaper(const Printout &printout);
    Outcome preview(const Printout &printout);
    Outcome saveAsPdf(const Printout &printout);
};

// Whether the named queue (empty: the default one) exists, runs and takes jobs.
PrinterService::Outcome printerReadiness(const QString &printerName);

} // namespace cinemoto
