#include "app/formulari.h"
#include "printing/print_frame.h"

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

Printout exerciseSheet(Formulari &main)
{
    const FormControls &c = main.c;
    Printout p = printoutHeading(main, kExerciseJobText);
    p.facts.prepend({main.text(kExerciseLabelText), plain(c.optExercici[main.st.exercise].caption)});
    p.facts.prepend({main.text(kMechanismLabelText), plain(c.optsistema[main.st.mechanism].caption)});
    if (c.lblRelacio.visible)
        p.statement = c.lblRelacio.caption.trimmed();
    const std::pair<const Control *, const Control *> columns[] = {
        {&c.lblMotor, &c.txtMotor}, {&c.lblCentral, &c.txtCentral}, {&c.lblResistent, &c.txtResistent}};
    for (const auto &[title, box] : columns) {
        if (!box->visible || box->caption.trimmed().isEmpty())
            continue;
        QStringList lines = box->caption.split(main.newLine);
        for (QString &line : lines)
            line = line.trimmed();
        p.data.append({title->caption.trimmed(), lines});
    }
    if (c.imgMeca.picture)
        p.picture = Printout::Picture{c.imgMeca.picture, c.imgMeca.pictureMirrored, main.parts};
    if (c.lblPregunta.visible)
        p.question = c.lblPregunta.caption.trimmed();
    p.answerCaption = main.text(kAnswerLabelText);
    return p;
}

void printExerciseSheet(Formulari &main, PrinterService::Target target)
{
    sendPrintout(main, exerciseSheet(main), target);
}

void Formulari::cmdPrint_Click()
{
    printExerciseSheet(*this, PrinterService::Target::Printer);
}

} // namespace cinemoto
