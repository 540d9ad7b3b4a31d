#include "app/formulari.h"
#include "printing/print_frame.h"

namespace cinemoto {

void Formulari::cmdPrint_Click()
{
    if (!confirmPrinting(*this))
        return;
    Control *const answerParts[] = {&c.cmdFet, &c.txtTemps, &c.lblComentari, &c.lblSolucio, &c.txtSolucio,
                                    &c.imgCara};
    bool wasVisible[6];
    for (int i = 0; i < 6; ++i)
        wasVisible[i] = answerParts[i]->visible;
    Control *const boxes[] = {&c.txtMotor, &c.txtResistent, &c.txtCentral};
    Control *const hidden[] = {&c.fraExercici, &c.fraSistema, &c.fratipo, &c.cmdNou, &c.cmdexamen,
                               &c.cmdCalculadora, &c.cmdPrint, &c.cmdIdioma, &c.cmdClip, &c.cmdElsfets, &c.cmdSo,
                               &c.cmdHelp, &c.cmdNet, &c.cmdTest, &c.cmdAbout, &c.cmdLlibreta};

    c.form.backColor = kPaperWhite;
    for (Control *box : boxes)
        box->backColor = kPaperWhite;
    for (Control *control : hidden)
        control->visible = false;
    for (Control *control : answerParts)
        control->visible = false;

    // A missing or failing printer prints nothing and leaves the window as it was.
    m_services.printer->printWindow(QStringLiteral("formulari"));

    c.form.backColor = 0;
    for (Control *box : boxes)
        box->backColor = 0;
    for (Control *control : hidden)
        control->visible = true;
    for (int i = 0; i < 6; ++i)
        answerParts[i]->visible = wasVisible[i];
}

} // namespace cinemoto
