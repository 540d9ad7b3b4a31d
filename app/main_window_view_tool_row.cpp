// The main window's tool row: a button per tool, with its icon.
#include "app/main_window_view.h"

#include "app/main_window_model.h"
#include "app/pictures.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace cinemoto {

QToolButton *MainWindowView::toolButton(Control &control, const QString &icon)
{
    auto *button = new QToolButton;
    bind(button, control);
    button->setIconSize(QSize(26, 26));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    if (!icon.isEmpty())
        button->setIcon(toolIcon(icon));
    return button;
}

QWidget *MainWindowView::buildToolRow()
{
    MainWindowControls &c = m_model.c;
    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("toolRow"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const std::pair<Control *, const char *> buttons[] = {
        {&c.calculatorButton, "calculator"}, {&c.copyPictureButton, "copy"}, {&c.printButton, "print"},
        {&c.examButton, "exam"}, {&c.examsTakenButton, "exams"}, {&c.languageButton, ""}, {&c.soundButton, "sound"},
        {&c.helpButton, "help"}, {&c.aboutButton, "about"}, {&c.readMeButton, "readme"}, {&c.linksButton, "links"}};
    for (const auto &[control, icon] : buttons) {
        QToolButton *button = toolButton(*control, QString::fromLatin1(icon));
        layout->addWidget(button);
    }
    auto *print = static_cast<QToolButton *>(m_widgets.value(&c.printButton));
    print->setMenu(m_printChoices);
    print->setPopupMode(QToolButton::MenuButtonPopup);
    auto *flag = static_cast<QToolButton *>(m_widgets.value(&c.languageButton));
    flag->setIconSize(QSize(36, 24));
    connect(flag, &QToolButton::clicked, this, [this, flag] {
        handle([this] { m_model.onLanguageButtonClicked(); });
        flag->clearFocus(); // no focus frame stays on it
    });
    // Tool buttons let go of the focus first, so no focus frame stays on them.
    const std::pair<Control *, std::function<void()>> actions[] = {
        {&c.soundButton, [this] { m_model.onSoundButtonClicked(); }},
        {&c.calculatorButton, [this] { m_model.openCalculator(); }},
        {&c.copyPictureButton, [this] { copyPicture(); }},
        {&c.helpButton, [this] { m_model.openHelpContents(); }},
        {&c.aboutButton, [this] { showAbout(); }},
        {&c.readMeButton, [this] { m_model.openReadMe(); }},
        {&c.linksButton, [this] { m_model.openLinksPage(); }},
        {&c.printButton, [this] { m_model.printExercise(); }},
        {&c.examButton, [this] { m_model.startOrStopExam(); }},
        {&c.examsTakenButton, [this] { showExamsTaken(); }}};
    for (const auto &[control, action] : actions) {
        auto *button = static_cast<QToolButton *>(m_widgets.value(control));
        connect(button, &QToolButton::clicked, this, [this, button, action = action] {
            button->clearFocus();
            handle(action);
        });
    }
    layout->addStretch(1);
    return row;
}

} // namespace cinemoto
