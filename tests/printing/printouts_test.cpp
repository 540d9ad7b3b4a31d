#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "printing/exam_printouts.h"
#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

using Target = PrinterService::Target;
using Outcome = PrinterService::Outcome;

namespace {

// Every text a printout carries, to look for what must or must not be on paper.
QString allText(const Printout &p)
{
    QStringList parts{p.title, p.subtitle, p.statement, p.question, p.answerCaption};
    for (const auto &[label, value] : p.facts)
        parts << label << value;
    for (const auto &column : p.data)
        parts << column.title << column.lines;
    parts << p.tableHeader;
    for (const QStringList &row : p.tableRows)
        parts << row;
    return parts.join(QLatin1Char('\n'));
}

QString factValue(const Printout &p, const QString &label)
{
    for (const auto &[name, value] : p.facts) {
        if (name == label)
            return value;
    }
    return QStringLiteral("<missing>");
}

} // namespace

class Printouts : public FormFixture
{
protected:
    void fillExam()
    {
        Exam::Tables tables;
        tables.times = {QStringLiteral("3:10"), QStringLiteral("0:20"), QStringLiteral("1:00"),
                        QStringLiteral("0:50"), QStringLiteral("0:40"), QStringLiteral("0:20")};
        tables.scores = {6.75f, 1.9f, 1.7f, 0, 1.75f, 1.4f};
        tables.results = {QString(), form->text(341), form->text(341), form->text(342), form->text(341),
                          form->text(341)};
        form->exam.restore(tables, false);
    }
};

TEST_F(Printouts, PaperIsConfirmedFirstWhilePreviewAndPdfAreNot)
{
    start(1);
    form->printExercise();
    EXPECT_TRUE(fakes.printer.jobs.empty()); // answered No
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Question);
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(284));
    EXPECT_TRUE(fakes.messageBox.shown[0].text.startsWith(form->text(281)));

    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    form->printExercise();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].target, Target::Printer);

    printExerciseSheet(*form, Target::Preview);
    printExerciseSheet(*form, Target::PdfFile);
    EXPECT_EQ(fakes.messageBox.shown.size(), 2u); // no question for a preview or a file
    ASSERT_EQ(fakes.printer.jobs.size(), 3u);
    EXPECT_EQ(fakes.printer.jobs[1].target, Target::Preview);
    EXPECT_EQ(fakes.printer.jobs[2].target, Target::PdfFile);
}

TEST_F(Printouts, APrintThatCannotBeDoneIsToldInThePupilsLanguage)
{
    const std::pair<Outcome, int> reasons[] = {{Outcome::NoPrinter, 514},
                                               {Outcome::PrinterStopped, 515},
                                               {Outcome::JobRefused, 516},
                                               {Outcome::FileNotWritten, 518}};
    for (int language = 1; language <= 3; ++language) {
        start(language);
        for (const auto &[outcome, reason] : reasons) {
            fakes.messageBox.shown.clear();
            fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
            fakes.printer.outcome = outcome;
            const Target target = outcome == Outcome::FileNotWritten ? Target::PdfFile : Target::Printer;
            printExerciseSheet(*form, target);
            ASSERT_FALSE(fakes.messageBox.shown.empty()) << language << " " << reason;
            const auto &told = fakes.messageBox.shown.back();
            EXPECT_EQ(told.icon, MessageBoxService::Icon::Exclamation);
            EXPECT_EQ(told.title, form->text(284));
            EXPECT_TRUE(told.text.contains(form->text(reason))) << told.text.toStdString();
            EXPECT_FALSE(form->text(reason).isEmpty());
        }
        // A print done, or a preview or file given up by the pupil, needs no word.
        for (Outcome quiet : {Outcome::Done, Outcome::Cancelled}) {
            fakes.messageBox.shown.clear();
            fakes.printer.outcome = quiet;
            printExerciseSheet(*form, Target::PdfFile);
            EXPECT_TRUE(fakes.messageBox.shown.empty());
        }
    }
}

