#include "app/textcatalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using namespace cinemoto;

namespace {

const int kCounts[] = {0, 201, 201, 19};

struct Question
{
    int number = 0;
    QString text;
    QStringList answers; // 1..4 at 0..3
    int right = 0; // 1..4
    int mechanism = 0;
};

QList<Question> bank(int language)
{
    const TextCatalogue &texts = TextCatalogue::builtIn();
    const int base = LanguageBases {language}.quizBase();
    QList<Question> questions;
    for (int q = 1; q <= kCounts[language]; ++q) {
        Question question;
        question.number = q;
        question.text = texts.text(base + 10 * q);
        for (int i = 1; i <= 4; ++i)
            question.answers << texts.text(base + 10 * q + i).trimmed();
        const int code = texts.text(base + 10 * q + 5).toInt();
        question.right = code / 100;
        question.mechanism = code % 100;
        questions << question;
    }
    return questions;
}

// The numbers a text states, in order, with the decimal comma or point kept.
QStringList numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d+(?:[.,]\\d+)?"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

bool hasDigit(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

// A wrong answer met again and again is struck out on sight, without reading the question.
TEST(QuizBank, NoWrongAnswerInWordsComesMoreThanTwice)
{
    for (int language = 1; language <= 3; ++language) {
        QMap<QString, QList<int>> wrong;
        for (const Question &q : bank(language)) {
            for (int i = 1; i <= 4; ++i) {
                const QString answer = q.answers[i - 1];
                if (i != q.right && !hasDigit(answer))
                    wrong[answer.toCaseFolded()] << q.number;
            }
        }
        for (auto it = wrong.cbegin(); it != wrong.cend(); ++it) {
            QStringList where;
            for (int q : it.value())
                where << QString::number(q);
            EXPECT_LE(it.value().size(), 2) << "language " << language << ": \"" << it.key().toStdString()
                                            << "\" is wrong in questions " << where.join(u' ').toStdString();
        }
    }
}

// Two questions with the same numbers and the same right answer ask one fact twice.
TEST(QuizBank, NoTwoQuestionsShareTheirNumbersAndRightAnswer)
{
    for (int language = 1; language <= 3; ++language) {
        QMap<QString, int> seen;
        for (const Question &q : bank(language)) {
            const QStringList numbers = numbersIn(q.text);
            if (numbers.isEmpty())
                continue;
            QStringList sorted = numbers;
            sorted.sort();
            const QString key = sorted.join(u' ') + u'|' + q.answers[q.right - 1].toCaseFolded();
            EXPECT_FALSE(seen.contains(key)) << "language " << language << ": questions " << seen.value(key)
                                             << " and " << q.number << " (" << key.toStdString() << ")";
            seen.insert(key, q.number);
        }
    }
}

// Catalan and Spanish question q are one question: same code, same numbers everywhere.
TEST(QuizBank, CatalanAndSpanishQuestionsMatch)
{
    const QList<Question> catalan = bank(1);
    const QList<Question> spanish = bank(2);
    ASSERT_EQ(catalan.size(), spanish.size());
    for (qsizetype k = 0; k < catalan.size(); ++k) {
        const Question &ca = catalan[k];
        const Question &es = spanish[k];
        EXPECT_EQ(ca.right, es.right) << "question " << ca.number;
        EXPECT_EQ(ca.mechanism, es.mechanism) << "question " << ca.number;
        EXPECT_EQ(numbersIn(ca.text), numbersIn(es.text)) << "question " << ca.number;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(numbersIn(ca.answers[i]), numbersIn(es.answers[i]))
                << "question " << ca.number << " answer " << i + 1;
    }
}

// The worked numbers of the reworked questions, checked against the rule each one applies.
TEST(QuizBank, ComputedAnswersFollowTheirRule)
{
    const auto rightOf = [](int language, int q) {
        const Question question = bank(language)[q - 1];
        return question.answers[question.right - 1];
    };
    struct Case
    {
        int q;
        double value;
    };
    // Speeds scale by driving over driven size, ratios are driving over driven size, a piston
    // runs twice its stroke per turn, and forces divide by the mechanical advantage.
    const Case cases[] = {
        {3, 100.0 * 10 / 20},
        {6, 15.0 * 200 / 50},
        {7, 300.0 * 12 / 36},
        {15, 600.0 * 10 / 30},
        {16, 30.0 / 10},
        {28, 18.0 / 45},
        {37, 450.0 * 8 / 12},
        {38, 56.0 / 16},
        {41, 60.0 / 2},
        {45, 60.0 * 40 / 20},
        {113, 2 * 8.0 * 3},
        {131, 900.0 * (10.0 / 30) * (10.0 / 30)},
        {141, 1000.0 * (10.0 / 25) * (10.0 / 25)},
        {146, 100.0 * (30.0 / 10) * (30.0 / 10)},
        {166, 35.0 / 7},
        {188, 800.0 / 4},
        {193, 400.0 * 1 / 4},
    };
    for (const Case &c : cases) {
        for (int language = 1; language <= 2; ++language) {
            QStringList numbers = numbersIn(rightOf(language, c.q));
            ASSERT_FALSE(numbers.isEmpty()) << "question " << c.q;
            const double shown = numbers.last().replace(u',', u'.').toDouble();
            EXPECT_NEAR(shown, c.value, 0.006 * c.value) << "question " << c.q << " language " << language;
        }
    }
}
