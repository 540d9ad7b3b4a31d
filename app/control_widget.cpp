#include "app/control_widget.h"

#include "app/control.h"
#include "app/pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cinemoto {

namespace {

void applyColours(const Control &control, QWidget *w)
{
    const quint64 wanted = (quint64(control.backColor) << 32) | control.foreColor;
    if (w->property("cinemotoColours").toULongLong() == wanted)
        return;
    w->setProperty("cinemotoColours", wanted);
    QPalette palette = w->parentWidget() && !w->isWindow() ? w->parentWidget()->palette() : QPalette();
    if (control.backColor) {
        palette.setColor(QPalette::Window, QColor::fromRgba(control.backColor));
        palette.setColor(QPalette::Base, QColor::fromRgba(control.backColor));
        w->setAutoFillBackground(true);
    }
    if (control.foreColor) {
        palette.setColor(QPalette::WindowText, QColor::fromRgba(control.foreColor));
        palette.setColor(QPalette::Text, QColor::fromRgba(control.foreColor));
    }
    w->setPalette(palette);
}

} // namespace

void applyControlToWidget(const Control &control, QWidget *w)
{
    if (w->toolTip() != control.tooltip)
        w->setToolTip(control.tooltip);
    const QString accessible = control.accessibleName();
    if (w->accessibleName() != accessible)
        w->setAccessibleName(accessible);
    w->setEnabled(control.enabled);
    if (control.backColor || control.foreColor || w->property("cinemotoColours").isValid())
        applyColours(control, w);
    if (auto *radio = qobject_cast<QRadioButton *>(w)) {
        if (radio->text() != control.caption)
            radio->setText(control.caption);
        if (radio->isChecked() != control.value) {
            // An exclusive button refuses to be unchecked alone; the model decides here.
            const bool exclusive = radio->autoExclusive();
            radio->setAutoExclusive(false);
            radio->setChecked(control.value);
            radio->setAutoExclusive(exclusive);
        }
    } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
        if (box->title() != control.caption)
            box->setTitle(control.caption);
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        if (button->text() != control.caption)
            button->setText(control.caption);
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(w)) {
        const QString text = QString(control.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        if (line->text() != control.caption)
            line->setText(control.caption);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        if (control.kind == Control::Kind::Image) {
            if (label->property("cinemotoPicture").toInt() != control.picture) {
                label->setProperty("cinemotoPicture", control.picture);
                label->setPixmap(control.picture ? pictureIcon(control.picture).pixmap(label->size()) : QPixmap());
            }
        } else if (label->text() != control.caption) {
            label->setText(control.caption);
        }
        const Qt::Alignment align = control.alignment == 2 ? Qt::AlignCenter
            : control.alignment == 1                      ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter;
        if (label->alignment() != align)
            label->setAlignment(align);
    }
    // An option without a name (the missing exercises of two mechanisms) offers nothing.
    const bool shown = control.visible && !(control.kind == Control::Kind::Option && control.caption.isEmpty());
    if (!w->isWindow() && w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

} // namespace cinemoto
