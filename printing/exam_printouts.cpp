#include "printing/exam_printouts.h"

#include "exams/exam_windows.h"

namespace cinemoto {

Printout examResultSheet(WindowContext &main, const ExamResultModel &result)
{
    Printout p = printoutHeading(main, kExamResultJobText);
    p.subtitle = result.titleLabel.caption;
    const QString name = result.nameBox.caption.trimmed();
    if (!name.isEmpty())
        p.facts.prepend({main.text(kNameLabelText), name});
    p.tableHeader = {result.exerciseHeading.caption, result.resultHeading.caption, result.timeHeading.caption,
                     result.pointsHeading.caption};
    for (std::size_t i = 1; i <= 5; ++i) {
        p.tableRows.append({result.rowNumbers[i].caption, result.rowResults[i].caption, result.rowTimes[i].caption,
                            result.rowPoints[i].caption});
    }
    p.tableRows.append({result.totalLabel.caption, QString(), result.rowTimes[0].caption, result.rowPoints[0].caption});
    p.lastRowIsTotal = true;
    return p;
}

Printout examsTakenSheet(WindowContext &main, const ExamsTakenModel &list)
{
    Printout p = printoutHeading(main, kExamsTakenJobText);
    p.subtitle = list.titleLabel.caption;
    p.tableHeader = {list.nameHeading.caption, list.pointsHeading.caption, list.dateHeading.caption,
                     list.timeHeading.caption};
    for (std::size_t i = 1; i <= 10; ++i)
        // Records are padded to their fixed width; the padding means nothing on paper.
        p.tableRows.append({list.nameCells[i].caption.trimmed(), list.pointsCells[i].caption.trimmed(),
                            list.dateCells[i].caption.trimmed(), list.timeCells[i].caption.trimmed()});
    return p;
}

} // namespace cinemoto
