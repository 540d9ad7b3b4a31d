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
        form->examTimes = {QStringLiteral("3:10"), QStringLiteral("0:20"), QStringLiteral("1:00"),
                           QStringLiteral("0:50"), QStringLiteral("0:40"), QStringLiteral("0:20")};
        form->examScores = {6.75f, 1.9f, 1.7f, 0, 1.75f, 1.4f};
        form->examResults = {QString(), form->text(341), form->text(341), form->text(342), form->text(341),
                             form->text(341)};
        c().form.enabled = false;
        form->examResultWaiting = true; // as when the fifth exercise has been answered
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
    result.Form_Load();
    EXPECT_EQ(result.lblTitol.caption, form->text(471));
    EXPECT_EQ(result.lblCorrecte[3].caption, form->text(342));
    EXPECT_EQ(result.lblTemps[0].caption, QStringLiteral("3:10"));
    EXPECT_EQ(result.lblPunt[2].caption, generalNumber(1.7f, systemDecimal()));
    EXPECT_EQ(result.lblPunt[3].caption, QStringLiteral("0"));
    EXPECT_EQ(result.lblPunt[0].caption, generalNumber(6.75f, systemDecimal()));
    EXPECT_EQ(result.cmdCancel.caption, QStringLiteral("&Sortir"));
    EXPECT_TRUE(result.txtNom.caption.isEmpty()); // nothing stored yet in this run
}

TEST_F(ExamWindows, StoringKeepsTheNameAndOpensTheList)
{
    ExamResultModel result(*form);
    bool listOpened = false;
    result.onStored = [&listOpened] { listOpened = true; };
    result.Form_Load();
    result.txtNom.caption = QStringLiteral("Abcdefghijklmnopqrst");
    int key = 13;
    result.txtNom_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(listOpened);
    EXPECT_TRUE(result.closed);
    EXPECT_TRUE(form->examSaved);
    EXPECT_EQ(form->lastExamName, QStringLiteral("Abcdefghijklmnopqrst"));
    const auto records = stored();
    EXPECT_EQ(records[0].name, QStringLiteral("Abcdefghijklmnop"));
    EXPECT_EQ(records[0].points.trimmed(), formatNumber(6.75, QStringLiteral("#0.#"), systemDecimal()));
    EXPECT_EQ(records[0].date.trimmed(), QStringLiteral("14/03/26"));
    EXPECT_EQ(records[0].time.trimmed(), QStringLiteral("10:00"));
    EXPECT_FALSE(c().form.enabled); // the list keeps the main window disabled

    // The next result window offers the same name, selected.
    ExamResultModel next(*form);
    next.Form_Load();
    EXPECT_EQ(next.txtNom.caption, QStringLiteral("Abcdefghijklmnopqrst"));
    EXPECT_EQ(next.txtNom.selLength, 20);
}

TEST_F(ExamWindows, AnEmptyNameIsStoredAsAnonymousAndEnglishDatesMonthFirst)
{
    form->menLlengua_Click(3);
    fakes.clock.current = QDateTime(QDate(2026, 3, 4), QTime(9, 5));
    ExamResultModel result(*form);
    result.Form_Load();
    result.cmdAcceptar_Click();
    const auto records = stored();
    EXPECT_EQ(records[0].name.trimmed(), form->text(391));
    EXPECT_EQ(records[0].date.trimmed(), QStringLiteral("03/04/26"));
    EXPECT_EQ(records[0].time.trimmed(), QStringLiteral("09:05"));
}

TEST_F(ExamWindows, LeavingAFinishedExamAsksFirstAndStaysByDefault)
{
    ExamResultModel result(*form);
    result.Form_Load();
    // The exit button, the close control and Escape all ask; not answering Yes stays.
    result.cmdCancel_Click();
    result.Form_Unload();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    for (const auto &asked : fakes.messageBox.shown) {
        EXPECT_EQ(asked.title, form->text(396));
        EXPECT_EQ(asked.text, form->text(397));
        EXPECT_EQ(asked.buttons, MessageBoxService::Buttons::YesNoDefaultNo);
    }
    EXPECT_FALSE(result.closed);
    EXPECT_FALSE(c().form.enabled);
    // Leaving without storing stays possible.
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    result.Form_Unload();
    EXPECT_TRUE(result.closed);
    EXPECT_TRUE(c().form.enabled);
    EXPECT_FALSE(form->examResultWaiting);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    // Once stored, or once left, there is nothing to ask about.
    result.Form_Unload();
    EXPECT_EQ(fakes.messageBox.shown.size(), 3u);
}

TEST_F(ExamWindows, TheMainWindowsExitAsksWhileAnExamWouldBeLost)
{
    // While the result waits.
    form->menSortir_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, form->text(397));
    EXPECT_FALSE(form->isClosed());
    // During an exam.
    form->examResultWaiting = false;
    c().form.enabled = true;
    form->cmdExamen_Click();
    ASSERT_TRUE(isTrue(st().examRunning));
    form->menSortir_Click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[1].text, form->text(398));
    EXPECT_EQ(fakes.messageBox.shown[1].buttons, MessageBoxService::Buttons::YesNoDefaultNo);
    EXPECT_FALSE(form->isClosed());
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    form->menSortir_Click();
    EXPECT_TRUE(form->isClosed());
}

TEST_F(ExamWindows, NoQuestionWhenNoExamIsAtStake)
{
    form->examResultWaiting = false;
    c().form.enabled = true;
    form->menSortir_Click();
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(form->isClosed());
}