TEST_F(Printouts, ExamWindowsReportAFailedPrintToo)
{
    start(2);
    fillExam();
    fakes.printer.outcome = Outcome::NoPrinter;
    ExamResultModel result(*form);
    result.load();
    result.print(Target::Preview);
    ExamsTakenModel list(*form);
    list.load();
    list.print(Target::Preview);
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    for (const auto &told : fakes.messageBox.shown)
        EXPECT_TRUE(told.text.contains(form->text(514)));
    EXPECT_FALSE(result.closed); // the result stays to try again or store
}

TEST_F(Printouts, EveryJobIsNamedInThePupilsLanguage)
{
    const char *const names[3][3] = {
        {"Cinemoto – exercici", "Cinemoto – resultat de l'examen", "Cinemoto – exàmens fets"},
        {"Cinemoto – ejercicio", "Cinemoto – resultado del examen", "Cinemoto – exámenes realizados"},
        {"Cinemoto – exercise", "Cinemoto – exam result", "Cinemoto – exams taken"}};
    for (int language = 1; language <= 3; ++language) {
        start(language);
        fillExam();
        fakes.printer.jobs.clear();
        printExerciseSheet(*form, Target::PdfFile);
        ExamResultModel result(*form);
        result.load();
        result.print(Target::PdfFile);
        ExamsTakenModel list(*form);
        list.load();
        list.print(Target::PdfFile);
        ASSERT_EQ(fakes.printer.jobs.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const Printout &p = fakes.printer.jobs[std::size_t(i)].printout;
            EXPECT_EQ(p.jobName, QString::fromUtf8(names[language - 1][i]));
            EXPECT_TRUE(p.fileName.endsWith(QLatin1String(".pdf")));
            EXPECT_FALSE(p.fileName.contains(QLatin1Char(' ')) || p.fileName.contains(QLatin1Char('/')));
            EXPECT_EQ(p.title, QStringLiteral("Cinemoto"));
            EXPECT_EQ(factValue(p, form->text(521)), form->lang.language == 3 ? QStringLiteral("03/14/26")
                                                                          : QStringLiteral("14/03/26"));
        }
    }
}

TEST_F(Printouts, TheSheetHoldsTheExerciseButNotTheAnswerCommentOrClock)
{
    start(3);
    form->startOrStopExercise();
    c().answerBox.caption = QStringLiteral("98765.4321");
    fakes.clock.advanceMs(75000);
    form->onAnimationTick();
    const QString clock = c().clockBox.caption;
    ASSERT_FALSE(clock.isEmpty());
    const Printout p = exerciseSheet(*form);

    EXPECT_EQ(factValue(p, form->text(519)), c().mechanismOptions[st().mechanism].caption.remove(QLatin1Char('&')));
    EXPECT_EQ(factValue(p, form->text(520)), c().exerciseOptions[st().exercise].caption.remove(QLatin1Char('&')));
    EXPECT_EQ(p.question, c().questionLabel.caption.trimmed());
    EXPECT_FALSE(p.question.isEmpty());
    ASSERT_GE(p.data.size(), 2);
    EXPECT_EQ(p.data[0].title, c().drivingTitle.caption.trimmed());
    QStringList motorLines;
    for (const QString &line : c().drivingData.caption.split(form->newLine))
        motorLines << line.trimmed();
    EXPECT_EQ(p.data[0].lines, motorLines);
    ASSERT_TRUE(p.picture.has_value());
    EXPECT_EQ(p.picture->id, c().pictureArea.picture);
    EXPECT_EQ(p.answerCaption, form->text(523));

    const QString text = allText(p);
    EXPECT_FALSE(text.contains(QStringLiteral("98765")));
    EXPECT_FALSE(text.contains(clock));
    EXPECT_FALSE(text.contains(c().answerLabel.caption.trimmed()));
    // Building a printout leaves the window exactly as it was.
    EXPECT_TRUE(c().answerBox.visible && c().doneButton.visible && c().typeFrame.visible);
    EXPECT_EQ(c().answerBox.caption, QStringLiteral("98765.4321"));
}

