#pragma once

#include "printing/print_frame.h"

namespace cinemoto {

class ExamResultModel;
class ExamsTakenModel;

// The five rows and the total, with the pupil's name when one has been typed.
Printout examResultSheet(WindowContext &main, const ExamResultModel &result);
// The stored exams as a table, newest first.
Printout examsTakenSheet(WindowContext &main, const ExamsTakenModel &list);

} // namespace cinemoto
