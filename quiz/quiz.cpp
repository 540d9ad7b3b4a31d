#include "quiz/quiz.h"

namespace cinemoto {

QuizModel::QuizModel(Formulari &main) : m_main(main)
{
    const auto named = [](Control &c, const char *n, Control::Kind kind, int index = 0) {
        c.name = QString::fromLatin1(n);
        c.kind = kind;
        c.index = index;
    };
    named(form, "frmTest", Control::Kind::Frame);
    form.caption = QStringLiteral("Cinemoto Test");
    named(cmdPregunta, "cmdPregunta", Control::Kind::PictureButton);
    named(imgDibuix, "imgDibuix", Control::Kind::Image);
    named(lblPregunta, "lblPregunta", Control::Kind::Label);
    named(imgCara, "imgCara", Control::Kind::Image);
    imgCara.visible = false;
    named(lblFetes, "lblFetes", Control::Kind::Label);
    named(lblCorrectes, "lblCorrectes", Control::Kind::Label);
    named(lblEncert, "lblEncert", Control::Kind::Label);
    named(lblLesfetes, "lblLesfetes", Control::Kind::Label);
    named(lblLescorrectes, "lblLescorrectes", Control::Kind::Label);
    named(lblLencert, "lblLencert", Control::Kind::Label);
    named(imgEncert, "imgEncert", Control::Kind::Image);
    for (int i = 1; i <= 4; ++i) {
        named(lblResposta[std::size_t(i)], "lblResposta", Control::Kind::Label, i);
        lblResposta[std::size_t(i)].foreColor = kAnswerBlack;
    }
}

int QuizModel::questionCount() const
{
    return m_counts[std::size_t(qBound(1, m_main.lang.language, 3))];
}

QString QuizModel::quizText(int offset) const
{
    return m_main.catalogue().text(m_main.lang.quizBase() + offset);
}

void QuizModel::Form_Load()
{
    answered = true;
    asked.assign(std::size_t(questionCount()) + 1, false);
    lblPregunta.caption = m_main.text(580);
    lblResposta[1].caption = m_main.text(581);
    lblResposta[3].caption = m_main.text(586);
    // The empty fourth line tells the keys, for a pupil who cannot use a mouse.
    lblResposta[4].caption = m_main.text(578);
    cmdPregunta.tooltip = m_main.text(577);
    lblFetes.caption = m_main.text(582);
    lblCorrectes.caption = m_main.text(583);
    lblEncert.caption = m_main.text(584);
    lblLesfetes.caption = QStringLiteral("0");
    lblLescorrectes.caption = QStringLiteral("0");
    form.helpContext = m_main.lang.language + 482;
}

void QuizModel::cmdPregunta_Click()
{
    const int count = questionCount();
    cmdPregunta.enabled = false;
    imgCara.visible = false;
    if (lblLesfetes.caption.toInt() >= count) {
        lblPregunta.caption = m_main.text(585);
        for (int i = 1; i <= 4; ++i)
            lblResposta[std::size_t(i)].caption.clear();
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
    lblPregunta.caption = quizText(10 * chosen);
    for (int i = 1; i <= 4; ++i) {
        lblResposta[std::size_t(i)].foreColor = kAnswerBlack;
        lblResposta[std::size_t(i)].caption = quizText(10 * chosen + i);
    }
    const int code = quizText(10 * chosen + 5).trimmed().toInt();
    rightAnswer = qBound(1, code / 100, 4);
    const int mechanism = qBound(1, code % 100, 19);
    form.helpContext = mechanism + 50 + m_main.lang.helpBase();
    imgDibuix.picture = mechanism == 6 ? 56 : 74 + mechanism;
    answered = false;
}

void QuizModel::lblResposta_Click(int k)
{
    if (answered || k < 1 || k > 4)
        return;
    lblResposta[std::size_t(rightAnswer)].foreColor = kAnswerGreen;
    int right = lblLescorrectes.caption.toInt();
    if (k == rightAnswer) {
        imgCara.picture = 41;
        lblLescorrectes.caption = QString::number(++right);
    } else {
        imgCara.picture = 43;
        lblResposta[std::size_t(k)].foreColor = kAnswerRed;
    }
    imgCara.top = (k - 1) * 360 + 3915;
    imgCara.visible = true;
    cmdPregunta.enabled = true;
    const int done = lblLesfetes.caption.toInt() + 1;
    lblLesfetes.caption = QString::number(done);
    const int rate = right * 100 / done;
    lblLencert.caption = QLatin1Char(' ') + QString::number(rate) + QStringLiteral(" %");
    imgEncert.picture = rate > 74 ? 41 : rate >= 50 ? 42 : 43;
    answered = true;
}

QString QuizModel::answerMark(int k) const
{
    const std::uint32_t colour = lblResposta.at(std::size_t(k)).foreColor;
    return colour == kAnswerGreen ? m_main.text(575) : colour == kAnswerRed ? m_main.text(576) : QString();
}

void QuizModel::Form_Unload()
{
    m_main.c.form.enabled = true;
}

} // namespace cinemoto
