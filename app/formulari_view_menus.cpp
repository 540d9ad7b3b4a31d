// The main window's menus: every item bound to its control, with its shortcut.
#include "app/formulari_view.h"

#include "app/formulari.h"
#include "printing/print_choices.h"
#include "printing/print_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace cinemoto {

QAction *FormulariView::menuAction(QMenu *menu, Control &control, bool checkable, const std::function<void()> &handler)
{
    auto *action = menu->addAction(QString());
    action->setObjectName(control.name + (control.index ? QString::number(control.index) : QString()));
    action->setCheckable(checkable);
    m_actions.insert(&control, action);
    connect(action, &QAction::triggered, this, [this, handler] { handle(handler); });
    return action;
}

QAction *FormulariView::menuAction(QMenu *menu, Control &control, const QKeySequence &shortcut,
                                   const std::function<void()> &handler)
{
    QAction *action = menuAction(menu, control, false, handler);
    action->setShortcut(shortcut);
    return action;
}

void FormulariView::buildMenus()
{
    FormControls &c = m_model.c;
    auto topMenu = [this](Control &control) {
        QMenu *menu = menuBar()->addMenu(QString());
        menu->setObjectName(control.name);
        m_menus.insert(&control, menu);
        return menu;
    };
    QMenu *options = topMenu(c.menOpcions);
    // Tools, printing, exams and exercises of this menu are wired by their own windows.
    menuAction(options, c.menCalculadora, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { m_model.cmdCalculadora_Click(); });
    menuAction(options, c.menCopiar, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { copyPicture(); });
    menuAction(options, c.menRealitzats, false, [this] { showExamsTaken(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    menuAction(options, c.menImprimir, QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_model.cmdPrint_Click(); });
    // Preview and PDF sit under Print here and on the Print tool button's arrow.
    m_printChoices = printChoicesMenu(this, [this](PrinterService::Target target) {
        handle([this, target] { printExerciseSheet(m_model, target); });
    });
    options->addActions(m_printChoices->actions());
    menuAction(options, c.menNouexamen, QKeySequence(Qt::CTRL | Qt::Key_X), [this] { m_model.cmdExamen_Click(); });
    menuAction(options, c.menNouexercici, QKeySequence(Qt::CTRL | Qt::Key_E), [this] { m_model.cmdNou_Click(); });
    options->addSeparator();
    menuAction(options, c.menSortir, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_model.menSortir_Click(); });

    // Either/or choices: exclusive groups, drawn and announced as radio items.
    QMenu *level = topMenu(c.menNivell);
    auto *levels = new QActionGroup(level);
    for (int i = 1; i <= 3; ++i)
        levels->addAction(menuAction(level, c.menDificil[i], true, [this, i] { m_model.menDificil_Click(i); }));

    QMenu *units = topMenu(c.fraUnitats);
    auto *unitChoices = new QActionGroup(units);
    for (int i = 1; i <= 2; ++i)
        unitChoices->addAction(menuAction(units, c.optUnitats[i], true, [this, i] { m_model.optUnitats_Click(i); }));
    unitChoices->addAction(menuAction(units, c.optAleatoriunit, true, [this] { m_model.optAleatoriunit_Click(); }));

    QMenu *language = topMenu(c.menIdioma);
    for (int i = 1; i <= 3; ++i)
        menuAction(language, c.menllengua[i], true, [this, i] { m_model.menLlengua_Click(i); });

    QMenu *help = topMenu(c.menAjuda);
    menuAction(help, c.menContinguts, QKeySequence(Qt::CTRL | Qt::Key_H), [this] { m_model.menContinguts_Click(); });
    menuAction(help, c.menAutor, false, [this] { showAbout(); });
    menuAction(help, c.menLlegiume, QKeySequence(), [this] { m_model.menllegiume_Click(); });
}

} // namespace cinemoto
