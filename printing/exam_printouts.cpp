#include "printing/exam_printouts.h"

#include "exams/exam_windows.h"

namespace cinemoto {

Printout examResultSheet(Formulari &main, const ExamResultModel &result)
{
    Printout p = printoutHeading(main, kExamResultJobText);
    p.subtitle = result.lblTitol.caption;
    const QString name = result.txtNom.caption.trimmed();
    if (!name.isEmpty())
        p.facts.prepend({main.text(kNameLabelText), name});
    p.tableHeader = {result.lblExercici.caption, result.lblResultat.caption, result.lblTempstit.caption,
                     result.lblPunts.caption};
    for (std::size_t i = 1; i <= 5; ++i) {
        p.tableRows.append({result.lbl1[i].caption, result.lblCorrecte[i].caption, result.lblTemps[i].caption,
                            result.lblPunt[i].caption});
    }
    p.tableRows.append({result.lblTotal.caption, QString(), result.lblTemps[0].caption, result.lblPunt[0].caption});
    p.lastRowIsTotal = true;
    return p;
}

Printout examsTakenSheet(Formulari &main, const ExamsTakenModel &list)
{
    Printout p = printoutHeading(main, kExamsTakenJobText);
    p.subtitle = list.lblTitol.caption;
    p.tableHeader = {list.lblElnom.caption, list.lblElspunts.caption, list.lblEldia.caption,
                     list.lblLahora.caption};
    for (std::size_t i = 1; i <= 10; ++i)
        // Records are padded to their fixed width; the padding means nothing on paper.
        p.tableRows.append({list.lblNom[i].caption.trimmed(), list.lblPunts[i].caption.trimmed(),
                            list.lblDia[i].caption.trimmed(), list.lblHora[i].caption.trimmed()});
    return p;
}

} // namespace cinemoto
