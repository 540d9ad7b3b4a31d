#pragma once

#include "app/control.h"
#include "app/platform/services.h"
#include "app/textcatalogue.h"

#include <QString>

namespace cinemoto {

class Exam;

// What the windows opened over the main window need of it: texts in the pupil's language,
// the desktop services, the finished exam, and the main window itself, which they block.
class WindowContext
{
public:
    virtual ~WindowContext() = default;

    virtual QString text(int catalanId) const = 0;
    virtual const TextCatalogue &catalogue() const = 0;
    virtual const LanguageBases &language() const = 0;
    virtual const Services &services() const = 0;
    virtual Control &mainWindow() = 0;
    virtual Exam &finishedExam() = 0;

    const QString newLine = QStringLiteral("\r\n");
};

} // namespace cinemoto
