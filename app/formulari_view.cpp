#include "app/formulari_view.h"

#include "app/about.h"
#include "app/about_view.h"
#include "app/control_widget.h"
#include "app/formulari.h"
#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "quiz/quiz.h"
#include "quiz/quiz_view.h"
#include "app/pictures.h"
#include "mechanisms/catalogue.h"
#include "mechanisms/picture_view.h"
#include "printing/print_choices.h"
#include "printing/print_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace cinemoto {

namespace {

// A read-only box of two data lines.
QPlainTextEdit *dataBox()
{
    auto *box = new QPlainTextEdit;
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    const QFontMetrics fm(box->font());
    box->setFixedHeight(fm.lineSpacing() * 2 + 14);
    return box;
}

} // namespace

FormulariView::FormulariView(Formulari &model, QWidget *parent) : QMainWindow(parent), m_model(model)
{
    setObjectName(QStringLiteral("formulari"));
    buildMenus();

    auto *central = new QWidget;
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 8);
    outer->setSpacing(6);
    outer->addWidget(buildToolRow());
    auto *body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(buildFrames(), 0);
    auto *middle = new QVBoxLayout;
    auto *test = new QPushButton;
    bind(test, m_model.c.cmdTest);
    auto *nou = new QPushButton;
    bind(nou, m_model.c.cmdNou);
    connect(nou, &QPushButton::clicked, this, [this] { handle([this] { m_model.cmdNou_Click(); }); });
    connect(test, &QPushButton::clicked, this, [this] { showQuiz(); });
    for (QPushButton *b : {test, nou})
        b->setMinimumHeight(36);
    middle->addSpacing(70);
    middle->addWidget(test);
    middle->addSpacing(10);
    middle->addWidget(nou);
    middle->addStretch(1);
    body->addLayout(middle, 0);
    body->addWidget(buildExerciseArea(), 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);

    m_model.onExamFinished = [this] { QTimer::singleShot(0, this, [this] { showExamResult(); }); };
    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &FormulariView::tick);
    m_timer->start();
    sync();
}

FormulariView::~FormulariView()
{
    // Windows still open over this one go first, while everything they report to is alive.
    m_timer->stop();
    const QList<QDialog *> windows = findChildren<QDialog *>(QString(), Qt::FindDirectChildrenOnly);
    for (QDialog *window : windows)
        delete window;
}

void FormulariView::bind(QWidget *widget, Control &control)
{
    // Hidden parts of the exercise keep their room, so nothing jumps while a pupil works.
    QSizePolicy policy = widget->sizePolicy();
    // Only the mechanism list changes length: it shows the mechanisms of one type.
    policy.setRetainSizeWhenHidden(control.name != QLatin1String("optsistema"));
    widget->setSizePolicy(policy);
    widget->setObjectName(control.index ? QStringLiteral("%1_%2").arg(control.name).arg(control.index)
                                        : control.name);
    m_widgets.insert(&control, widget);
    widget->setProperty("cinemotoControl", QVariant::fromValue<void *>(&control));
}

void FormulariView::handle(const std::function<void()> &handler)
{
    handler();
    sync();
    if (m_model.isClosed())
        close();
}

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
    menuAction(options, c.menCopiar, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { m_model.menCopiar_Click(); });
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

    QMenu *level = topMenu(c.menNivell);
    for (int i = 1; i <= 3; ++i)
        menuAction(level, c.menDificil[i], true, [this, i] { m_model.menDificil_Click(i); });

    QMenu *units = topMenu(c.fraUnitats);
    for (int i = 1; i <= 2; ++i)
        menuAction(units, c.optUnitats[i], true, [this, i] { m_model.optUnitats_Click(i); });
    menuAction(units, c.optAleatoriunit, true, [this] { m_model.optAleatoriunit_Click(); });

    QMenu *language = topMenu(c.menIdioma);
    for (int i = 1; i <= 3; ++i)
        menuAction(language, c.menllengua[i], true, [this, i] { m_model.menLlengua_Click(i); });

    QMenu *help = topMenu(c.menAjuda);
    menuAction(help, c.menContinguts, QKeySequence(Qt::CTRL | Qt::Key_H), [this] { m_model.menContinguts_Click(); });
    menuAction(help, c.menAutor, false, [this] { showAbout(); });
    menuAction(help, c.menLlegiume, QKeySequence(), [this] { m_model.menllegiume_Click(); });
}

QToolButton *FormulariView::toolButton(Control &control, const QString &icon)
{
    auto *button = new QToolButton;
    bind(button, control);
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    if (!icon.isEmpty())
        button->setIcon(toolIcon(icon));
    return button;
}

