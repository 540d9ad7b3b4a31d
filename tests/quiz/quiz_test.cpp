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
    c().form.enabled = false;
    QuizModel quiz(*form);
    quiz.Form_Load();
    EXPECT_EQ(quiz.form.caption, QStringLiteral("Cinemoto Test"));
    EXPECT_EQ(quiz.lblPregunta.caption, form->text(580));
    EXPECT_EQ(quiz.lblResposta[1].caption, form->text(581));
    EXPECT_EQ(quiz.lblResposta[3].caption, form->text(586));
    EXPECT_EQ(quiz.lblLesfetes.caption, QStringLiteral("0"));
    EXPECT_EQ(quiz.form.helpContext, 483);
    quiz.lblResposta_Click(1); // before the first question: nothing
    EXPECT_EQ(quiz.lblLesfetes.caption, QStringLiteral("0"));
    EXPECT_FALSE(quiz.imgCara.visible);
    quiz.Form_Unload();
    EXPECT_TRUE(c().form.enabled);
}

TEST_F(Quiz, AQuestionShowsItsPictureAndJudgesOneClick)
{
    start(1);
    QuizModel quiz(*form);
    quiz.Form_Load();
    fakes.random.script = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f}; // question 1 first
    quiz.cmdPregunta_Click();
    EXPECT_EQ(quiz.lblPregunta.caption, QStringLiteral("Com s'anomena el mecanisme de la figura ?"));
    EXPECT_EQ(quiz.rightAnswer, 3);
    EXPECT_EQ(quiz.imgDibuix.picture, 75);
    EXPECT_EQ(quiz.form.helpContext, 51);
    EXPECT_FALSE(quiz.cmdPregunta.enabled);
    quiz.lblResposta_Click(2);
    EXPECT_EQ(quiz.lblResposta[3].foreColor, kAnswerGreen);
    EXPECT_EQ(quiz.lblResposta[2].foreColor, kAnswerRed);
    EXPECT_EQ(quiz.imgCara.picture, 43);
    EXPECT_EQ(quiz.imgCara.top, 360 + 3915);
    EXPECT_EQ(quiz.lblLesfetes.caption, QStringLiteral("1"));
    EXPECT_EQ(quiz.lblLescorrectes.caption, QStringLiteral("0"));
    EXPECT_EQ(quiz.lblLencert.caption, QStringLiteral(" 0 %"));
    EXPECT_TRUE(quiz.cmdPregunta.enabled);
    quiz.lblResposta_Click(3); // a second click changes nothing
    EXPECT_EQ(quiz.lblLesfetes.caption, QStringLiteral("1"));
}

TEST_F(Quiz, SuccessRateAndItsFace)
{
    start(1);
    QuizModel quiz(*form);
    quiz.Form_Load();
    const auto answer = [&](bool right) {
        quiz.cmdPregunta_Click();
        quiz.lblResposta_Click(right ? quiz.rightAnswer : wrongOf(quiz));
    };
    answer(true);
    answer(false);
    EXPECT_EQ(quiz.lblLencert.caption, QStringLiteral(" 50 %"));
    EXPECT_EQ(quiz.imgEncert.picture, 42);
    answer(true);
    EXPECT_EQ(quiz.lblLencert.caption, QStringLiteral(" 66 %"));
    EXPECT_EQ(quiz.imgEncert.picture, 42);
    answer(true);
    EXPECT_EQ(quiz.lblLencert.caption, QStringLiteral(" 75 %"));
    EXPECT_EQ(quiz.imgEncert.picture, 41);
    QuizModel other(*form);
    other.Form_Load();
    other.cmdPregunta_Click();
    other.lblResposta_Click(other.rightAnswer);
    other.cmdPregunta_Click();
    other.lblResposta_Click(wrongOf(other));
    other.cmdPregunta_Click();
    other.lblResposta_Click(wrongOf(other));
    EXPECT_EQ(other.lblLencert.caption, QStringLiteral(" 33 %"));
    EXPECT_EQ(other.imgEncert.picture, 43);
}

TEST_F(Quiz, TheEnglishBankEndsAfterNineteenWithoutRepeats)
{
    start(1);
    form->menLlengua_Click(3);
    QuizModel quiz(*form);
    quiz.Form_Load();
    EXPECT_EQ(quiz.questionCount(), 19);
    EXPECT_EQ(quiz.form.helpContext, 485);
    std::set<QString> questions;
    fakes.random.fallback = 0.5f;
    for (int i = 0; i < 19; ++i) {
        fakes.random.script = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f}; // the same draw again and again
        quiz.cmdPregunta_Click();
        // The same question may stand beside different pictures.
        questions.insert(quiz.lblPregunta.caption + QString::number(quiz.imgDibuix.picture));
        quiz.lblResposta_Click(quiz.rightAnswer);
    }
    EXPECT_EQ(questions.size(), 19u);
    for (int q = 1; q <= 19; ++q)
        EXPECT_TRUE(quiz.wasAsked(q));
    quiz.cmdPregunta_Click();
    EXPECT_EQ(quiz.lblPregunta.caption, form->text(585));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(quiz.lblResposta[std::size_t(i)].caption.isEmpty());
    EXPECT_FALSE(quiz.cmdPregunta.enabled);
    EXPECT_EQ(quiz.lblLesfetes.caption, QStringLiteral("19"));
    // Opening again starts a new quiz.
    QuizModel again(*form);
    again.Form_Load();
    EXPECT_FALSE(again.wasAsked(1));
}

TEST_F(Quiz, UniversalJointQuestionsShowItsOwnPicture)
{
    start(1);
    QuizModel quiz(*form);
    quiz.Form_Load();
    for (int i = 0; i < 201; ++i) {
        quiz.cmdPregunta_Click();
        if (quiz.form.helpContext == 56) {
            EXPECT_EQ(quiz.imgDibuix.picture, 56);
            return;
        }
        quiz.lblResposta_Click(1);
    }
    FAIL() << "no question about the universal joint";
}
