#include "quiz/quiz_view.h"

#include "app/contrast.h"
#include "app/main_window_model.h"
#include "app/pictures.h"
#include "quiz/quiz.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

namespace cinemoto {

namespace {

// One answer of the quiz: a flat button showing its text, with a tick or a cross once judged.
class QuizAnswer : public QAbstractButton
{
public:
    enum class Mark { None, Right, Wrong };

    QuizAnswer()
    {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

    void display(const QString &text, Mark mark, QRgb wanted, const QString &markWord)
    {
        m_mark = mark;
        m_wanted = wanted;
        setText(text);
        // The mark is said as well as drawn; an empty line is not announced as an answer.
        const QChar sign(mark == Mark::Right ? 0x2713 : 0x2717);
        setAccessibleName(markWord.isEmpty() ? text : QString(sign) + QLatin1Char(' ') + markWord + QStringLiteral(": ") + text);
        update();
    }

    // Room kept at the left for the mark.
    static int markWidth(const QFontMetrics &metrics) { return metrics.height() + 6; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        // Black on the system's background follows the system; green and red are kept
        // readable on it.
        const QColor colour = m_wanted == kAnswerBlack ? palette().color(QPalette::WindowText)
                                                       : readableOn(QColor::fromRgba(m_wanted), palette());
        p.setPen(colour);
        const int markRoom = markWidth(fontMetrics());
        const QRect textRect = rect().adjusted(markRoom, 0, 0, 0);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
        if (m_mark != Mark::None)
            drawMark(p, colour, QRect(2, (height() - markRoom + 6) / 2, markRoom - 6, markRoom - 6));
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            const int wide = std::min(fontMetrics().horizontalAdvance(text()) + 6, width() - markRoom + 3);
            focus.rect = QRect(markRoom - 3, 0, wide, height());
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        case Qt::Key_Up:
        case Qt::Key_Left:
            focusNeighbour(-1);
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            focusNeighbour(1);
            return;
        default:
            QAbstractButton::keyPressEvent(event);
        }
    }

private:
    void drawMark(QPainter &p, const QColor &colour, const QRect &box) const
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour, std::max(2.0, box.width() / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath path;
        if (m_mark == Mark::Right) {
            path.moveTo(box.left(), box.top() + box.height() * 0.55);
            path.lineTo(box.left() + box.width() * 0.38, box.bottom());
            path.lineTo(box.right(), box.top());
        } else {
            path.moveTo(box.topLeft());
            path.lineTo(box.bottomRight());
            path.moveTo(box.topRight());
            path.lineTo(box.bottomLeft());
        }
        p.drawPath(path);
        p.restore();
    }

    // The arrows move among the four answers, round and round.
    void focusNeighbour(int step)
    {
        const auto siblings = parentWidget()->findChildren<QuizAnswer *>(Qt::FindDirectChildrenOnly);
        const qsizetype at = siblings.indexOf(this);
        if (at < 0 || siblings.size() < 2)
            return;
        siblings.at((at + step + siblings.size()) % siblings.size())->setFocus(Qt::TabFocusReason);
    }

