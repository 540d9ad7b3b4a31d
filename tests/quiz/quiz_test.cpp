#include "quiz/quiz.h"
#include "support/form_fixture.h"

#include <set>

using namespace cinemoto;
using namespace cinemoto::test;

class Quiz : public FormFixture
{
protected:
    int wrongOf(const QuizModel &q) { return q.rightAnswer == 1 ? 2 : 1; }
};

TEST_F(Quiz, OpensWaitingForTheFirstQuestion)
{
    start(1);
    c().window.enabled = false;
    QuizModel quiz(*form);
    quiz.load();
    EXPECT_EQ(quiz.window.caption, QStringLiteral("Cinemoto Test"));
    EXPECT_EQ(quiz.questionLabel.caption, form->text(580));
    EXPECT_EQ(quiz.answerLabels[1].caption, form->text(581));
    EXPECT_EQ(quiz.answerLabels[3].caption, form->text(586));
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("0"));
    EXPECT_EQ(quiz.window.helpContext, 483);
    quiz.chooseAnswer(1); // before the first question: nothing
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("0"));
    EXPECT_FALSE(quiz.faceImage.visible);
    quiz.onClosing();
    EXPECT_TRUE(c().window.enabled);
}

TEST_F(Quiz, AQuestionShowsItsPictureAndJudgesOneClick)
{
    start(1);
    QuizModel quiz(*form);
    quiz.load();
    fakes.random.script = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f}; // question 1 first
    quiz.askQuestion();
    EXPECT_EQ(quiz.questionLabel.caption, QStringLiteral("Com s'anomena el mecanisme de la figura ?"));
    EXPECT_EQ(quiz.rightAnswer, 3);
    EXPECT_EQ(quiz.pictureImage.picture, 75);
    EXPECT_EQ(quiz.window.helpContext, 51);
    EXPECT_FALSE(quiz.askButton.enabled);
    quiz.chooseAnswer(2);
    EXPECT_EQ(quiz.answerLabels[3].foreColor, kAnswerGreen);
    EXPECT_EQ(quiz.answerLabels[2].foreColor, kAnswerRed);
    EXPECT_EQ(quiz.faceImage.picture, 43);
    EXPECT_EQ(quiz.faceImage.top, 360 + 3915);
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("1"));
    EXPECT_EQ(quiz.rightCount.caption, QStringLiteral("0"));
    EXPECT_EQ(quiz.successRate.caption, QStringLiteral(" 0 %"));
    EXPECT_TRUE(quiz.askButton.enabled);
    quiz.chooseAnswer(3); // a second click changes nothing
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("1"));
}

TEST_F(Quiz, SuccessRateAndItsFace)
{
    start(1);
    QuizModel quiz(*form);
    quiz.load();
    const auto answer = [&](bool right) {
        quiz.askQuestion();
        quiz.chooseAnswer(right ? quiz.rightAnswer : wrongOf(quiz));
    };
    answer(true);
    answer(false);
    EXPECT_EQ(quiz.successRate.caption, QStringLiteral(" 50 %"));
    EXPECT_EQ(quiz.successImage.picture, 42);
    answer(true);
    EXPECT_EQ(quiz.successRate.caption, QStringLiteral(" 66 %"));
    EXPECT_EQ(quiz.successImage.picture, 42);
    answer(true);
    EXPECT_EQ(quiz.successRate.caption, QStringLiteral(" 75 %"));
    EXPECT_EQ(quiz.successImage.picture, 41);
    QuizModel other(*form);
    other.load();
    other.askQuestion();
    other.chooseAnswer(other.rightAnswer);
    other.askQuestion();
    other.chooseAnswer(wrongOf(other));
    other.askQuestion();
    other.chooseAnswer(wrongOf(other));
    EXPECT_EQ(other.successRate.caption, QStringLiteral(" 33 %"));
    EXPECT_EQ(other.successImage.picture, 43);
}

TEST_F(Quiz, TheEnglishBankEndsAfterNineteenWithoutRepeats)
{
    start(1);
    form->onLanguageChosen(3);
    QuizModel quiz(*form);
    quiz.load();
    EXPECT_EQ(quiz.questionCount(), 19);
    EXPECT_EQ(quiz.window.helpContext, 485);
    std::set<QString> questions;
    fakes.random.fallback = 0.5f;
    for (int i = 0; i < 19; ++i) {
        fakes.random.script = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f}; // the same draw again and again
        quiz.askQuestion();
        // The same question may stand beside different pictures.
        questions.insert(quiz.questionLabel.caption + QString::number(quiz.pictureImage.picture));
        quiz.chooseAnswer(quiz.rightAnswer);
    }
    EXPECT_EQ(questions.size(), 19u);
    for (int q = 1; q <= 19; ++q)
        EXPECT_TRUE(quiz.wasAsked(q));
    quiz.askQuestion();
    EXPECT_EQ(quiz.questionLabel.caption, form->text(585));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(quiz.answerLabels[std::size_t(i)].caption.isEmpty());
    EXPECT_FALSE(quiz.askButton.enabled);
    EXPECT_EQ(quiz.askedCount.caption, QStringLiteral("19"));
    // Opening again starts a new quiz.
    QuizModel again(*form);
    again.load();
    EXPECT_FALSE(again.wasAsked(1));
}

TEST_F(Quiz, UniversalJointQuestionsShowItsOwnPicture)
{
    start(1);
    QuizModel quiz(*form);
    quiz.load();
    for (int i = 0; i < 201; ++i) {
        quiz.askQuestion();
        if (quiz.window.helpContext == 56) {
            EXPECT_EQ(quiz.pictureImage.picture, 56);
            return;
        }
        quiz.chooseAnswer(1);
    }
    FAIL() << "no question about the universal joint";
}
