#include "app/main_window_model.h"
#include "app/main_window_view.h"

#include <QAction>
#include <QGroupBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace cinemoto {

namespace {

// The options of a frame a pupil can reach, top to bottom.
QList<QRadioButton *> reachableOptions(const QGroupBox *frame)
{
    QList<QRadioButton *> options;
    for (QRadioButton *option : frame->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (option->isVisibleTo(frame) && option->isEnabled())
            options.append(option);
    }
    return options;
}

} // namespace

void MainWindowView::syncOptionTabStops()
{
    // As radio groups do on every desktop: Tab reaches the selected option of a frame only.
    for (QGroupBox *frame : m_frames) {
        const QList<QRadioButton *> options = reachableOptions(frame);
        QRadioButton *stop = options.isEmpty() ? nullptr : options.front();
        for (QRadioButton *option : options) {
            if (option->isChecked())
                stop = option;
        }
        for (QRadioButton *option : frame->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            const Qt::FocusPolicy policy = option == stop ? Qt::StrongFocus : Qt::ClickFocus;
            if (option->focusPolicy() != policy)
                option->setFocusPolicy(policy);
        }
    }
}

bool MainWindowView::moveOptionSelection(QRadioButton *from, int step)
{
    auto *frame = qobject_cast<QGroupBox *>(from->parentWidget());
    if (!frame)
        return false;
    const QList<QRadioButton *> options = reachableOptions(frame);
    const qsizetype at = options.indexOf(from);
    if (at < 0 || options.size() < 2)
        return true;
    // Arrows go round the frame and select as they move.
    QRadioButton *next = options[(at + step + options.size()) % options.size()];
    next->setFocus(Qt::TabFocusReason);
    next->setChecked(true);
    return true;
}

bool MainWindowView::isWindowShortcut(const QKeyEvent *key) const
{
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction *action : m_actions) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    }
    return false;
}

void MainWindowView::setInitialFocus()
{
    // The first thing a pupil does is choose, or start when the choice is drawn at random.
    QWidget *first = nullptr;
    for (QGroupBox *frame : m_frames) {
        for (QRadioButton *option : frame->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!first && option->isChecked() && option->isVisibleTo(this) && option->isEnabled())
                first = option;
        }
    }
    if (!first)
        first = m_newButton;
    // Tab order: the selection, the two buttons beside it, the answer, then the tool row.
    QList<QWidget *> chain;
    for (QGroupBox *frame : m_frames) {
        for (QRadioButton *option : frame->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly))
            chain.append(option);
    }
    chain << m_testButton << m_newButton << m_answer << widgetFor(m_model.c.doneButton);
    for (QToolButton *button : findChild<QWidget *>(QStringLiteral("toolRow"))->findChildren<QToolButton *>())
        chain << button;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    first->setFocus(Qt::OtherFocusReason);
}

bool MainWindowView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(static_cast<QKeyEvent *>(event))) {
        event->ignore(); // left to the window's shortcut
        return true;
    }
    if (auto *radio = qobject_cast<QRadioButton *>(watched); radio && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Left)
            return moveOptionSelection(radio, -1);
        if (key == Qt::Key_Down || key == Qt::Key_Right)
            return moveOptionSelection(radio, 1);
    }
    // Enter in the answer box is the OK button; no character reaches the box.
    if (watched == m_widgets.value(&m_model.c.answerBox) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        int code = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) ? 13 : 0;
        if (code == 13) {
            handle([this, &code] { m_model.onAnswerKeyPressed(code); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::keyPressEvent(QKeyEvent *event)
{
    if (!m_model.c.window.enabled) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace cinemoto
