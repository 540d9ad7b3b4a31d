#pragma once

#include "app/window_context.h"
#include "printing/printout.h"

namespace cinemoto {

class MainWindowModel;

// The exam windows' colours on screen.
constexpr std::uint32_t kPaperWhite = 0xFFFFFFFF;
constexpr std::uint32_t kScreenBlue = 0xFF0000FF;

// Texts of printing beyond the confirmation (Catalan ids).
enum PrintText : int {
    kPrintPreviewText = 510,
    kSavePdfText = 511,
    kMorePrintChoicesText = 512,
    kPrintFailedText = 513,
    kMechanismLabelText = 519,
    kExerciseLabelText = 520,
    kDateLabelText = 521,
    kNameLabelText = 522,
    kAnswerLabelText = 523,
    kExerciseJobText = 524,
    kExamResultJobText = 525,
    kExamsTakenJobText = 526,
    kPdfFilterText = 530,
    kPreviewTitleText = 531,
};

// Asks whether the printer is ready; true when the pupil answers Yes.
bool confirmPrinting(WindowContext &main);

// Sends a printout where the pupil asked. Printing on paper is confirmed first; a print
// or a file that could not be done is reported in the pupil's language.
void sendPrintout(WindowContext &main, const Printout &printout, PrinterService::Target target);

// The trainer's name and the date of today, as every printout starts.
Printout printoutHeading(WindowContext &main, int jobTextId);

// The exercise on screen, without the pupil's answer, comment, face or clock.
Printout exerciseSheet(MainWindowModel &main);
void printExerciseSheet(MainWindowModel &main, PrinterService::Target target);

} // namespace cinemoto
