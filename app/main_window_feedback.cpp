#include "app/main_window_model.h"

#include "app/format.h"

namespace cinemoto {

void MainWindowModel::showCorrectComment()
{
    const CorrectComment comment = run.earned(st.level);
    if (!comment.valid)
        return;
    QString caption;
    for (int part : comment.parts)
        caption += part ? text(part) : strInt(run.seconds());
    c.commentLabel.caption = caption;
    c.faceImage.picture = comment.face;
    if (comment.sound)
        playFeedbackSound(comment.sound);
}

void MainWindowModel::showWrongComment()
{
    if (const int id = wrongComment(st.level))
        c.commentLabel.caption = text(id);
}

void MainWindowModel::handleWrongAnswer()
{
    const QString title = text(191);
    const int helpTopic = selection.choice().mechanism + 50 + lang.helpBase();
    const auto giveUp = [this](int comment, int face) {
        c.clockBox.visible = false;
        writeSolution();
        c.commentLabel.caption = text(comment);
        c.commentLabel.visible = true;
        c.faceImage.picture = face;
        c.faceImage.visible = true;
    };
    using Box = MessageBoxService;
    switch (st.level) {
    case 1: {
        c.questionLabel.visible = false;
        const auto answer = m_services.messageBox->show(Box::Icon::Exclamation, text(192) + newLine + text(193),
                                                        title, Box::Buttons::YesNo, helpTopic);
        if (answer == Box::Answer::Yes) {
            showAnswerBox();
        } else {
            giveUp(194, 42);
            endRun();
        }
        break;
    }
    case 2: {
        c.questionLabel.visible = false;
        c.clockBox.visible = false;
        const auto answer = m_services.messageBox->show(
            Box::Icon::Exclamation, text(192) + newLine + text(195) + newLine + text(193), title,
            Box::Buttons::YesNo);
        if (answer == Box::Answer::Yes) {
            // The clock goes on from what it showed at OK; the time in the box is not counted.
            run.resumeClock();
            c.clockBox.visible = true;
            showAnswerBox();
        } else {
            giveUp(196, 43);
            endRun();
        }
        break;
    }
    case 3:
        giveUp(192, 43);
        if (exam.running())
            examStep();
        else
            endRun();
        break;
    default:
        break;
    }
}

void MainWindowModel::playFeedbackSound(int n)
{
    // Texts written again after a language switch play nothing, so whatever loop is
    // playing goes on and the sound button must still know it.
    if (st.relabelling)
        return;
    run.playFeedback(n);
}

void MainWindowModel::onSoundButtonClicked()
{
    run.switchLoop(selection.choice().mechanism);
}

} // namespace cinemoto
