#include "app/format.h"
#include "exams/exam.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace cinemoto;

namespace {

// Records one exercise answered after ms, right or wrong, as the main window shows it.
bool answer(Exam &exam, bool right, qint64 ms)
{
    return exam.record(right, right ? QStringLiteral("right") : QStringLiteral("wrong"), clockText(ms), ms,
                       clockSeconds(ms));
}

} // namespace

TEST(ExamAlone, FiveRunsTotalTheirScoresAndTimes)
{
    Exam exam;
    exam.start();
    EXPECT_TRUE(exam.running());
    const qint64 times[] = {0, 60000, 150000, 301000, 5000};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(exam.complete());
        ASSERT_TRUE(answer(exam, i != 4, times[i]));
        EXPECT_EQ(exam.count(), i + 1);
    }
    EXPECT_TRUE(exam.complete());
    // A sixth answer is not counted.
    EXPECT_FALSE(answer(exam, true, 1000));
    EXPECT_EQ(exam.count(), 5);
    exam.finish();
    const Exam::Tables &t = exam.tables();
    EXPECT_FLOAT_EQ(t.scores[1], 2);
    EXPECT_FLOAT_EQ(t.scores[2], 1.7f);
    EXPECT_FLOAT_EQ(t.scores[3], 1.25f);
    EXPECT_FLOAT_EQ(t.scores[4], 0.5f);
    EXPECT_FLOAT_EQ(t.scores[5], 0);
    EXPECT_FLOAT_EQ(t.scores[0], 5.45f);
    EXPECT_EQ(t.times[0], QStringLiteral("8:36")); // the answers' times only
    EXPECT_EQ(t.times[4], QStringLiteral("5:01"));
    EXPECT_EQ(t.results[5], QStringLiteral("wrong"));
    EXPECT_TRUE(exam.resultWaiting());
}

TEST(ExamAlone, ANewExamForgetsTheMechanismsAndTotalsOfTheLast)
{
    Exam exam;
    exam.start();
    exam.markUsed(3);
    exam.markUsed(19);
    EXPECT_TRUE(exam.used(3) && exam.used(19));
    EXPECT_FALSE(exam.used(4));
    answer(exam, true, 90000);
    exam.stop();
    EXPECT_FALSE(exam.running());
    exam.start();
    EXPECT_FALSE(exam.used(3) || exam.used(19));
    EXPECT_EQ(exam.count(), 0);
    EXPECT_FLOAT_EQ(exam.tables().scores[0], 0);
    answer(exam, true, 20000);
    exam.finish();
    EXPECT_EQ(exam.tables().times[0], QStringLiteral("0:20"));
    EXPECT_FLOAT_EQ(exam.tables().scores[0], exam.tables().scores[1]);
}

TEST(ExamAlone, AStoredExamOffersItsNameAgainAndALeftOneIsForgotten)
{
    Exam exam;
    Exam::Tables tables;
    tables.scores = {9.5f, 2, 2, 2, 2, 1.5f};
    exam.restore(tables, true);
    EXPECT_TRUE(exam.resultWaiting());
    EXPECT_FALSE(exam.saved());
    exam.stored(QStringLiteral("Pau"));
    EXPECT_FALSE(exam.resultWaiting());
    EXPECT_TRUE(exam.saved());
    EXPECT_EQ(exam.lastName(), QStringLiteral("Pau"));
    exam.restore(tables, true);
    exam.discard();
    EXPECT_FALSE(exam.resultWaiting());
    EXPECT_EQ(exam.lastName(), QStringLiteral("Pau"));
}

TEST(ExamAlone, ChangesAreReportedWhenAndOnlyWhenTheyHappen)
{
    using Change = Exam::Change;
    Exam exam;
    std::vector<Change> reported;
    exam.changed = [&reported](Change change) { reported.push_back(change); };
    const auto since = [&reported] { return std::exchange(reported, {}); };
    exam.start();
    exam.start(); // running and fresh already
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running}));
    exam.markUsed(4);
    exam.markUsed(4);
    EXPECT_EQ(since(), (std::vector<Change>{Change::Progress}));
    answer(exam, true, 1000);
    EXPECT_EQ(since(), (std::vector<Change>{Change::Progress}));
    exam.start(); // begun again: the progress goes
    EXPECT_EQ(since(), (std::vector<Change>{Change::Progress}));
    exam.stop();
    exam.stop();
    exam.discard(); // nothing waits
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running}));
    exam.start();
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running}));
    for (int i = 0; i < 6; ++i)
        answer(exam, true, 1000); // the sixth is not recorded
    EXPECT_EQ(since(), std::vector<Change>(5, Change::Progress));
    exam.finish();
    EXPECT_EQ(since(), (std::vector<Change>{Change::Running, Change::Progress, Change::Result}));
    exam.stored(QStringLiteral("Pau"));
    exam.stored(QStringLiteral("Pau"));
    EXPECT_EQ(since(), (std::vector<Change>{Change::Result}));
    const Exam::Tables tables = exam.tables();
    exam.restore(tables, false);
    EXPECT_TRUE(since().empty());
    exam.restore(tables, true);
    exam.discard();
    EXPECT_EQ(since(), (std::vector<Change>{Change::Result, Change::Result}));
    Exam::Tables other = tables;
    other.scores[0] = 1;
    exam.restore(other, false);
    EXPECT_EQ(since(), (std::vector<Change>{Change::Progress}));
}
