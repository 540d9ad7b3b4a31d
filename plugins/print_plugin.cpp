#include "app/platform/plugins.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QObject>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cups/cups.h>

namespace cinemoto {

namespace {

using Outcome = PrinterService::Outcome;
using Job = PrintPlugin::Job;

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

void preparePrinter(QPrinter &printer, const Job &job, const QString &queue)
{
    printer.setDocName(job.jobName);
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

bool paintJob(QPrinter &printer, const Job &job)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    job.paint(painter, page);
    return painter.end();
}

bool writePdf(const Job &job, const QString &path, const QString &queue)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    preparePrinter(printer, job, queue);
    if (!paintJob(printer, job))
        return false;
    const QFileInfo written(path);
    return written.isFile() && written.size() > 0;
}

// Whether the named queue (empty: the default one) exists, runs and takes jobs.
Outcome queueReadiness(const QString &printerName)
{
    const QString queue = printerName.isEmpty() ? defaultQueue() : printerName;
    if (queue.isEmpty())
        return Outcome::NoPrinter;
    const auto [name, instance] = splitQueueName(queue);
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return Outcome::NoPrinter;
    const QByteArray state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const QByteArray accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    cupsFreeDests(1, dest);
    if (state == "5") // IPP "stopped"
        return Outcome::PrinterStopped;
    if (accepting == "false" || accepting == "0")
        return Outcome::JobRefused;
    return Outcome::Done;
}

Outcome printOnPaper(const Job &job)
{
    const QString queue = job.printerName.isEmpty() ? defaultQueue() : job.printerName;
    const Outcome ready = queueReadiness(queue);
    if (ready != Outcome::Done)
        return ready;
    // The job is the same PDF the PDF path writes, handed to the queue under its name.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printout.pdf"));
    if (!dir.isValid() || !writePdf(job, path, queue))
        return Outcome::JobRefused;
    const auto [name, instance] = splitQueueName(queue);
    const int id = cupsPrintFile(name.constData(), QFile::encodeName(path).constData(),
                                 job.jobName.toUtf8().constData(), 0, nullptr);
    if (id > 0)
        return Outcome::Done;
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? Outcome::NoPrinter : Outcome::JobRefused;
}

Outcome preview(const Job &job)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString queue = job.printerName.isEmpty() ? defaultQueue() : job.printerName;
    if (!queue.isEmpty())
        printer.setPrinterName(queue);
    preparePrinter(printer, job, queue);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(job.previewTitle);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { painted = paintJob(*target, job) && painted; });
    if (job.onPreview)
        QMetaObject::invokeMethod(&dialog, [&job, &dialog] { job.onPreview(dialog); }, Qt::QueuedConnection);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    if (!painted)
        return Outcome::JobRefused;
    // Printed from the preview: a queue that will not print it is worth telling about.
    if (printer.outputFormat() == QPrinter::NativeFormat)
        return queueReadiness(printer.printerName());
    return Outcome::Done;
}

Outcome saveAsPdf(const Job &job)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(job.fileName);
    QString path = job.choosePdfFile
        ? job.choosePdfFile(suggested, job.fileFilter)
        : QFileDialog::getSaveFileName(QApplication::activeWindow(), job.saveTitle, suggested, job.fileFilter);
    if (path.isEmpty())
        return Outcome::Cancelled;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    return writePdf(job, path, QString()) ? Outcome::Done : Outcome::FileNotWritten;
}

} // namespace

// Printing through the desktop's print system (CUPS): paper on the default printer, a
// preview window, or a PDF file the pupil names.
class QtPrintPlugin : public QObject, public PrintPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CINEMOTO_PRINT_PLUGIN_IID)
    Q_INTERFACES(cinemoto::PrintPlugin)

public:
    Outcome print(const Job &job, PrinterService::Target target) override
    {
        switch (target) {
        case PrinterService::Target::Printer:
            return printOnPaper(job);
        case PrinterService::Target::Preview:
            return preview(job);
        case PrinterService::Target::PdfFile:
            return saveAsPdf(job);
        }
        return Outcome::Cancelled;
    }

    Outcome readiness(const QString &printerName) override { return queueReadiness(printerName); }
};

} // namespace cinemoto

#include "print_plugin.moc"
