#include "app/main_window_model.h"
#include "app/main_window_view.h"
#include "mechanisms/picture_view.h"

#include <QAccessible>
#include <QGridLayout>
#include <QResizeEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace cinemoto {

namespace {

QString withoutBlankLines(const QString &text)
{
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    return lines.join(QLatin1Char('\n'));
}

} // namespace

Control MainWindowView::shownControl(const Control &control) const
{
    const MainWindowControls &c = m_model.c;
    const std::pair<const Control *, const Control *> columns[] = {
        {&c.drivingTitle, &c.drivingData}, {&c.middleTitle, &c.middleData}, {&c.drivenTitle, &c.drivenData}};
    for (const auto &[title, box] : columns) {
        if (&control == box) {
            Control shown = control;
            shown.caption = withoutBlankLines(control.caption);
            shown.visible = control.visible && !shown.caption.isEmpty();
            return shown;
        }
        if (&control == title) {
            // A title goes with its box when the box has nothing to show, and while idle.
            Control shown = control;
            const bool emptyBox = box->visible && withoutBlankLines(box->caption).isEmpty();
            shown.visible = control.visible && !emptyBox && !isIdle();
            return shown;
        }
    }
    return control;
}

bool MainWindowView::isIdle() const
{
    const MainWindowControls &c = m_model.c;
    return !c.drivingData.visible && !c.drivenData.visible && !c.middleData.visible;
}

void MainWindowView::syncStateNotes()
{
    if (!m_idleHint)
        return;
    const MainWindowControls &c = m_model.c;
    // A frame that offers nothing says its choice is drawn at random, readable though greyed.
    QPalette notePalette = palette();
    notePalette.setColor(QPalette::Disabled, QPalette::WindowText, notePalette.color(QPalette::Active, QPalette::WindowText));
    const QString random = m_model.text(543);
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        bool offers = false;
        for (QRadioButton *option : m_frames[i]->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly))
            offers = offers || option->isVisibleTo(m_frames[i]);
        QLabel *note = m_randomNotes[i];
        if (note->text() != random)
            note->setText(random);
        note->setPalette(notePalette);
        note->setVisible(!offers);
    }
    // Idle: what to do next; with the mechanism drawn at random there is only the button to press.
    const QString hint = m_model.text(c.mechanismFrame.enabled && !c.randomMechanismOption.value ? 542 : 545);
    if (m_idleHint->text() != hint)
        m_idleHint->setText(hint);
    m_idleHint->setVisible(isIdle());
}

void MainWindowView::fitDataBoxes()
{
    // Each box as wide as the lines it shows: a narrow screen has room for one exercise's
    // data, not for every longest line at once.
    for (QPlainTextEdit *box : m_dataBoxes) {
        int widest = 0;
        for (const QString &line : box->toPlainText().split(QLatin1Char('\n')))
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(line));
        const int wanted = widest + 2 * int(box->document()->documentMargin()) + 2 * box->frameWidth() + 4;
        if (box->minimumWidth() != wanted)
            box->setMinimumWidth(wanted);
    }
}

void MainWindowView::fitTitleRow()
{
    // The titles are bold. Until they are first shown the regular face stands in, which
    // saves reading the bold one at start: a family gives both the same height, and should
    // one not, the band grows once, as the first exercise shows its data.
    QFont font = m_dataGrid->parentWidget()->font();
    if (!m_dataBoxes.empty())
        font.setBold(true);
    m_dataGrid->setRowMinimumHeight(0, QFontMetrics(font).height() + 2);
}

