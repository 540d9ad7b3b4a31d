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
    setObjectName(QStringLiteral("frmAbout"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
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
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_basic = new QLabel;
    m_basic->setObjectName(QStringLiteral("lblBasic"));
    texts->addWidget(m_version);
    texts->addWidget(m_basic);
    texts->addStretch(1);
    top->addLayout(texts, 1);
    layout->addLayout(top);
    m_line1 = new QFrame;
    m_line1->setObjectName(QStringLiteral("linLinea"));
    m_line1->setFrameShape(QFrame::HLine);
    layout->addWidget(m_line1);
    m_solutions = new QLabel;
    m_solutions->setObjectName(QStringLiteral("lblSolucionari"));
    QFont bold = m_solutions->font();
    bold.setBold(true);
    m_solutions->setFont(bold);
    QSizePolicy keep = m_solutions->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_solutions->setSizePolicy(keep);
    layout->addWidget(m_solutions);
    m_line2 = new QFrame;
    m_line2->setObjectName(QStringLiteral("linLinea2"));
    m_line2->setFrameShape(QFrame::HLine);
    layout->addWidget(m_line2);
    auto *bottom = new QHBoxLayout;
    m_mail = new QLabel;
    m_mail->setObjectName(QStringLiteral("lblCorreu"));
    m_mail->setCursor(Qt::PointingHandCursor);
    QFont underlined = m_mail->font();
    underlined.setUnderline(true);
    m_mail->setFont(underlined);
    bottom->addWidget(m_mail, 1);
    bottom->addStretch(1); // OK keeps its size when there is no mail line
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    m_model.Form_Load();
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    installEventFilter(this);
    sync();
}

void AboutView::sync()
{
    setWindowTitle(m_model.form.caption);
    m_version->setText(m_model.lblVersion.caption);
    m_basic->setText(m_model.lblBasic.caption);
    m_solutions->setText(m_model.lblSolucionari.caption);
    m_solutions->setVisible(m_model.lblSolucionari.visible);
    m_line1->setVisible(m_model.linLinea.visible);
    m_line2->setVisible(m_model.linLinea2.visible);
    m_mail->setText(m_model.lblCorreu.caption);
    m_mail->setVisible(m_model.lblCorreu.visible);
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
            m_model.Form_KeyPress(typed.at(0).unicode());
            sync();
        }
    } else if (watched == m_mail && event->type() == QEvent::MouseButtonRelease) {
        m_model.lblCorreu_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace cinemoto
