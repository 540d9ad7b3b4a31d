#pragma once

#include "app/twips_dialog.h"

#include <array>

class QAbstractButton;

namespace cinemoto {

class QuizModel;

// The quiz window on screen. The answers are buttons: Tab or the arrows reach them, Space,
// Enter or keys 1 to 4 choose, N asks the next question.
class QuizView : public TwipsDialog
{
    Q_OBJECT
public:
    QuizView(QuizModel &model, QWidget *parent = nullptr);
    void sync() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void answer(int k);
    void nextQuestion();
    void syncAnswers();

    QuizModel &m_model;
    QWidget *m_face = nullptr;
    QAbstractButton *m_ask = nullptr;
    std::array<QAbstractButton *, 5> m_answers{}; // 1..4
};

} // namespace cinemoto