void MainWindowView::fitMinimumSizes()
{
    const MainWindowControls &c = m_model.c;
    // The band's text: the data boxes inherit it, whether they are made yet or not.
    const QFont font = m_dataGrid->parentWidget()->font();
    const QFontMetrics fm(font);
    // The frames: as wide as the longest option name of the language on screen.
    const auto *sample = static_cast<QRadioButton *>(widgetFor(c.typeOptions[1]));
    const int indicator = sample->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
        + sample->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 8;
    const int base = 500 * (m_model.lang.language - 1);
    int widest = 0;
    for (const auto &[from, to] : {std::pair{301, 340}, std::pair{401, 427}, std::pair{560, 566}}) {
        for (int id = from; id <= to; ++id)
            widest = std::max(widest, fm.horizontalAdvance(m_model.catalogue().text(id + base)));
    }
    m_frameColumn->setMinimumWidth(widest + indicator + 24);
    // Room for the longest lists (ten mechanisms, six exercises), so nothing jumps when the type changes.
    const int row = sample->sizeHint().height();
    const std::pair<QGroupBox *, int> lists[] = {{m_frames[0], 4}, {m_frames[1], 10}, {m_frames[2], 6}};
    for (const auto &[frame, options] : lists) {
        const auto *inner = static_cast<QVBoxLayout *>(frame->layout());
        const QMargins margins = inner->contentsMargins();
        const int title = frame->minimumSizeHint().height() - inner->minimumSize().height();
        frame->setMinimumHeight(title + margins.top() + margins.bottom() + options * row + (options - 1) * inner->spacing());
    }
    // Data boxes: two lines; the band keeps its height whatever it shows.
    m_dataBoxHeight = fm.lineSpacing() * 2 + 14;
    for (QPlainTextEdit *box : m_dataBoxes)
        box->setFixedHeight(m_dataBoxHeight);
    fitTitleRow();
    m_dataGrid->setRowMinimumHeight(1, m_dataBoxHeight);
    fitDataBoxes();
    m_answer->setFixedWidth(fm.horizontalAdvance(QLatin1Char('0')) * 16);
    if (auto *clock = qobject_cast<QLineEdit *>(widgetFor(c.clockBox)))
        clock->setFixedWidth(fm.horizontalAdvance(QStringLiteral("00:00")) + 20);
}

void MainWindowView::fitTextToWindow(bool remeasure)
{
    if (!centralWidget() || !m_dataGrid)
        return;
    if (remeasure || !m_compact.isValid()) {
        centralWidget()->setFont(m_baseFont);
        m_textScale = 1.0;
        fitMinimumSizes();
        m_compact = centralWidget()->minimumSizeHint();
        m_sizedLanguage = m_model.lang.language;
    }
    // Maximised on a large screen, the text grows with the window so it reads from across a room.
    double scale = 1.0;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        const QSize room = centralWidget()->size();
        const double grow = std::min(room.width() / double(m_compact.width()), room.height() / double(m_compact.height()));
        scale = std::clamp(std::floor(grow * 4) / 4, 1.0, 1.5);
    }
    if (scale == m_textScale)
        return;
    m_textScale = scale;
    QFont font = m_baseFont;
    if (m_baseFont.pointSizeF() > 0)
        font.setPointSizeF(m_baseFont.pointSizeF() * scale);
    else
        font.setPixelSize(qRound(m_baseFont.pixelSize() * scale));
    centralWidget()->setFont(font);
    fitMinimumSizes();
}

void MainWindowView::copyPicture()
{
    m_model.copyPicture();
    m_copied->setText(m_model.text(544));
    m_copied->adjustSize();
    const int shownHeight = std::min(m_picture->height(), int(PictureView::designHeight * m_picture->scale()));
    m_copied->move((m_picture->width() - m_copied->width()) / 2, std::max(0, shownHeight - m_copied->height() - 10));
    m_copied->show();
    m_copied->raise();
    m_copiedTimer->start();
    QAccessibleEvent alert(m_copied, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void MainWindowView::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        syncStateNotes();
    if (event->type() == QEvent::WindowStateChange)
        fitTextToWindow(false);
}

void MainWindowView::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitTextToWindow(false);
}

} // namespace cinemoto
