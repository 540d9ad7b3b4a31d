#include "printing/print_frame.h"

#include "app/format.h"

namespace cinemoto {

bool confirmPrinting(WindowContext &main)
{
    const QString text = main.text(281) + main.newLine + main.text(282) + main.newLine + main.text(283);
    return main.services().messageBox->show(MessageBoxService::Icon::Question, text, main.text(284),
                                            MessageBoxService::Buttons::YesNo)
        == MessageBoxService::Answer::Yes;
}

namespace {

// The reason told to the pupil, or 0 when there is nothing to tell.
int reasonText(PrinterService::Outcome outcome)
{
    switch (outcome) {
    case PrinterService::Outcome::NoPrinter:
        return 514;
    case PrinterService::Outcome::PrinterStopped:
        return 515;
    case PrinterService::Outcome::JobRefused:
        return 516;
    case PrinterService::Outcome::FileNotWritten:
        return 518;
    case PrinterService::Outcome::Done:
    case PrinterService::Outcome::Cancelled:
        break;
    }
    return 0;
}

} // namespace

void sendPrintout(WindowContext &main, const Printout &printout, PrinterService::Target target)
{
    if (target == PrinterService::Target::Printer && !confirmPrinting(main))
        return;
    const PrinterService::Outcome outcome = main.services().printer->print(printout, target);
    const int reason = reasonText(outcome);
    if (!reason)
        return;
    const int opening = outcome == PrinterService::Outcome::FileNotWritten ? 517 : kPrintFailedText;
    main.services().messageBox->show(MessageBoxService::Icon::Exclamation,
                                     main.text(opening) + main.newLine + main.text(reason), main.text(284),
                                     MessageBoxService::Buttons::Ok);
}

Printout printoutHeading(WindowContext &main, int jobTextId)
{
    Printout p;
    p.jobName = main.text(jobTextId);
    p.fileName = main.text(jobTextId + 3) + QStringLiteral(".pdf");
    p.fileFilter = main.text(kPdfFilterText);
    p.previewTitle = main.text(kPreviewTitleText);
    p.saveTitle = main.text(kSavePdfText).remove(QChar(0x2026)).trimmed();
    p.title = QStringLiteral("Cinemoto");
    p.facts.append({main.text(kDateLabelText), formatDate(main.services().clock->now().date(), main.text(392))});
    return p;
}

} // namespace cinemoto
