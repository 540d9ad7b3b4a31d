#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "support/form_fixture.h"

#include "app/format.h"
#include <QDir>

using namespace cinemoto;
using namespace cinemoto::test;

class ExamWindows : public FormFixture
{
protected:
    void SetUp() override
    {
        start(1);
        Exam::Tables tables;
        tables.times = {QStringLiteral("3:10"), QStringLiteral("0:20"), QStringLiteral("1:00"),
                        QStringLiteral("0:50"), QStringLiteral("0:40"), QStringLiteral("0:20")};
        tables.scores = {6.75f, 1.9f, 1.7f, 0, 1.75f, 1.4f};
        tables.results = {QString(), form->text(341), form->text(341), form->text(342), form->text(341),
                          form->text(341)};
        c().window.enabled = false;
        form->exam.restore(tables, true); // as when the fifth exercise has been answered
    }
    std::array<ExamRecord, kRecordCount> stored()
    {
        std::array<ExamRecord, kRecordCount> records;
        ExamRecordFile(dir.filePath(QStringLiteral("exadat"))).read(records);
        return records;
    }
};

TEST_F(ExamWindows, ResultWindowShowsTheRowsAndTotals)
{
    ExamResultModel result(*form);
    result.load();
    EXPECT_EQ(result.titleLabel.caption, form->text(471));
    EXPECT_EQ(result.rowResults[3].caption, form->text(342));
    EXPECT_EQ(result.rowTimes[0].caption, QStringLiteral("3:10"));
    EXPECT_EQ(result.rowPoints[2].caption, generalNumber(1.7f, systemDecimal()));
    EXPECT_EQ(result.rowPoints[3].caption, QStringLiteral("0"));
    EXPECT_EQ(result.rowPoints[0].caption, generalNumber(6.75f, systemDecimal()));
    EXPECT_EQ(result.leaveButton.caption, QStringLiteral("&Sortir"));
    EXPECT_TRUE(result.nameBox.caption.isEmpty()); // nothing stored yet in this run
}

TEST_F(ExamWindows, StoringKeepsTheNameAndOpensTheList)
{
    ExamResultModel result(*form);
    bool listOpened = false;
    result.onStored = [&listOpened] { listOpened = true; };
    result.load();
    result.nameBox.caption = QStringLiteral("Abcdefghijklmnopqrst");
    int key = 13;
    result.onNameKeyPressed(key);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(listOpened);
    EXPECT_TRUE(result.closed);
    EXPECT_TRUE(form->exam.saved());
    EXPECT_EQ(form->exam.lastName(), QStringLiteral("Abcdefghijklmnopqrst"));
    const auto records = stored();
    EXPECT_EQ(records[0].name, QStringLiteral("Abcdefghijklmnop"));
    EXPECT_EQ(records[0].points.trimmed(), formatNumber(6.75, QStringLiteral("#0.#"), systemDecimal()));
    EXPECT_EQ(records[0].date.trimmed(), QStringLiteral("14/03/26"));
    EXPECT_EQ(records[0].time.trimmed(), QStringLiteral("10:00"));
    EXPECT_FALSE(c().window.enabled); // the list keeps the main window disabled

    // The next result window offers the same name, selected.
    ExamResultModel next(*form);
    next.load();
    EXPECT_EQ(next.nameBox.caption, QStringLiteral("Abcdefghijklmnopqrst"));
    EXPECT_EQ(next.nameBox.selLength, 20);
}

TEST_F(ExamWindows, AnEmptyNameIsStoredAsAnonymousAndEnglishDatesMonthFirst)
{
    form->onLanguageChosen(3);
    fakes.clock.current = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    ExamResultModel result(*form);
    result.load();
    result.onAcceptClicked();
    const auto records = stored();
    EXPECT_EQ(records[0].name.trimmed(), form->text(391));
    EXPECT_EQ(records[0].date.trimmed(), QStringLiteral("03/04/26"));
    EXPECT_EQ(records[0].time.trimmed(), QStringLiteral("09:05"));
}

TEST_F(ExamWindows, LeavingAFinishedExamAsksFirstAndStaysByDefault)
{
    ExamResultModel result(*form);
    result.load();
    // The exit button, the close control and Escape all ask; not answering Yes stays.
    result.onLeaveClicked();
    result.onClosing();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    for (const auto &asked : fakes.messageBox.shown) {
        EXPECT_EQ(asked.title, form->text(396));
        EXPECT_EQ(asked.text, form->text(397));
        EXPECT_EQ(asked.buttons, MessageBoxService::Buttons::YesNoDefaultNo);
    }
    EXPECT_FALSE(result.closed);
    EXPECT_FALSE(c().window.enabled);
    // Leaving without storing stays possible.
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    result.onClosing();
    EXPECT_TRUE(result.closed);
    EXPECT_TRUE(c().window.enabled);
    EXPECT_FALSE(form->exam.resultWaiting());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    // Once stored, or once left, there is nothing to ask about.
    result.onClosing();
    EXPECT_EQ(fakes.messageBox.shown.size(), 3u);
}

TEST_F(ExamWindows, TheMainWindowsExitAsksWhileAnExamWouldBeLost)
{
    // While the result waits.
    form->onExitChosen();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, form->text(397));
    EXPECT_FALSE(form->isClosed());
    // During an exam.
    form->exam.discard();
    c().window.enabled = true;
    form->startOrStopExam();
    ASSERT_TRUE(form->exam.running());
    form->onExitChosen();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[1].text, form->text(398));
    EXPECT_EQ(fakes.messageBox.shown[1].buttons, MessageBoxService::Buttons::YesNoDefaultNo);
    EXPECT_FALSE(form->isClosed());
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    form->onExitChosen();
    EXPECT_TRUE(form->isClosed());
}

