#pragma once

#include "app/twips_dialog.h"

namespace cinemoto {

class QuizModel;

// The quiz window on screen.
class QuizView : public TwipsDialog
{
    Q_OBJECT
public:
    QuizView(QuizModel &model, QWidget *parent = nullptr);
    void sync() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QuizModel &m_model;
    QWidget *m_face = nullptr;
};

} // namespace cinemoto