    Mark m_mark = Mark::None;
    QRgb m_wanted = kAnswerBlack;
};

} // namespace

QuizView::QuizView(QuizModel &model, QWidget *parent) : TwipsDialog(parent), m_model(model)
{
    setObjectName(model.window.name);
    setAttribute(Qt::WA_DeleteOnClose);
    useFixedFrame();
    auto *ask = static_cast<QToolButton *>(place(new QToolButton, model.askButton, 240, 240, 900, 900));
    ask->setIcon(toolIcon(QStringLiteral("question")));
    ask->setIconSize(QSize(twipsToPixels(780), twipsToPixels(780)));
    ask->setAutoRaise(true);
    ask->setFocusPolicy(Qt::StrongFocus);
    m_ask = ask;
    connect(ask, &QToolButton::clicked, this, &QuizView::nextQuestion);
    auto *picture = new QLabel;
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAlignment(Qt::AlignCenter);
    place(picture, model.pictureImage, 1320, 120, 5280, 2904);
    QFont bold = font();
    bold.setBold(true);
    const std::tuple<Control *, Control *, int> counters[] = {
        {&model.askedLabel, &model.askedCount, 360}, {&model.rightLabel, &model.rightCount, 780},
        {&model.successLabel, &model.successRate, 1200}};
    for (const auto &[title, value, top] : counters) {
        place(new QLabel, *title, 6840, top, 1300, 330)->setFont(bold);
        place(new QLabel, *value, 8160, top, 900, 330);
    }
    place(new QLabel, model.successImage, 7560, 1740, 600, 600);
    auto *question = static_cast<QLabel *>(place(new QLabel, model.questionLabel, 240, 3180, 8900, 660));
    question->setWordWrap(true);
    QFont questionFont = font();
    questionFont.setPointSizeF(questionFont.pointSizeF() * 1.1);
    questionFont.setBold(true);
    question->setFont(questionFont);
    // The answers start a little left of their old place to keep room for the mark.
    for (int i = 1; i <= 4; ++i) {
        auto *answer = new QuizAnswer;
        answer->setParent(this);
        answer->setObjectName(QStringLiteral("answerLabels_%1").arg(i));
        answer->setGeometry(twipsToPixels(700), twipsToPixels(3915 + 360 * (i - 1)), twipsToPixels(8500),
                            twipsToPixels(340));
        connect(answer, &QAbstractButton::clicked, this, [this, i] { this->answer(i); });
        m_answers[std::size_t(i)] = answer;
    }
    m_face = place(new QLabel, model.faceImage, 300, 3915, 380, 340);
    setFixedSize(twipsToPixels(9300), twipsToPixels(5500));
    // Escape closes a dialog without a close event: the main window comes back all the same.
    connect(this, &QDialog::finished, this, [this] { m_model.onClosing(); });
    m_model.load();
    sync();
    ask->setFocus();
}

void QuizView::answer(int k)
{
    const bool waiting = !m_model.answered;
    m_model.chooseAnswer(k);
    sync();
    // Judged: Space or Enter now asks the next question.
    if (waiting && m_model.answered && m_ask->isEnabled())
        m_ask->setFocus(Qt::OtherFocusReason);
}

void QuizView::nextQuestion()
{
    if (!m_model.askButton.enabled)
        return;
    m_model.askQuestion();
    sync();
    if (!m_model.answered)
        m_answers[1]->setFocus(Qt::OtherFocusReason);
}

void QuizView::sync()
{
    setWindowTitle(m_model.window.caption);
    syncAll();
    syncAnswers();
    m_face->move(m_face->x(), twipsToPixels(m_model.faceImage.top));
    if (auto *picture = qobject_cast<QLabel *>(m_widgets.value(&m_model.pictureImage))) {
        const int id = m_model.pictureImage.picture;
        if (picture->property("shown").toInt() != id) {
            picture->setProperty("shown", id);
            const QSize area = picture->contentsRect().size();
            QSize size = pictureSize(id);
            size.scale(area, Qt::KeepAspectRatio);
            picture->setPixmap(id ? picturePixmap(id, size, devicePixelRatioF()) : QPixmap());
        }
    }
}

void QuizView::syncAnswers()
{
    for (int i = 1; i <= 4; ++i) {
        const Control &c = m_model.answerLabels[std::size_t(i)];
        const auto mark = c.foreColor == kAnswerGreen ? QuizAnswer::Mark::Right
            : c.foreColor == kAnswerRed               ? QuizAnswer::Mark::Wrong
                                                      : QuizAnswer::Mark::None;
        auto *answer = static_cast<QuizAnswer *>(m_answers[std::size_t(i)]);
        answer->display(c.caption, mark, c.foreColor, m_model.answerMark(i));
        // Only answers are stops for Tab, not the opening's hints or an empty line.
        const bool isAnswer = m_model.rightAnswer > 0 && !c.caption.isEmpty();
        answer->setFocusPolicy(isAnswer ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void QuizView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_F1) {
        m_model.services().help->showTopic(m_model.window.helpContext);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4 && !(event->modifiers() & Qt::ControlModifier)) {
        answer(key - Qt::Key_0);
        return;
    }
    const bool enterOnAsk = (key == Qt::Key_Return || key == Qt::Key_Enter) && focusWidget() == m_ask;
    if (enterOnAsk || (key == Qt::Key_N && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))) {
        nextQuestion();
        return;
    }
    TwipsDialog::keyPressEvent(event);
}

void QuizView::closeEvent(QCloseEvent *event)
{
    m_model.onClosing();
    event->accept();
}

} // namespace cinemoto
