#include "app/main_window_model.h"

#include "app/format.h"
#include "exercise/feedback.h"

#include <QFile>

namespace cinemoto {

namespace {

// The looping sound of each mechanism, by number.
int loopSound(int mechanism)
{
    switch (mechanism) {
    case 1:
    case 3:
    case 12:
    case 13:
        return 1601;
    case 2:
    case 14:
        return 1602;
    case 15:
    case 19:
        return 1615;
    case 16:
    case 17:
    case 18:
        return 1616;
    default:
        return 1600 + mechanism;
    }
}

// The sound's resource path, empty when the program has no such sound.
QString soundResource(int id)
{
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(id);
    return QFile::exists(path) ? path : QString();
}

} // namespace

void MainWindowModel::showCorrectComment()
{
    const CorrectComment comment = correctComment(st.level, st.elapsedSeconds);
    if (!comment.valid)
        return;
    QString caption;
    for (int part : comment.parts)
        caption += part ? text(part) : strInt(st.elapsedSeconds);
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
    const int helpTopic = st.mechanism + 50 + lang.helpBase();
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
            st.startTime = m_services.clock->nowMs() - st.answerTime;
            st.clockTime = st.answerTime;
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
        if (st.examRunning)
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
    if (soundDevices > 0) {
        const QString sound = soundResource(1620 + n);
        soundDevices = std::int16_t(sound.isEmpty() ? 0 : m_services.sound->play(sound, false));
    }
    soundOn = false;
}

void MainWindowModel::onSoundButtonClicked()
{
    if (soundOn) {
        m_services.sound->stop();
        soundOn = false;
        return;
    }
    soundOn = true;
    const QString sound = soundResource(loopSound(st.mechanism));
    if (soundDevices > 0)
        soundDevices = std::int16_t(sound.isEmpty() ? 0 : m_services.sound->play(sound, true));
}

} // namespace cinemoto
