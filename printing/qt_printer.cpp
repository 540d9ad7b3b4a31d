#include "printing/qt_printer.h"

#include "app/platform/memory.h"
#include "app/platform/plugins.h"
#include "printing/printout.h"
#include "printing/printout_painter.h"

namespace cinemoto {

namespace {

const QString kPrintPlugin = QStringLiteral("cinemoto-print.so");

PrintPlugin *loadPrintPlugin(const QString &path)
{
    return qobject_cast<PrintPlugin *>(loadPlugin(path));
}

} // namespace

QtPrinter::QtPrinter() : pluginFile(pluginPath(kPrintPlugin)) {}

PrintPlugin *QtPrinter::plugin()
{
    if (!m_tried) {
        m_tried = true;
        m_plugin = loadPrintPlugin(pluginFile);
    }
    return m_plugin;
}

PrinterService::Outcome QtPrinter::print(const Printout &printout, Target target)
{
    PrintPlugin *printing = plugin();
    if (!printing)
        return target == Target::PdfFile ? Outcome::FileNotWritten : Outcome::NoPrinter;
    PrintPlugin::Job job;
    job.jobName = printout.jobName;
    job.fileName = printout.fileName;
    job.fileFilter = printout.fileFilter;
    job.previewTitle = printout.previewTitle;
    job.saveTitle = printout.saveTitle;
    job.printerName = printerName;
    job.paint = [&printout](QPainter &painter, const QRectF &page) { paintPrintout(painter, page, printout); };
    job.choosePdfFile = choosePdfFile;
    job.onPreview = onPreview;
    const Outcome outcome = printing->print(job, target);
    if (target == Target::Preview)
        returnFreedMemorySoon(); // the preview's pages
    return outcome;
}

PrinterService::Outcome printerReadiness(const QString &printerName)
{
    PrintPlugin *printing = loadPrintPlugin(pluginPath(kPrintPlugin));
    return printing ? printing->readiness(printerName) : PrinterService::Outcome::NoPrinter;
}

} // namespace cinemoto
