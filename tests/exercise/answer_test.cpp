#include "exercise/answer.h"
#include "exercise/feedback.h"

#include <gtest/gtest.h>

using namespace cinemoto;

namespace {
float read(const char *text)
{
    const auto value = parseAnswer(QString::fromUtf8(text));
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(-12345);
}
} // namespace

TEST(AnswerReading, CommasPointsBlanksAndJunk)
{
    EXPECT_FLOAT_EQ(read("0,25"), 0.25f);
    EXPECT_FLOAT_EQ(read("0.25"), 0.25f);
    EXPECT_FLOAT_EQ(read("1,5e2"), 150);
    EXPECT_FLOAT_EQ(read("1.2.3"), 1.2f);
    EXPECT_FLOAT_EQ(read("1,2,3"), 1.2f);
    EXPECT_FLOAT_EQ(read("12 mm"), 12);
    EXPECT_FLOAT_EQ(read("  \t\n 7"), 7);
    EXPECT_FLOAT_EQ(read("1 2 3"), 123); // blanks inside are ignored
    EXPECT_FLOAT_EQ(read("-3.5"), -3.5f);
    EXPECT_FLOAT_EQ(read("+.5"), 0.5f);
    EXPECT_FLOAT_EQ(read("2D3"), 2000);
    EXPECT_FLOAT_EQ(read("4e"), 4);
    EXPECT_FLOAT_EQ(read(""), 0);
    EXPECT_FLOAT_EQ(read("abc"), 0);
    EXPECT_FLOAT_EQ(read("-"), 0);
    EXPECT_FLOAT_EQ(read("1e-50"), 0); // too small for a single: zero
}

TEST(AnswerReading, NumbersBeyondASingleAreNeverAccepted)
{
    EXPECT_FALSE(parseAnswer(QStringLiteral("1E+39")).has_value());
    EXPECT_FALSE(parseAnswer(QStringLiteral("-9e99999")).has_value());
    EXPECT_FALSE(parseAnswer(QString(5000, QLatin1Char('9'))).has_value());
    EXPECT_TRUE(parseAnswer(QStringLiteral("3.4e38")).has_value());
}

TEST(AnswerChecking, ToleranceIsStrictAndDependsOnTheLevel)
{
    EXPECT_TRUE(answerWithinTolerance(49.1f, 50, 1));
    EXPECT_TRUE(answerWithinTolerance(50.9f, 50, 1));
    EXPECT_FALSE(answerWithinTolerance(49, 50, 1));
    EXPECT_FALSE(answerWithinTolerance(51, 50, 1));
    EXPECT_TRUE(answerWithinTolerance(198.5f, 200, 2));
    EXPECT_FALSE(answerWithinTolerance(198, 200, 2));
    EXPECT_FALSE(answerWithinTolerance(198, 200, 3));
    EXPECT_FALSE(answerWithinTolerance(50, 50, 0)); // no tolerance outside the levels
    // The spur gear example: strictly between 93.5832 and 97.4028 at level 1.
    EXPECT_TRUE(answerWithinTolerance(93.59f, 95.49297f, 1));
    EXPECT_TRUE(answerWithinTolerance(97.4f, 95.49297f, 1));
    EXPECT_FALSE(answerWithinTolerance(93.58f, 95.49297f, 1));
    EXPECT_FALSE(answerWithinTolerance(0, 95.49297f, 1));
}

TEST(Feedback, CommentsByLevelAndTime)
{
    EXPECT_EQ(correctComment(1, 5).parts, (std::vector<int>{181}));
    EXPECT_EQ(correctComment(1, 300).face, 41);
    EXPECT_EQ(correctComment(2, 59).parts, (std::vector<int>{184, 0, 185}));
    EXPECT_EQ(correctComment(2, 60).parts, (std::vector<int>{183, 203}));
    EXPECT_EQ(correctComment(2, 119).parts, (std::vector<int>{183, 203}));
    const CorrectComment slow = correctComment(2, 120);
    EXPECT_EQ(slow.parts, (std::vector<int>{182, 203}));
    EXPECT_EQ(slow.face, 42);
    EXPECT_EQ(slow.sound, 2);
    EXPECT_EQ(correctComment(3, 19).parts, (std::vector<int>{190, 0, 185}));
    EXPECT_EQ(correctComment(3, 20).parts, (std::vector<int>{189, 0, 188}));
    EXPECT_EQ(correctComment(3, 39).parts, (std::vector<int>{189, 0, 188}));
    EXPECT_EQ(correctComment(3, 40).parts, (std::vector<int>{187, 0, 188}));
    EXPECT_EQ(correctComment(3, 59).parts, (std::vector<int>{187, 0, 188}));
    const CorrectComment minute = correctComment(3, 60);
    EXPECT_EQ(minute.parts, (std::vector<int>{186, 203}));
    EXPECT_EQ(minute.face, 42);
    EXPECT_EQ(minute.sound, 2);
    const CorrectComment late = correctComment(3, 120);
    EXPECT_EQ(late.face, 43);
    EXPECT_EQ(late.sound, 0);
    EXPECT_FALSE(correctComment(4, 10).valid);
    EXPECT_EQ(wrongComment(1), 194);
    EXPECT_EQ(wrongComment(2), 196);
    EXPECT_EQ(wrongComment(3), 192);
}

TEST(Feedback, ExamPoints)
{
    EXPECT_FLOAT_EQ(scoreForSeconds(0), 2);
    EXPECT_FLOAT_EQ(scoreForSeconds(60), 1.7f);
    EXPECT_FLOAT_EQ(scoreForSeconds(150), 1.25f);
    EXPECT_FLOAT_EQ(scoreForSeconds(300), 0.5f);
    EXPECT_FLOAT_EQ(scoreForSeconds(301), 0.5f);
}
