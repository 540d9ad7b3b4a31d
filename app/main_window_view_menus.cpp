// The main window's menus: every item bound to its control, with its shortcut.
#include "app/main_window_view.h"

#include "app/main_window_model.h"
#include "printing/print_choices.h"
#include "printing/print_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace cinemoto {

QAction *MainWindowView::menuAction(QMenu *menu, Control &control, bool checkable, const std::function<void()> &handler)
{
    auto *action = menu->addAction(QString());
    action->setObjectName(control.name + (control.index ? QString::number(control.index) : QString()));
    action->setCheckable(checkable);
    m_actions.insert(&control, action);
    connect(action, &QAction::triggered, this, [this, handler] { handle(handler); });
    return action;
}

QAction *MainWindowView::menuAction(QMenu *menu, Control &control, const QKeySequence &shortcut,
                                   const std::function<void()> &handler)
{
    QAction *action = menuAction(menu, control, false, handler);
    action->setShortcut(shortcut);
    return action;
}

void MainWindowView::buildMenus()
{
    MainWindowControls &c = m_model.c;
    auto topMenu = [this](Control &control) {
        QMenu *menu = menuBar()->addMenu(QString());
        menu->setObjectName(control.name);
        m_menus.insert(&control, menu);
        return menu;
    };
    QMenu *options = topMenu(c.optionsMenu);
    // Tools, printing, exams and exercises of this menu are wired by their own windows.
    menuAction(options, c.calculatorItem, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { m_model.openCalculator(); });
    menuAction(options, c.copyPictureItem, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { copyPicture(); });
    menuAction(options, c.examsTakenItem, false, [this] { showExamsTaken(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    menuAction(options, c.printItem, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_model.printExercise(); });
    // Preview and PDF sit under Print here and on the Print tool button's arrow.
    m_printChoices = printChoicesMenu(this, [this](PrinterService::Target target) {
        handle([this, target] { printExerciseSheet(m_model, target); });
    });
    options->addActions(m_printChoices->actions());
    menuAction(options, c.newExamItem, QKeySequence(Qt::CTRL | Qt::Key_X), [this] { m_model.startOrStopExam(); });
    menuAction(options, c.newExerciseItem, QKeySequence(Qt::CTRL | Qt::Key_E), [this] { m_model.startOrStopExercise(); });
    options->addSeparator();
    menuAction(options, c.exitItem, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_model.onExitChosen(); });

    // Either/or choices: exclusive groups, drawn and announced as radio items.
    QMenu *level = topMenu(c.difficultyMenu);
    auto *levels = new QActionGroup(level);
    for (int i = 1; i <= 3; ++i)
        levels->addAction(menuAction(level, c.levelItems[i], true, [this, i] { m_model.onLevelChosen(i); }));

    QMenu *units = topMenu(c.unitsMenu);
    auto *unitChoices = new QActionGroup(units);
    for (int i = 1; i <= 2; ++i)
        unitChoices->addAction(menuAction(units, c.unitsItems[i], true, [this, i] { m_model.onUnitsChosen(i); }));
    unitChoices->addAction(menuAction(units, c.randomUnitsItem, true, [this] { m_model.onRandomUnitsChosen(); }));

    QMenu *language = topMenu(c.languageMenu);
    for (int i = 1; i <= 3; ++i)
        menuAction(language, c.languageItems[i], true, [this, i] { m_model.onLanguageChosen(i); });

    QMenu *help = topMenu(c.helpMenu);
    menuAction(help, c.contentsItem, QKeySequence(Qt::CTRL | Qt::Key_H), [this] { m_model.openHelpContents(); });
    menuAction(help, c.aboutItem, false, [this] { showAbout(); });
    menuAction(help, c.readMeItem, QKeySequence(), [this] { m_model.openReadMe(); });
}

} // namespace cinemoto
