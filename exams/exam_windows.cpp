#include "exams/exam_windows.h"

#include "app/format.h"
#include "exams/exam.h"
#include "exams/record_file.h"
#include "printing/exam_printouts.h"

namespace cinemoto {

namespace {

void name(Control &c, const char *n, int index = 0)
{
    c.name = QString::fromLatin1(n);
    c.index = index;
}

template <std::size_t N>
void nameArray(std::array<Control, N> &array, const char *n, std::size_t from)
{
    for (std::size_t i = from; i < N; ++i)
        name(array[i], n, int(i));
}

QString recordPath(WindowContext &main)
{
    return main.services().folder->recordsFolder() + QStringLiteral("/exadat");
}

// The reason a pupil is given for a record file that failed.
QString failureText(const WindowContext &main, const FileError &error)
{
    switch (error.failure) {
    case FileFailure::NoSpace:
        return main.text(385);
    case FileFailure::PermissionDenied:
        return main.text(386);
    case FileFailure::Locked:
        return main.text(387);
    case FileFailure::NotARegularFile:
        return main.text(388);
    case FileFailure::Missing:
        return main.text(400);
    case FileFailure::None:
    case FileFailure::Other:
        break;
    }
    return main.text(389) + QStringLiteral(" (") + error.detail + QLatin1Char(')');
}

} // namespace

ExamResultModel::ExamResultModel(WindowContext &main) : m_main(main)
{
    name(window, "examResultWindow");
    window.caption = QStringLiteral("Resultat de l'examen");
    name(titleLabel, "titleLabel");
    name(exerciseHeading, "exerciseHeading");
    name(resultHeading, "resultHeading");
    name(timeHeading, "timeHeading");
    name(pointsHeading, "pointsHeading");
    name(totalLabel, "totalLabel");
    name(nameLabel, "nameLabel");
    name(nameBox, "nameBox");
    nameBox.kind = Control::Kind::TextBox;
    name(acceptButton, "acceptButton");
    acceptButton.caption = QStringLiteral("OK");
    name(leaveButton, "leaveButton");
    name(printButton, "printButton");
    nameArray(rowNumbers, "rowNumbers", 1);
    nameArray(rowResults, "rowResults", 1);
    nameArray(rowTimes, "rowTimes", 0);
    nameArray(rowPoints, "rowPoints", 0);
    for (int i = 1; i <= 5; ++i)
        rowNumbers[std::size_t(i)].caption = QString::number(i);
    for (Control *c : {&window, &titleLabel, &exerciseHeading, &resultHeading, &timeHeading, &pointsHeading, &totalLabel})
        c->foreColor = kPaperWhite;
    window.backColor = kScreenBlue;
    for (std::size_t i = 0; i < 6; ++i) {
        for (auto *array : {&rowNumbers, &rowResults, &rowTimes, &rowPoints})
            (*array)[i].foreColor = kPaperWhite;
    }
    nameLabel.foreColor = kPaperWhite;
    // Times and points right-aligned under their titles, so their digits line up.
    for (std::size_t i = 0; i < 6; ++i)
        rowTimes[i].alignment = rowPoints[i].alignment = 1;
    timeHeading.alignment = pointsHeading.alignment = 1;
}

void ExamResultModel::load()
{
    const Services &s = m_main.services();
    useProgramHelpFile(s);
    titleLabel.caption = m_main.text(471);
    exerciseHeading.caption = m_main.text(472);
    resultHeading.caption = m_main.text(473);
    timeHeading.caption = m_main.text(474);
    pointsHeading.caption = m_main.text(475);
    totalLabel.caption = m_main.text(476);
    nameLabel.caption = m_main.text(477);
    leaveButton.caption = m_main.text(453);
    printButton.caption = m_main.text(450);
    s.random->seedFromTimer();
    const QChar decimal = systemDecimal();
    const Exam::Tables &tables = m_main.finishedExam().tables();
    for (std::size_t i = 1; i <= 5; ++i) {
        rowTimes[i].caption = tables.times[i];
        rowResults[i].caption = tables.results[i];
        rowPoints[i].caption = generalNumber(tables.scores[i], decimal);
    }
    rowPoints[0].caption = generalNumber(tables.scores[0], decimal);
    rowTimes[0].caption = tables.times[0];
    if (m_main.finishedExam().saved()) {
        nameBox.caption = m_main.finishedExam().lastName();
        nameBox.selStart = 0;
        nameBox.selLength = int(nameBox.caption.size());
    }
}

void ExamResultModel::onNameKeyPressed(int &key)
{
    if (key == 13) {
        key = 0;
        onAcceptClicked();
    }
}

void ExamResultModel::onAcceptClicked()
{
    if (closed)
        return;
    const Services &s = m_main.services();
    // What the record file cannot hold is shown replaced before anything is stored.
    const QString storable = withUnstorableReplaced(nameBox.caption);
    if (storable != nameBox.caption) {
        nameBox.caption = storable;
        return;
    }
    if (nameBox.caption.isEmpty())
        nameBox.caption = m_main.text(391);
    const auto key = quint8(qBound(0, int(s.random->next() * 256), 255));
    const QDateTime now = s.clock->now();
    ExamRecord record;
    record.name = nameBox.caption;
    record.points = formatNumber(m_main.finishedExam().tables().scores[0], QStringLiteral("#0.#"), systemDecimal());
    record.date = formatDate(now.date(), m_main.text(392));
    record.time = formatTime(now.time(), QStringLiteral("hh:mm"));
    FileError error;
    if (!ExamRecordFile(recordPath(m_main)).store(record, key, &error)) {
        // Nothing is lost: the result stays on screen to try again or to print.
        s.messageBox->show(MessageBoxService::Icon::Exclamation,
                           m_main.text(393) + m_main.newLine + failureText(m_main, error) + m_main.newLine
                               + m_main.text(394),
                           m_main.text(395), MessageBoxService::Buttons::Ok);
        return;
    }
    m_main.finishedExam().stored(nameBox.caption);
    closed = true;
    if (onStored)
        onStored();
}

void ExamResultModel::onLeaveClicked()
{
    if (closed)
        return;
    // A finished exam is thrown away only when the pupil says so; staying is the default.
    if (m_main.finishedExam().resultWaiting()
        && m_main.services().messageBox->show(MessageBoxService::Icon::Question, m_main.text(397),
                                              m_main.text(396), MessageBoxService::Buttons::YesNoDefaultNo)
            != MessageBoxService::Answer::Yes)
        return;
    m_main.finishedExam().discard();
    m_main.mainWindow().enabled = true;
    closed = true;
}

void ExamResultModel::onClosing()
{
    if (!closed)
        onLeaveClicked();
}

void ExamResultModel::print(PrinterService::Target target)
{
    sendPrintout(m_main, examResultSheet(m_main, *this), target);
}

ExamsTakenModel::ExamsTakenModel(WindowContext &main) : m_main(main)
{
    name(window, "examsTakenWindow");
    window.caption = QStringLiteral("Exàmens realitzats");
    window.backColor = kScreenBlue;
    name(titleLabel, "titleLabel");
    name(nameHeading, "nameHeading");
    name(pointsHeading, "pointsHeading");
    name(dateHeading, "dateHeading");
    name(timeHeading, "timeHeading");
    name(acceptButton, "acceptButton");
    name(printButton, "printButton");
    nameArray(nameCells, "nameCells", 1);
    nameArray(pointsCells, "pointsCells", 1);
    nameArray(dateCells, "dateCells", 1);
    nameArray(timeCells, "timeCells", 1);
    for (Control *c : {&titleLabel, &nameHeading, &pointsHeading, &dateHeading, &timeHeading})
        c->foreColor = kPaperWhite;
    for (std::size_t i = 1; i <= 10; ++i) {
        for (auto *array : {&nameCells, &pointsCells, &dateCells, &timeCells})
            (*array)[i].foreColor = kPaperWhite;
        pointsCells[i].alignment = 1; // points line up by their digits
    }
    pointsHeading.alignment = 1;
}

void ExamsTakenModel::load()
{
    const Services &s = m_main.services();
    useProgramHelpFile(s);
    titleLabel.caption = m_main.text(481);
    nameHeading.caption = m_main.text(482);
    pointsHeading.caption = m_main.text(475);
    dateHeading.caption = m_main.text(483);
    timeHeading.caption = m_main.text(484);
    acceptButton.caption = m_main.text(453);
    printButton.caption = m_main.text(450);
    const ExamRecordFile file(recordPath(m_main));
    file.createIfMissing();
    folderText = m_main.text(390) + QLatin1Char(' ') + m_main.services().folder->recordsFolder();
    std::array<ExamRecord, kRecordCount> records;
    FileError error;
    problemText.clear();
    if (!file.read(records, &error))
        problemText = m_main.text(399) + m_main.newLine + failureText(m_main, error);
    else if (!isRegularFile(file.path()))
        problemText = m_main.text(399) + m_main.newLine + m_main.text(400);
    for (std::size_t i = 1; i <= 10; ++i) {
        const ExamRecord &r = records[i - 1];
        nameCells[i].caption = r.name;
        pointsCells[i].caption = r.points;
        dateCells[i].caption = r.date;
        timeCells[i].caption = r.time;
    }
}

void ExamsTakenModel::onAcceptClicked()
{
    m_main.mainWindow().enabled = true;
    closed = true;
}

void ExamsTakenModel::onClosing()
{
    if (!closed)
        onAcceptClicked();
}

void ExamsTakenModel::print(PrinterService::Target target)
{
    sendPrintout(m_main, examsTakenSheet(m_main, *this), target);
}

} // namespace cinemoto
