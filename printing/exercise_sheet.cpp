#include "printing/print_frame.h"

#include "app/main_window_model.h"

namespace cinemoto {

namespace {

// Captions may carry a keyboard accelerator mark, which means nothing on paper.
QString plain(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

} // namespace

Printout exerciseSheet(MainWindowModel &main)
{
    const MainWindowControls &c = main.c;
    Printout p = printoutHeading(main, kExerciseJobText);
    p.facts.prepend({main.text(kExerciseLabelText), plain(c.exerciseOptions[main.selection.choice().exercise].caption)});
    p.facts.prepend({main.text(kMechanismLabelText), plain(c.mechanismOptions[main.selection.choice().mechanism].caption)});
    if (c.ratioLabel.visible)
        p.statement = c.ratioLabel.caption.trimmed();
    const std::pair<const Control *, const Control *> columns[] = {
        {&c.drivingTitle, &c.drivingData}, {&c.middleTitle, &c.middleData}, {&c.drivenTitle, &c.drivenData}};
    for (const auto &[title, box] : columns) {
        if (!box->visible || box->caption.trimmed().isEmpty())
            continue;
        QStringList lines = box->caption.split(main.newLine);
        for (QString &line : lines)
            line = line.trimmed();
        p.data.append({title->caption.trimmed(), lines});
    }
    if (c.pictureArea.picture)
        p.picture = Printout::Picture{c.pictureArea.picture, c.pictureArea.pictureMirrored, main.animation.parts};
    if (c.questionLabel.visible)
        p.question = c.questionLabel.caption.trimmed();
    p.answerCaption = main.text(kAnswerLabelText);
    return p;
}

void printExerciseSheet(MainWindowModel &main, PrinterService::Target target)
{
    sendPrintout(main, exerciseSheet(main), target);
}

} // namespace cinemoto