TEST_F(ExamWindows, AFailedStoreKeepsTheResultOnScreenAndNamesTheReason)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
    ExamResultModel result(*form);
    result.Form_Load();
    result.txtNom.caption = QStringLiteral("Pau");
    result.cmdAcceptar_Click();
    EXPECT_FALSE(result.closed);
    EXPECT_FALSE(form->examSaved);
    EXPECT_TRUE(form->examResultWaiting);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(395));
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              form->text(393) + form->newLine + form->text(388) + form->newLine + form->text(394));
}

TEST_F(ExamWindows, ANameIsStoredExactlyAsShown)
{
    ExamResultModel result(*form);
    result.Form_Load();
    // Typed through a path that bypasses the box's own filter: shown replaced, not yet stored.
    result.txtNom.caption = QStringLiteral("Łucja ÿ");
    result.cmdAcceptar_Click();
    EXPECT_FALSE(result.closed);
    EXPECT_EQ(result.txtNom.caption, QStringLiteral("?ucja ÿ"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    result.cmdAcceptar_Click();
    EXPECT_TRUE(result.closed);
    EXPECT_EQ(stored()[0].name.trimmed(), QStringLiteral("?ucja ÿ"));
    // Exactly sixteen characters are kept whole.
    form->examResultWaiting = true;
    ExamResultModel again(*form);
    again.Form_Load();
    again.txtNom.caption = QStringLiteral("Abcdefghijklmnoÿ");
    again.cmdAcceptar_Click();
    EXPECT_EQ(stored()[0].name, QStringLiteral("Abcdefghijklmnoÿ"));
}

TEST_F(ExamWindows, TheListSaysWhereItComesFromAndWhyItCouldNotBeRead)
{
    ExamsTakenModel fine(*form);
    fine.Form_Load();
    EXPECT_EQ(fine.folderText, form->text(390) + QLatin1Char(' ') + dir.path());
    EXPECT_TRUE(fine.problemText.isEmpty());

    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("exadat"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
    ExamsTakenModel folder(*form);
    folder.Form_Load();
    EXPECT_EQ(folder.problemText, form->text(399) + form->newLine + form->text(388));

    // Missing, in a folder where it cannot be made.
    fakes.folder.folder = dir.filePath(QStringLiteral("no/such/folder"));
    ExamsTakenModel missing(*form);
    missing.Form_Load();
    EXPECT_EQ(missing.problemText, form->text(399) + form->newLine + form->text(400));
}

TEST_F(ExamWindows, AnAnswerPastTheHourCountsItsWholeTime)
{
    c().form.enabled = true;
    form->examResultWaiting = false;
    form->cmdExamen_Click();
    c().txtSolucio.caption = formatSignificant(st().solution, QStringLiteral("###0.0###"), systemDecimal(), kPrefillDigits);
    fakes.clock.advanceMs(3600000 + 10000);
    form->timAnima_Timer();
    EXPECT_EQ(c().txtTemps.caption, QStringLiteral("60:10"));
    form->cmdFet_Click();
    EXPECT_TRUE(isTrue(st().answerCorrect));
    EXPECT_EQ(st().elapsedSeconds, 3610);
    EXPECT_EQ(form->examTimes[1], QStringLiteral("60:10"));
    // The slowest band, not the top comment and not the top score.
    EXPECT_EQ(c().imgCara.picture, 43);
    EXPECT_FLOAT_EQ(form->examScores[1], 0.5f);
}

TEST_F(ExamWindows, ListShowsTenRowsNewestFirstAndCreatesTheFile)
{
    ExamsTakenModel empty(*form);
    empty.Form_Load();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("exadat"))));
    EXPECT_EQ(empty.lblTitol.caption, form->text(481));
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(empty.lblNom[std::size_t(i)].caption.isEmpty());
    ExamRecordFile file(dir.filePath(QStringLiteral("exadat")));
    for (int n = 1; n <= 12; ++n)
        file.store({QStringLiteral("Pupil %1").arg(n), QStringLiteral("5"), QStringLiteral("01/02/26"),
                    QStringLiteral("11:11")},
                   quint8(n));
    ExamsTakenModel list(*form);
    list.Form_Load();
    EXPECT_EQ(list.lblNom[1].caption, QStringLiteral("Pupil 12        "));
    EXPECT_EQ(list.lblNom[10].caption.trimmed(), QStringLiteral("Pupil 3"));
    EXPECT_EQ(list.lblDia[1].caption, QStringLiteral("01/02/26   "));
    list.cmdAcceptar_Click();
    EXPECT_TRUE(c().form.enabled);
}

TEST_F(ExamWindows, ExamStartAndAbandon)
{
    c().form.enabled = true;
    form->menDificil_Click(1);
    form->cmdExamen_Click();
    EXPECT_TRUE(isTrue(st().examRunning));
    EXPECT_EQ(st().level, 3);
    EXPECT_FALSE(c().cmdNou.enabled || c().menNouexercici.enabled);
    EXPECT_TRUE(c().optAleatorisist.value && c().optAleatoriunit.value);
    EXPECT_TRUE(isTrue(st().examUsed[std::size_t(st().mechanism)]));
    form->cmdExamen_Click(); // abandoned
    EXPECT_FALSE(isTrue(st().examRunning));
    EXPECT_EQ(st().level, 1); // the ticked level is back with its preset
    EXPECT_FALSE(c().optAleatorisist.visible);
    EXPECT_TRUE(c().cmdNou.enabled);
    EXPECT_FALSE(c().txtSolucio.visible || c().txtMotor.visible);
    form->cmdExamen_Click(); // a new exam starts from zero
    EXPECT_EQ(st().examCount, 0);
    EXPECT_FLOAT_EQ(form->examScores[0], 0);
}
