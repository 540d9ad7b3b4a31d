#include "quiz/quiz.h"

namespace cinemoto {

QuizModel::QuizModel(WindowContext &main) : m_main(main)
{
    const auto named = [](Control &c, const char *n, Control::Kind kind, int index = 0) {
        c.name = QString::fromLatin1(n);
        c.kind = kind;
        c.index = index;
    };
    named(window, "quizWindow", Control::Kind::Frame);
    window.caption = QStringLiteral("Cinemoto Test");
    named(askButton, "askButton", Control::Kind::PictureButton);
    named(pictureImage, "pictureImage", Control::Kind::Image);
    named(questionLabel, "questionLabel", Control::Kind::Label);
    named(faceImage, "faceImage", Control::Kind::Image);
    faceImage.visible = false;
    named(askedLabel, "askedLabel", Control::Kind::Label);
    named(rightLabel, "rightLabel", Control::Kind::Label);
    named(successLabel, "successLabel", Control::Kind::Label);
    named(askedCount, "askedCount", Control::Kind::Label);
    named(rightCount, "rightCount", Control::Kind::Label);
    named(successRate, "successRate", Control::Kind::Label);
    named(successImage, "successImage", Control::Kind::Image);
    for (int i = 1; i <= 4; ++i) {
        named(answerLabels[std::size_t(i)], "answerLabels", Control::Kind::Label, i);
        answerLabels[std::size_t(i)].foreColor = kAnswerBlack;
    }
}

int QuizModel::questionCount() const
{
    return m_counts[std::size_t(qBound(1, m_main.language().language, 3))];
}

QString QuizModel::quizText(int offset) const
{
    return m_main.catalogue().text(m_main.language().quizBase() + offset);
}

void QuizModel::load()
{
    answered = true;
    asked.assign(std::size_t(questionCount()) + 1, false);
    questionLabel.caption = m_main.text(580);
    answerLabels[1].caption = m_main.text(581);
    answerLabels[3].caption = m_main.text(586);
    // The empty fourth line tells the keys, for a pupil who cannot use a mouse.
    answerLabels[4].caption = m_main.text(578);
    askButton.tooltip = m_main.text(577);
    askedLabel.caption = m_main.text(582);
    rightLabel.caption = m_main.text(583);
    successLabel.caption = m_main.text(584);
    askedCount.caption = QStringLiteral("0");
    rightCount.caption = QStringLiteral("0");
    window.helpContext = m_main.language().language + 482;
}

void QuizModel::askQuestion()
{
    const int count = questionCount();
    askButton.enabled = false;
    faceImage.visible = false;
    if (askedCount.caption.toInt() >= count) {
        questionLabel.caption = m_main.text(585);
        for (int i = 1; i <= 4; ++i)
            answerLabels[std::size_t(i)].caption.clear();
        return;
    }
    RandomService &random = *m_main.services().random;
    int chosen = 0;
    int v = 1;
    for (int attempt = 0; attempt < 5; ++attempt) {
        v = qBound(1, int(random.next() * count) + 1, count);
        if (!asked[std::size_t(v)])
            chosen = v;
    }
    while (!chosen) {
        v = v >= count ? 1 : v + 1;
        if (!asked[std::size_t(v)])
            chosen = v;
    }
    asked[std::size_t(chosen)] = true;
    questionLabel.caption = quizText(10 * chosen);
    for (int i = 1; i <= 4; ++i) {
        answerLabels[std::size_t(i)].foreColor = kAnswerBlack;
        answerLabels[std::size_t(i)].caption = quizText(10 * chosen + i);
    }
    const int code = quizText(10 * chosen + 5).trimmed().toInt();
    rightAnswer = qBound(1, code / 100, 4);
    const int mechanism = qBound(1, code % 100, 19);
    window.helpContext = mechanism + 50 + m_main.language().helpBase();
    pictureImage.picture = mechanism == 6 ? 56 : 74 + mechanism;
    answered = false;
}

void QuizModel::chooseAnswer(int k)
{
    if (answered || k < 1 || k > 4)
        return;
    answerLabels[std::size_t(rightAnswer)].foreColor = kAnswerGreen;
    int right = rightCount.caption.toInt();
    if (k == rightAnswer) {
        faceImage.picture = 41;
        rightCount.caption = QString::number(++right);
    } else {
        faceImage.picture = 43;
        answerLabels[std::size_t(k)].foreColor = kAnswerRed;
    }
    faceImage.top = (k - 1) * 360 + 3915;
    faceImage.visible = true;
    askButton.enabled = true;
    const int done = askedCount.caption.toInt() + 1;
    askedCount.caption = QString::number(done);
    const int rate = right * 100 / done;
    successRate.caption = QLatin1Char(' ') + QString::number(rate) + QStringLiteral(" %");
    successImage.picture = rate > 74 ? 41 : rate >= 50 ? 42 : 43;
    answered = true;
}

QString QuizModel::answerMark(int k) const
{
    const std::uint32_t colour = answerLabels.at(std::size_t(k)).foreColor;
    return colour == kAnswerGreen ? m_main.text(575) : colour == kAnswerRed ? m_main.text(576) : QString();
}

void QuizModel::onClosing()
{
    m_main.mainWindow().enabled = true;
}

} // namespace cinemoto
