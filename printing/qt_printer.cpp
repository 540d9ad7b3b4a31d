#include "printing/qt_printer.h"

#include "printing/printout.h"
#include "printing/printout_painter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cups/cups.h>

namespace cinemoto {

namespace {

// Queue names may carry an instance after a slash.
std::pair<QByteArray, QByteArray> splitQueueName(const QString &name)
{
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {name.toLocal8Bit(), QByteArray()};
    return {name.left(slash).toLocal8Bit(), name.mid(slash + 1).toLocal8Bit()};
}

QString defaultQueue()
{
    return QPrinterInfo::defaultPrinterName();
}

void preparePrinter(QPrinter &printer, const Printout &printout, const QString &queue)
{
    printer.setDocName(printout.jobName);
    printer.setCreator(QStringLiteral("Cinemoto"));
    QPageSize size(QPageSize::A4);
    if (!queue.isEmpty()) {
        const QPageSize preferred = QPrinterInfo::printerInfo(queue).defaultPageSize();
        if (preferred.isValid())
            size = preferred;
    }
    printer.setPageSize(size);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
}

bool writePdf(const Printout &printout, const QString &path, const QString &queue)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    preparePrinter(printer, printout, queue);
    if (!paintPrintout(printer, printout))
        return false;
    const QFileInfo written(path);
    return written.isFile() && written.size() > 0;
}

} // namespace

PrinterService::Outcome printerReadiness(const QString &printerName)
{
    const QString queue = printerName.isEmpty() ? defaultQueue() : printerName;
    if (queue.isEmpty())
        return PrinterService::Outcome::NoPrinter;
    const auto [name, instance] = splitQueueName(queue);
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return PrinterService::Outcome::NoPrinter;
    const QByteArray state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const QByteArray accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    cupsFreeDests(1, dest);
    if (state == "5") // IPP "stopped"
        return PrinterService::Outcome::PrinterStopped;
    if (accepting == "false" || accepting == "0")
        return PrinterService::Outcome::JobRefused;
    return PrinterService::Outcome::Done;
}

PrinterService::Outcome QtPrinter::print(const Printout &printout, Target target)
{
    switch (target) {
    case Target::Printer:
        return printOnPaper(printout);
    case Target::Preview:
        return preview(printout);
    case Target::PdfFile:
        return saveAsPdf(printout);
    }
    return Outcome::Cancelled;
}

PrinterService::Outcome QtPrinter::printOnPaper(const Printout &printout)
{
    const QString queue = printerName.isEmpty() ? defaultQueue() : printerName;
    const Outcome ready = printerReadiness(queue);
    if (ready != Outcome::Done)
        return ready;
    // The job is the same PDF the PDF path writes, handed to the queue under its name.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printout.pdf"));
    if (!dir.isValid() || !writePdf(printout, path, queue))
        return Outcome::JobRefused;
    const auto [name, instance] = splitQueueName(queue);
    const int job = cupsPrintFile(name.constData(), QFile::encodeName(path).constData(),
                                  printout.jobName.toUtf8().constData(), 0, nullptr);
    if (job > 0)
        return Outcome::Done;
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? Outcome::NoPrinter : Outcome::JobRefused;
}

PrinterService::Outcome QtPrinter::preview(const Printout &printout)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString queue = printerName.isEmpty() ? defaultQueue() : printerName;
    if (!queue.isEmpty())
        printer.setPrinterName(queue);
    preparePrinter(printer, printout, queue);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(printout.previewTitle);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { painted = paintPrintout(*target, printout) && painted; });
    if (onPreview)
        QMetaObject::invokeMethod(&dialog, [this, &dialog] { onPreview(dialog); }, Qt::QueuedConnection);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    if (!painted)
        return Outcome::JobRefused;
    // Printed from the preview: a queue that will not print it is worth telling about.
    if (printer.outputFormat() == QPrinter::NativeFormat)
        return printerReadiness(printer.printerName());
    return Outcome::Done;
}

PrinterService::Outcome QtPrinter::saveAsPdf(const Printout &printout)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(printout.fileName);
    QString path = choosePdfFile
        ? choosePdfFile(suggested, printout.fileFilter)
        : QFileDialog::getSaveFileName(QApplication::activeWindow(), printout.saveTitle, suggested,
                                       printout.fileFilter);
    if (path.isEmpty())
        return Outcome::Cancelled;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    return writePdf(printout, path, QString()) ? Outcome::Done : Outcome::FileNotWritten;
}

} // namespace cinemoto
