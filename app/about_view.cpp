#include "app/about_view.h"

#include "app/about.h"
#include "app/contrast.h"
#include "app/pictures.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace cinemoto {

AboutView::AboutView(AboutModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("aboutWindow"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeading());
    m_line1 = addLine(layout, QStringLiteral("upperLine"));
    m_solutions = new QLabel;
    m_solutions->setObjectName(QStringLiteral("solutionsModeLabel"));
    QFont bold = m_solutions->font();
    bold.setBold(true);
    m_solutions->setFont(bold);
    QSizePolicy keep = m_solutions->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_solutions->setSizePolicy(keep);
    layout->addWidget(m_solutions);
    m_line2 = addLine(layout, QStringLiteral("lowerLine"));
    layout->addLayout(buildFooter());
    m_model.load();
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    installEventFilter(this);
    sync();
}

QLayout *AboutView::buildHeading()
{
    auto *top = new QHBoxLayout;
    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("aboutPicture"));
    image->setPixmap(picturePixmap(75, QSize(200, 110), devicePixelRatioF()));
    top->addWidget(image);
    auto *texts = new QVBoxLayout;
    auto *title = new QLabel(QStringLiteral("Cinemoto 3.2"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    texts->addWidget(title);
    m_version = new QLabel;
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_basic = new QLabel;
    m_basic->setObjectName(QStringLiteral("basicLabel"));
    texts->addWidget(m_version);
    texts->addWidget(m_basic);
    texts->addStretch(1);
    top->addLayout(texts, 1);
    return top;
}

QFrame *AboutView::addLine(QBoxLayout *layout, const QString &name)
{
    auto *line = new QFrame;
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    return line;
}

QLayout *AboutView::buildFooter()
{
    auto *bottom = new QHBoxLayout;
    m_mail = new QLabel;
    m_mail->setObjectName(QStringLiteral("mailLabel"));
    m_mail->setCursor(Qt::PointingHandCursor);
    QFont underlined = m_mail->font();
    underlined.setUnderline(true);
    m_mail->setFont(underlined);
    bottom->addWidget(m_mail, 1);
    bottom->addStretch(1); // OK keeps its size when there is no mail line
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(ok);
    return bottom;
}

void AboutView::sync()
{
    setWindowTitle(m_model.window.caption);
    m_version->setText(m_model.versionLabel.caption);
    m_basic->setText(m_model.basicLabel.caption);
    m_solutions->setText(m_model.solutionsModeLabel.caption);
    m_solutions->setVisible(m_model.solutionsModeLabel.visible);
    m_line1->setVisible(m_model.upperLine.visible);
    m_line2->setVisible(m_model.lowerLine.visible);
    m_mail->setText(m_model.mailLabel.caption);
    m_mail->setVisible(m_model.mailLabel.visible);
    // The teacher's red and the link's blue, readable on a light or a dark desktop.
    const QPalette window = palette();
    QPalette red = m_solutions->palette();
    red.setColor(QPalette::WindowText, readableOn(QColor(0xb0, 0x10, 0x10), window));
    m_solutions->setPalette(red);
    QPalette link = m_mail->palette();
    link.setColor(QPalette::WindowText, readableOn(window.color(QPalette::Link), window));
    m_mail->setPalette(link);
}

bool AboutView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::PaletteChange)
        QMetaObject::invokeMethod(this, &AboutView::sync, Qt::QueuedConnection);
    // A key travels from the focused control up to the window: count it once.
    const QObject *first = focusWidget() ? static_cast<QObject *>(focusWidget()) : this;
    if (event->type() == QEvent::KeyPress && watched == first) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint()) {
            m_model.onKeyTyped(typed.at(0).unicode());
            sync();
        }
    } else if (watched == m_mail && event->type() == QEvent::MouseButtonRelease) {
        m_model.onMailClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cinemoto