QWidget *FormulariView::buildToolRow()
{
    FormControls &c = m_model.c;
    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("toolRow"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const std::pair<Control *, const char *> buttons[] = {
        {&c.cmdCalculadora, "calculator"}, {&c.cmdClip, "copy"}, {&c.cmdPrint, "print"},
        {&c.cmdexamen, "exam"}, {&c.cmdElsfets, "exams"}, {&c.cmdIdioma, ""}, {&c.cmdSo, "sound"},
        {&c.cmdHelp, "help"}, {&c.cmdAbout, "about"}, {&c.cmdLlibreta, "readme"}, {&c.cmdNet, "links"}};
    for (const auto &[control, icon] : buttons) {
        QToolButton *button = toolButton(*control, QString::fromLatin1(icon));
        layout->addWidget(button);
    }
    auto *print = static_cast<QToolButton *>(m_widgets.value(&c.cmdPrint));
    print->setMenu(m_printChoices);
    print->setPopupMode(QToolButton::MenuButtonPopup);
    auto *flag = static_cast<QToolButton *>(m_widgets.value(&c.cmdIdioma));
    flag->setIconSize(QSize(36, 24));
    connect(flag, &QToolButton::clicked, this, [this, flag] {
        handle([this] { m_model.cmdIdioma_Click(); });
        flag->clearFocus(); // no focus frame stays on it
    });
    // Tool buttons let go of the focus first, so no focus frame stays on them.
    const std::pair<Control *, std::function<void()>> actions[] = {
        {&c.cmdSo, [this] { m_model.cmdSo_Click(); }},
        {&c.cmdCalculadora, [this] { m_model.cmdCalculadora_Click(); }},
        {&c.cmdClip, [this] { m_model.menCopiar_Click(); }},
        {&c.cmdHelp, [this] { m_model.menContinguts_Click(); }},
        {&c.cmdAbout, [this] { showAbout(); }},
        {&c.cmdLlibreta, [this] { m_model.menllegiume_Click(); }},
        {&c.cmdNet, [this] { m_model.cmdNet_Click(); }},
        {&c.cmdPrint, [this] { m_model.cmdPrint_Click(); }},
        {&c.cmdexamen, [this] { m_model.cmdExamen_Click(); }},
        {&c.cmdElsfets, [this] { showExamsTaken(); }}};
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

QRadioButton *FormulariView::option(Control &control, QGroupBox *frame)
{
    auto *button = new QRadioButton(frame);
    bind(button, control);
    button->setAutoExclusive(false);
    connect(button, &QRadioButton::clicked, this, [this, &control] {
        handle([this, &control] { m_model.selectOption(control); });
    });
    frame->layout()->addWidget(button);
    return button;
}

QWidget *FormulariView::buildFrames()
{
    FormControls &c = m_model.c;
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto frame = [this, layout](Control &control) {
        auto *box = new QGroupBox;
        bind(box, control);
        auto *inner = new QVBoxLayout(box);
        inner->setSpacing(1);
        inner->setContentsMargins(8, 4, 8, 4);
        layout->addWidget(box);
        return box;
    };
    QGroupBox *types = frame(c.fratipo);
    for (int t = 1; t <= 3; ++t)
        option(c.opttipus[t], types);
    option(c.optAleatorisist, types);

    QGroupBox *mechanisms = frame(c.fraSistema);
    std::vector<int> order(mechanismCount);
    for (int i = 0; i < mechanismCount; ++i)
        order[std::size_t(i)] = i + 1;
    std::stable_sort(order.begin(), order.end(),
                     [](int a, int b) { return mechanismInfo(a).position < mechanismInfo(b).position; });
    for (int m : order)
        option(c.optsistema[m], mechanisms);
    // Room for the longest list (ten mechanisms), so the frames below do not jump when
    // the type changes.
    for (int i = 0; i < mechanismCount - 10; ++i)
        m_widgets.value(&c.optsistema[order[std::size_t(i)]])->hide();
    mechanisms->setMinimumHeight(mechanisms->sizeHint().height());
    static_cast<QVBoxLayout *>(mechanisms->layout())->addStretch(1);

    QGroupBox *exercises = frame(c.fraExercici);
    for (int k = 1; k <= 5; ++k)
        option(c.optExercici[k], exercises);
    option(c.optAleatoriexer, exercises);
    exercises->setMinimumHeight(exercises->sizeHint().height());
    static_cast<QVBoxLayout *>(exercises->layout())->addStretch(1);
    static_cast<QVBoxLayout *>(types->layout())->addStretch(1);
    layout->addStretch(1);
    // Wide enough for the longest name any option can take, in any language.
    const QRadioButton *sample = static_cast<QRadioButton *>(m_widgets.value(&c.opttipus[1]));
    const QFontMetrics fm(sample->font());
    const int indicator = sample->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
        + sample->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 8;
    int widest = 0;
    const auto measure = [&](int from, int to) {
        for (int language = 0; language < 3; ++language) {
            for (int id = from; id <= to; ++id)
                widest = std::max(widest, fm.horizontalAdvance(m_model.catalogue().text(id + 500 * language)));
        }
    };
    measure(301, 340);
    measure(401, 427);
    measure(560, 566);
    widest += indicator;
    column->setMinimumWidth(widest + 24);
    return column;
}

QWidget *FormulariView::buildExerciseArea()
{
    FormControls &c = m_model.c;
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *statement = new QLabel;
    bind(statement, c.lblRelacio);
    layout->addWidget(statement);

    auto *data = new QGridLayout;
    data->setHorizontalSpacing(6);
    const Control *titles[] = {&c.lblMotor, &c.lblCentral, &c.lblResistent};
    const Control *boxes[] = {&c.txtMotor, &c.txtCentral, &c.txtResistent};
    for (int i = 0; i < 3; ++i) {
        auto *title = new QLabel;
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        bind(title, const_cast<Control &>(*titles[i]));
        auto *box = dataBox();
        bind(box, const_cast<Control &>(*boxes[i]));
        title->setBuddy(box);
        data->addWidget(title, 0, i);
        data->addWidget(box, 1, i);
        // The idler's box holds only short lines; the two sides hold the longest data lines.
        data->setColumnStretch(i, i == 1 ? 1 : 2);
        box->setMinimumWidth(i == 1 ? dataWidth({QStringLiteral("V = ") + QStringLiteral(" 9999.99  ")}, {202, 229})
                                    : dataWidth({}, {}));
    }
    layout->addLayout(data);

    m_picture = new PictureView(m_model);
    bind(m_picture, c.imgMeca);
    m_picture->setMinimumSize(PictureView::designWidth, PictureView::designHeight);
    m_picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_picture, &PictureView::clicked, this, [this] { handle([this] { m_model.menCopiar_Click(); }); });
    layout->addWidget(m_picture, 1);
    auto *clock = new QLineEdit(m_picture);
    bind(clock, c.txtTemps);
    clock->setReadOnly(true);
    clock->setAlignment(Qt::AlignCenter);
    clock->setFixedWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 20);
    clock->move(6, 6);

    auto *questionRow = new QHBoxLayout;
    auto *face = new QLabel;
    bind(face, c.imgCara);
    face->setFixedSize(40, 40);
    auto *question = new QLabel;
    bind(question, c.lblPregunta);
    question->setWordWrap(true);
    question->setMinimumHeight(question->fontMetrics().lineSpacing() * 2 + 4);
    questionRow->addWidget(face);
    questionRow->addWidget(question, 1);
    layout->addLayout(questionRow);

    auto *bottom = new QHBoxLayout;
    auto *comment = new QLabel;
    bind(comment, c.lblComentari);
    auto *caption = new QLabel;
    bind(caption, c.lblSolucio);
    auto *answer = new QLineEdit;
    bind(answer, c.txtSolucio);
    answer->setMaxLength(40);
    answer->setFixedWidth(answer->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
    caption->setBuddy(answer);
    answer->installEventFilter(this);
    auto *ok = new QPushButton;
    bind(ok, c.cmdFet);
    connect(ok, &QPushButton::clicked, this, [this] { handle([this] { m_model.cmdFet_Click(); }); });
    connect(answer, &QLineEdit::textEdited, this, [this](const QString &text) { m_model.c.txtSolucio.caption = text; });
    bottom->addWidget(comment, 1);
    bottom->addWidget(caption);
    bottom->addWidget(answer);
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    return area;
}

int FormulariView::dataWidth(const QStringList &extra, const std::vector<int> &ids) const
{
    // The longest line a data box may show, in any language: each title with the widest
    // number and unit it can be followed by.
    const QFontMetrics fm(font());
    const auto tailsOf = [](int id) -> QStringList {
        if (id == 211 || (id >= 213 && id <= 215) || id == 228)
            return {QStringLiteral(" 9999.99   mm/s")};
        if (id == 212 || id == 216 || id == 217)
            return {QStringLiteral(" 99999.99   rpm"), QStringLiteral(" 9999.99   1/segundo")};
        if (id >= 234)
            return {QStringLiteral(" 99999.99   Kg")};
        return {QStringLiteral(" 9999 dientes")};
    };
    int widest = 0;
    for (int language = 0; language < 3; ++language) {
        const auto text = [&](int id) { return m_model.catalogue().text(id + 500 * language); };
        if (ids.empty()) {
            for (int id = 211; id <= 239; ++id) {
                for (const QString &tail : tailsOf(id))
                    widest = std::max(widest, fm.horizontalAdvance(text(id) + tail));
            }
        }
        for (int id : ids) {
            for (const QString &e : extra)
                widest = std::max(widest, fm.horizontalAdvance(e + text(id)));
        }
    }
    return widest + 24; // frame and document margins
}

QWidget *FormulariView::widgetFor(const Control &control) const
{
    return m_widgets.value(&control);
}

QAction *FormulariView::actionFor(const Control &control) const
{
    return m_actions.value(&control);
}

void FormulariView::applyControl(const Control &control, QWidget *w)
{
    applyControlToWidget(control, w);
}

void FormulariView::sync()
{
    FormControls &c = m_model.c;
    setWindowTitle(c.form.caption);
    applyControlToWidget(c.form, centralWidget());
    // A window open over this one takes all input: the menu bar and every shortcut too.
    const bool takesInput = c.form.enabled;
    menuBar()->setEnabled(takesInput);
    for (Control *control : c.all()) {
        if (control == &c.form)
            continue;
        if (QWidget *w = m_widgets.value(control))
            applyControl(*control, w);
        if (QAction *a = m_actions.value(control)) {
            if (a->text() != control->caption)
                a->setText(control->caption);
            a->setChecked(control->value);
            a->setEnabled(control->enabled && takesInput);
        }
        if (QMenu *menu = m_menus.value(control)) {
            menu->setTitle(control->caption);
            menu->menuAction()->setEnabled(control->enabled);
        }
    }
    setPrintChoicesTexts(m_printChoices, m_model);
    auto *flag = static_cast<QToolButton *>(m_widgets.value(&c.cmdIdioma));
    if (flag && m_shownFlag != c.cmdIdioma.picture) {
        m_shownFlag = c.cmdIdioma.picture;
        flag->setIcon(pictureIcon(c.cmdIdioma.picture));
    }
    if (Control *wanted = m_model.focusRequest) {
        m_model.focusRequest = nullptr;
        if (QWidget *w = m_widgets.value(wanted)) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto *line = qobject_cast<QLineEdit *>(w))
                line->setSelection(wanted->selStart, wanted->selLength);
        }
    }
    m_picture->update();
}