TEST_F(Printouts, AfterAWrongAnswerTheSheetCarriesTheSolutionSentence)
{
    start(3);
    form->onLevelChosen(3); // one try only
    form->startOrStopExercise();
    const QString question = c().questionLabel.caption.trimmed();
    c().answerBox.caption = QStringLiteral("-1");
    form->onDoneClicked();
    const Printout p = exerciseSheet(*form);
    const QString comment = c().commentLabel.caption.trimmed();
    EXPECT_NE(p.question, question);
    EXPECT_EQ(p.question, c().questionLabel.caption.trimmed());
    if (!comment.isEmpty()) {
        EXPECT_FALSE(allText(p).contains(comment));
    }
}

TEST_F(Printouts, TheResultCarriesRowsTotalDateAndTheNameOnlyWhenTyped)
{
    start(1);
    fillExam();
    ExamResultModel result(*form);
    result.load();
    Printout p = examResultSheet(*form, result);
    EXPECT_EQ(p.subtitle, form->text(471));
    EXPECT_EQ(factValue(p, form->text(522)), QStringLiteral("<missing>"));
    EXPECT_EQ(factValue(p, form->text(521)), QStringLiteral("14/03/26"));
    EXPECT_EQ(p.tableHeader, (QStringList{form->text(472), form->text(473), form->text(474), form->text(475)}));
    ASSERT_EQ(p.tableRows.size(), 6);
    EXPECT_EQ(p.tableRows[2], (QStringList{QStringLiteral("3"), form->text(342), QStringLiteral("0:50"),
                                           QStringLiteral("0")}));
    EXPECT_TRUE(p.lastRowIsTotal);
    EXPECT_EQ(p.tableRows[5][0], form->text(476));
    EXPECT_EQ(p.tableRows[5][2], QStringLiteral("3:10"));
    EXPECT_EQ(p.tableRows[5][3], result.rowPoints[0].caption);

    result.nameBox.caption = QStringLiteral("  Laia Puig ");
    p = examResultSheet(*form, result);
    EXPECT_EQ(factValue(p, form->text(522)), QStringLiteral("Laia Puig"));
}

TEST_F(Printouts, TheListIsATableOfTheTenRecords)
{
    start(1);
    for (int i = 1; i <= 11; ++i) {
        ExamRecord r{QStringLiteral("Alumne %1").arg(i), QStringLiteral("%1").arg(i % 10), QStringLiteral("0%1/03/26").arg(i % 10),
                     QStringLiteral("10:%1").arg(10 + i)};
        ASSERT_TRUE(ExamRecordFile(dir.filePath(QStringLiteral("exadat"))).store(r, quint8(i * 7)));
    }
    ExamsTakenModel list(*form);
    list.load();
    const Printout p = examsTakenSheet(*form, list);
    EXPECT_EQ(p.subtitle, form->text(481));
    EXPECT_EQ(p.tableHeader, (QStringList{form->text(482), form->text(475), form->text(483), form->text(484)}));
    ASSERT_EQ(p.tableRows.size(), 10);
    EXPECT_EQ(p.tableRows[0][0], QStringLiteral("Alumne 11")); // newest first
    EXPECT_EQ(p.tableRows[9][0], QStringLiteral("Alumne 2"));
    EXPECT_EQ(p.tableRows[0][3], QStringLiteral("10:21"));
    EXPECT_FALSE(p.lastRowIsTotal);
    EXPECT_FALSE(p.picture.has_value());
}

TEST_F(Printouts, PrintingWithNoExerciseRunningLeavesTheAnswerControlsHidden)
{
    start(2);
    ASSERT_FALSE(c().answerBox.visible || c().doneButton.visible || c().answerLabel.visible);
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    form->printExercise();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_FALSE(c().answerBox.visible || c().doneButton.visible || c().answerLabel.visible);
    EXPECT_TRUE(c().exerciseButton.enabled);
}