TEST_F(ExamWindows, NoQuestionWhenNoExamIsAtStake)
{
    form->exam.discard();
    c().window.enabled = true;
    form->onExitChosen();
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(form->isClosed());
}

TEST_F(ExamWindows, AFailedStoreKeepsTheResultOnScreenAndNamesTheReason)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
    ExamResultModel result(*form);
    result.load();
    result.nameBox.caption = QStringLiteral("Pau");
    result.onAcceptClicked();
    EXPECT_FALSE(result.closed);
    EXPECT_FALSE(form->exam.saved());
    EXPECT_TRUE(form->exam.resultWaiting());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(395));
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              form->text(393) + form->newLine + form->text(388) + form->newLine + form->text(394));
}

TEST_F(ExamWindows, ANameIsStoredExactlyAsShown)
{
    ExamResultModel result(*form);
    result.load();
    // Typed through a path that bypasses the box's own filter: shown replaced, not yet stored.
    result.nameBox.caption = QStringLiteral("Łucja ÿ");
    result.onAcceptClicked();
    EXPECT_FALSE(result.closed);
    EXPECT_EQ(result.nameBox.caption, QStringLiteral("?ucja ÿ"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    result.onAcceptClicked();
    EXPECT_TRUE(result.closed);
    EXPECT_EQ(stored()[0].name.trimmed(), QStringLiteral("?ucja ÿ"));
    // Exactly sixteen characters are kept whole.
    form->exam.restore(form->exam.tables(), true);
    ExamResultModel again(*form);
    again.load();
    again.nameBox.caption = QStringLiteral("Abcdefghijklmnoÿ");
    again.onAcceptClicked();
    EXPECT_EQ(stored()[0].name, QStringLiteral("Abcdefghijklmnoÿ"));
}

TEST_F(ExamWindows, TheListSaysWhereItComesFromAndWhyItCouldNotBeRead)
{
    ExamsTakenModel fine(*form);
    fine.load();
    EXPECT_EQ(fine.folderText, form->text(390) + QLatin1Char(' ') + dir.path());
    EXPECT_TRUE(fine.problemText.isEmpty());

    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("exadat"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
    ExamsTakenModel folder(*form);
    folder.load();
    EXPECT_EQ(folder.problemText, form->text(399) + form->newLine + form->text(388));

    // Missing, in a folder where it cannot be made.
    fakes.folder.folder = dir.filePath(QStringLiteral("no/such/folder"));
    ExamsTakenModel missing(*form);
    missing.load();
    EXPECT_EQ(missing.problemText, form->text(399) + form->newLine + form->text(400));
}

TEST_F(ExamWindows, AnAnswerPastTheHourCountsItsWholeTime)
{
    c().window.enabled = true;
    form->exam.discard();
    form->startOrStopExam();
    c().answerBox.caption = formatSignificant(st().solution, QStringLiteral("###0.0###"), systemDecimal(), kPrefillDigits);
    fakes.clock.advanceMs(3600000 + 10000);
    form->onAnimationTick();
    EXPECT_EQ(c().clockBox.caption, QStringLiteral("60:10"));
    form->onDoneClicked();
    EXPECT_TRUE(form->run.answerCorrect());
    EXPECT_EQ(form->run.seconds(), 3610);
    EXPECT_EQ(form->exam.tables().times[1], QStringLiteral("60:10"));
    // The slowest band, not the top comment and not the top score.
    EXPECT_EQ(c().faceImage.picture, 43);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[1], 0.5f);
}

TEST_F(ExamWindows, ListShowsTenRowsNewestFirstAndCreatesTheFile)
{
    ExamsTakenModel empty(*form);
    empty.load();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    EXPECT_EQ(empty.titleLabel.caption, form->text(481));
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(empty.nameCells[std::size_t(i)].caption.isEmpty());
    ExamRecordFile file(dir.filePath(QStringLiteral("exadat")));
    for (int n = 1; n <= 12; ++n)
        file.store({QStringLiteral("Pupil %1").arg(n), QStringLiteral("5"), QStringLiteral("01/02/26"),
                    QStringLiteral("11:11")},
                   quint8(n));
    ExamsTakenModel list(*form);
    list.load();
    EXPECT_EQ(list.nameCells[1].caption, QStringLiteral("Pupil 12        "));
    EXPECT_EQ(list.nameCells[10].caption.trimmed(), QStringLiteral("Pupil 3"));
    EXPECT_EQ(list.dateCells[1].caption, QStringLiteral("01/02/26   "));
    list.onAcceptClicked();
    EXPECT_TRUE(c().window.enabled);
}

TEST_F(ExamWindows, ExamStartAndAbandon)
{
    c().window.enabled = true;
    form->onLevelChosen(1);
    form->startOrStopExam();
    EXPECT_TRUE(form->exam.running());
    EXPECT_EQ(st().level, 3);
    EXPECT_FALSE(c().exerciseButton.enabled || c().newExerciseItem.enabled);
    EXPECT_TRUE(c().randomMechanismOption.value && c().randomUnitsItem.value);
    EXPECT_TRUE(form->exam.used(st().mechanism));
    form->startOrStopExam(); // abandoned
    EXPECT_FALSE(form->exam.running());
    EXPECT_EQ(form->selection.level(), 1); // the ticked level is back with its preset
    EXPECT_FALSE(c().randomMechanismOption.visible);
    EXPECT_TRUE(c().exerciseButton.enabled);
    EXPECT_FALSE(c().answerBox.visible || c().drivingData.visible);
    form->startOrStopExam(); // a new exam starts from zero
    EXPECT_EQ(form->exam.count(), 0);
    EXPECT_FLOAT_EQ(form->exam.tables().scores[0], 0);
}
