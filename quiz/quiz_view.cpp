#include "quiz/quiz_view.h"

#include "app/formulari.h"
#include "app/pictures.h"
#include "quiz/quiz.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace cinemoto {

QuizView::QuizView(QuizModel &model, QWidget *parent) : TwipsDialog(parent), m_model(model)
{
    setObjectName(model.form.name);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *ask = static_cast<QToolButton *>(place(new QToolButton, model.cmdPregunta, 240, 240, 900, 900));
    ask->setIcon(toolIcon(QStringLiteral("question")));
    ask->setIconSize(QSize(twipsToPixels(780), twipsToPixels(780)));
    ask->setAutoRaise(true);
    ask->setToolTip(QStringLiteral("?"));
    connect(ask, &QToolButton::clicked, this, [this] {
        m_model.cmdPregunta_Click();
        sync();
    });
    auto *picture = new QLabel;
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAlignment(Qt::AlignCenter);
    place(picture, model.imgDibuix, 1320, 120, 5280, 2904);
    QFont bold = font();
    bold.setBold(true);
    const std::tuple<Control *, Control *, int> counters[] = {
        {&model.lblFetes, &model.lblLesfetes, 360}, {&model.lblCorrectes, &model.lblLescorrectes, 780},
        {&model.lblEncert, &model.lblLencert, 1200}};
    for (const auto &[title, value, top] : counters) {
        place(new QLabel, *title, 6840, top, 1300, 330)->setFont(bold);
        place(new QLabel, *value, 8160, top, 900, 330);
    }
    place(new QLabel, model.imgEncert, 7560, 1740, 600, 600);
    auto *question = static_cast<QLabel *>(place(new QLabel, model.lblPregunta, 240, 3180, 8900, 660));
    question->setWordWrap(true);
    QFont questionFont = font();
    questionFont.setPointSizeF(questionFont.pointSizeF() * 1.1);
    questionFont.setBold(true);
    question->setFont(questionFont);
    for (int i = 1; i <= 4; ++i) {
        QWidget *answer = place(new QLabel, model.lblResposta[std::size_t(i)], 780, 3915 + 360 * (i - 1), 8300, 340);
        answer->setCursor(Qt::PointingHandCursor);
        answer->installEventFilter(this);
    }
    m_face = place(new QLabel, model.imgCara, 300, 3915, 380, 340);
    setFixedSize(twipsToPixels(9300), twipsToPixels(5500));
    // Escape closes a dialog without a close event: the main window comes back all the same.
    connect(this, &QDialog::finished, this, [this] { m_model.Form_Unload(); });
    m_model.Form_Load();
    sync();
}

void QuizView::sync()
{
    setWindowTitle(m_model.form.caption);
    syncAll();
    m_face->move(m_face->x(), twipsToPixels(m_model.imgCara.top));
    if (auto *picture = qobject_cast<QLabel *>(m_widgets.value(&m_model.imgDibuix))) {
        const int id = m_model.imgDibuix.picture;
        if (picture->property("shown").toInt() != id) {
            picture->setProperty("shown", id);
            const QSize area = picture->contentsRect().size();
            QSize size = pictureSize(id);
            size.scale(area, Qt::KeepAspectRatio);
            picture->setPixmap(id ? picturePixmap(id, size, devicePixelRatioF()) : QPixmap());
        }
    }
}

bool QuizView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= 4; ++i) {
            if (watched == m_widgets.value(&m_model.lblResposta[std::size_t(i)])) {
                m_model.lblResposta_Click(i);
                sync();
                return true;
            }
        }
    }
    return TwipsDialog::eventFilter(watched, event);
}

void QuizView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        m_model.services().help->showTopic(m_model.form.helpContext);
        return;
    }
    TwipsDialog::keyPressEvent(event);
}

void QuizView::closeEvent(QCloseEvent *event)
{
    m_model.Form_Unload();
    event->accept();
}

} // namespace cinemoto