bool FormulariView::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the answer box is the OK button; no character reaches the box.
    if (watched == m_widgets.value(&m_model.c.txtSolucio) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        int code = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) ? 13 : 0;
        if (code == 13) {
            handle([this, &code] { m_model.txtSolucio_KeyPress(code); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormulariView::tick()
{
    m_model.timAnima_Timer();
    const FormControls &c = m_model.c;
    if (QWidget *clock = m_widgets.value(&c.txtTemps))
        applyControl(c.txtTemps, clock);
    if (m_picture->isVisibleTo(this) != c.imgMeca.visible)
        m_picture->setVisible(c.imgMeca.visible);
    if (c.imgMeca.visible && m_model.drawingMoved)
        m_picture->update();
}

void FormulariView::showAbout()
{
    AboutModel about(m_model.services(), m_model.catalogue(), m_model.lang, m_model.solutionsMode);
    AboutView dialog(about, this);
    m_model.c.form.enabled = false;
    sync();
    dialog.exec();
    m_model.c.form.enabled = true;
    sync();
}

// A window over the main one: the main window takes no input until it is gone, and its
// model lives exactly as long as the window.
template <typename Model, typename View>
void FormulariView::openWindow(Model *model)
{
    m_model.c.form.enabled = false;
    auto *window = new View(*model, this);
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::WindowModal);
    connect(window, &QObject::destroyed, this, [this, model] {
        delete model;
        sync();
    });
    sync();
    window->show();
}

void FormulariView::showExamsTaken()
{
    openWindow<ExamsTakenModel, ExamsTakenView>(new ExamsTakenModel(m_model));
}

void FormulariView::showQuiz()
{
    openWindow<QuizModel, QuizView>(new QuizModel(m_model));
}

void FormulariView::showExamResult()
{
    auto *model = new ExamResultModel(m_model);
    model->onStored = [this] { QTimer::singleShot(0, this, [this] { showExamsTaken(); }); };
    openWindow<ExamResultModel, ExamResultView>(model);
}

void FormulariView::showHelp()
{
    // The topic of the focused control, else of its container, else of the window.
    int topic = 0;
    for (QWidget *w = QApplication::focusWidget(); w && !topic; w = w->parentWidget()) {
        if (auto *control = static_cast<Control *>(w->property("cinemotoControl").value<void *>()))
            topic = control->helpContext;
    }
    if (!topic)
        topic = m_model.c.form.helpContext;
    if (m_model.services().help)
        m_model.services().help->showTopic(topic);
}

void FormulariView::keyPressEvent(QKeyEvent *event)
{
    if (!m_model.c.form.enabled) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        showHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FormulariView::closeEvent(QCloseEvent *event)
{
    // An exam, running or waiting to be stored, is not lost without asking.
    if (!m_model.isClosed() && !m_model.mayClose()) {
        event->ignore();
        return;
    }
    m_model.Form_Unload();
    m_timer->stop();
    event->accept();
}

void FormulariView::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
}

} // namespace cinemoto
