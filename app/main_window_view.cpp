#include "app/main_window_view.h"

#include "app/about.h"
#include "app/about_view.h"
#include "app/control_widget.h"
#include "app/main_window_model.h"
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
#include <QActionGroup>
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
#include <QPixmapCache>
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
    return box;
}

} // namespace

MainWindowView::MainWindowView(MainWindowModel &model, QWidget *parent) : QMainWindow(parent), m_model(model)
{
    setObjectName(QStringLiteral("mainWindow"));
    // The style caches a pixmap for every gradient and frame it draws, up to 10 MB by
    // default; the windows opened over this one fill it for nothing on a shared computer.
    QPixmapCache::setCacheLimit(kStylePixmapCacheKb);
    buildMenus();

    auto *central = new QWidget;
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 2, 6, 4);
    outer->setSpacing(4);
    outer->addWidget(buildToolRow());
    auto *body = new QHBoxLayout;
    body->setSpacing(8);
    m_frameColumn = buildFrames();
    body->addWidget(m_frameColumn, 0);
    m_testButton = new QPushButton;
    bind(m_testButton, m_model.c.quizButton);
    m_newButton = new QPushButton;
    bind(m_newButton, m_model.c.exerciseButton);
    connect(m_newButton, &QPushButton::clicked, this, [this] { handle([this] { m_model.startOrStopExercise(); }); });
    connect(m_testButton, &QPushButton::clicked, this, [this] { showQuiz(); });
    for (QPushButton *b : {m_testButton, m_newButton})
        b->setMinimumHeight(36);
    body->addWidget(buildExerciseArea(), 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);
    m_baseFont = central->font();

    m_model.onExamFinished = [this] { QTimer::singleShot(0, this, [this] { showExamResult(); }); };
    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &MainWindowView::tick);
    m_timer->start();
    sync();
    setInitialFocus();
}

MainWindowView::~MainWindowView()
{
    // Windows still open over this one go first, while everything they report to is alive.
    m_timer->stop();
    const QList<QDialog *> windows = findChildren<QDialog *>(QString(), Qt::FindDirectChildrenOnly);
    for (QDialog *window : windows)
        delete window;
}

void MainWindowView::bind(QWidget *widget, Control &control)
{
    // Hidden parts of the exercise keep their room, so nothing jumps while a pupil works.
    QSizePolicy policy = widget->sizePolicy();
    // Only the mechanism list changes length: it shows the mechanisms of one type.
    policy.setRetainSizeWhenHidden(control.name != QLatin1String("mechanismOptions"));
    widget->setSizePolicy(policy);
    widget->setObjectName(control.index ? QStringLiteral("%1_%2").arg(control.name).arg(control.index)
                                        : control.name);
    m_widgets.insert(&control, widget);
    widget->setProperty("cinemotoControl", QVariant::fromValue<void *>(&control));
}

void MainWindowView::handle(const std::function<void()> &handler)
{
    handler();
    sync();
    if (m_model.isClosed())
        close();
}

QRadioButton *MainWindowView::option(Control &control, QGroupBox *frame)
{
    auto *button = new QRadioButton(frame);
    bind(button, control);
    // Exclusive within the frame, so it is a radio button to assistive technology too.
    button->setAutoExclusive(true);
    // Whatever checked it (a click, a key, a screen reader), the exercise follows.
    connect(button, &QRadioButton::toggled, this, [this, &control](bool checked) {
        if (checked && !control.value)
            handle([this, &control] { m_model.selectOption(control); });
    });
    button->installEventFilter(this);
    frame->layout()->addWidget(button);
    return button;
}

QWidget *MainWindowView::buildFrames()
{
    MainWindowControls &c = m_model.c;
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    auto frame = [this, layout](Control &control, int stretch) {
        auto *box = new QGroupBox;
        bind(box, control);
        auto *inner = new QVBoxLayout(box);
        inner->setSpacing(0);
        inner->setContentsMargins(6, 2, 6, 2);
        // Said when the frame offers no option: its choice is drawn at random.
        auto *note = new QLabel(box);
        note->setObjectName(control.name + QStringLiteral("_random"));
        note->setWordWrap(true);
        note->hide();
        inner->addWidget(note);
        m_randomNotes.push_back(note);
        m_frames.push_back(box);
        layout->addWidget(box, stretch);
        return box;
    };
    QGroupBox *types = frame(c.typeFrame, 4);
    for (int t = 1; t <= 3; ++t)
        option(c.typeOptions[t], types);
    option(c.randomMechanismOption, types);

    QGroupBox *mechanisms = frame(c.mechanismFrame, 10);
    std::vector<int> order(mechanismCount);
    for (int i = 0; i < mechanismCount; ++i)
        order[std::size_t(i)] = i + 1;
    std::stable_sort(order.begin(), order.end(),
                     [](int a, int b) { return mechanismInfo(a).position < mechanismInfo(b).position; });
    for (int m : order)
        option(c.mechanismOptions[m], mechanisms);
    // Room for the longest list (ten mechanisms), so the frames below do not jump when
    // the type changes.
    for (int i = 0; i < mechanismCount - 10; ++i)
        m_widgets.value(&c.mechanismOptions[order[std::size_t(i)]])->hide();
    static_cast<QVBoxLayout *>(mechanisms->layout())->addStretch(1);

    QGroupBox *exercises = frame(c.exerciseFrame, 6);
    for (int k = 1; k <= 5; ++k)
        option(c.exerciseOptions[k], exercises);
    option(c.randomExerciseOption, exercises);
    static_cast<QVBoxLayout *>(exercises->layout())->addStretch(1);
    static_cast<QVBoxLayout *>(types->layout())->addStretch(1);
    return column;
}

QWidget *MainWindowView::buildExerciseArea()
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *statement = new QLabel;
    bind(statement, m_model.c.ratioLabel);
    layout->addWidget(statement);
    layout->addLayout(buildDataBand());
    layout->addLayout(buildPictureRow(), 1);
    layout->addLayout(buildQuestionRow());
    layout->addLayout(buildAnswerRow());
    return area;
}

// The three data columns, each a title over a box, and the hint shown instead when idle.
QGridLayout *MainWindowView::buildDataBand()
{
    MainWindowControls &c = m_model.c;
    auto *data = new QGridLayout;
    data->setHorizontalSpacing(6);
    Control *titles[] = {&c.drivingTitle, &c.middleTitle, &c.drivenTitle};
    for (int i = 0; i < 3; ++i) {
        auto *title = new QLabel;
        QFont bold; // only the weight is set, so the size follows the window's text
        bold.setBold(true);
        title->setFont(bold);
        bind(title, *titles[i]);
        data->addWidget(title, 0, i);
        keepNoRoomWhenHidden(title);
        // Holds the box's place in the grid, whose spacing follows the order of its items.
        auto *slot = new QWidget;
        slot->hide();
        keepNoRoomWhenHidden(slot);
        data->addWidget(slot, 1, i);
        data->setColumnStretch(i, 1);
        m_dataTitles.push_back(title);
        m_dataSlots.push_back(slot);
    }
    // Idle, the band says what to do next instead of showing titles over nothing.
    m_idleHint = new QLabel;
    m_idleHint->setObjectName(QStringLiteral("idleHint"));
    m_idleHint->setWordWrap(true);
    m_idleHint->setAlignment(Qt::AlignCenter);
    data->addWidget(m_idleHint, 0, 0, 2, 3);
    m_dataGrid = data;
    return data;
}

void MainWindowView::keepNoRoomWhenHidden(QWidget *widget)
{
    // A column with nothing to show gives its room to the others.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(false);
    widget->setSizePolicy(policy);
}

void MainWindowView::makeDataBoxes()
{
    // The boxes are the heaviest widgets of the window and stay hidden until an exercise
    // shows its data, so they are made then. They take the place in the focus chain and
    // in the tree that assistive technology reads that they would have had from the start.
    MainWindowControls &c = m_model.c;
    Control *boxes[] = {&c.drivingData, &c.middleData, &c.drivenData};
    QWidget *before = m_newButton;
    for (int i = 0; i < 3; ++i) {
        QPlainTextEdit *box = dataBox();
        bind(box, *boxes[i]);
        box->hide();
        keepNoRoomWhenHidden(box);
        QWidget *slot = m_dataSlots[std::size_t(i)];
        delete m_dataGrid->replaceWidget(slot, box);
        delete slot;
        box->setFixedHeight(m_dataBoxHeight);
        m_dataTitles[std::size_t(i)]->setBuddy(box);
        box->stackUnder(i < 2 ? static_cast<QWidget *>(m_dataTitles[std::size_t(i) + 1]) : m_idleHint);
        QWidget::setTabOrder(before, box);
        before = box;
        m_dataBoxes.push_back(box);
    }
    m_dataSlots.clear();
    fitTitleRow();
}

QLayout *MainWindowView::buildPictureRow()
{
    MainWindowControls &c = m_model.c;
    m_picture = new PictureView(m_model);
    bind(m_picture, c.pictureArea);
    // Small screens may show the picture below its drawn size; it keeps its proportions.
    m_picture->setMinimumSize(PictureView::designWidth * 3 / 4, PictureView::designHeight * 3 / 4);
    m_picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_picture, &PictureView::clicked, this, [this] { handle([this] { copyPicture(); }); });
    // The quiz and exercise buttons stand between the frames and the picture, below the
    // data, so the data can use the whole width.
    auto *middle = new QVBoxLayout;
    middle->addWidget(m_testButton);
    middle->addSpacing(10);
    middle->addWidget(m_newButton);
    middle->addStretch(1);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->setSpacing(8);
    pictureRow->addLayout(middle, 0);
    pictureRow->addWidget(m_picture, 1);
    auto *clock = new QLineEdit(m_picture);
    bind(clock, c.clockBox);
    clock->setReadOnly(true);
    clock->setAlignment(Qt::AlignCenter);
    clock->setFixedWidth(clock->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 20);
    clock->move(6, 6);
    // A brief sign that a click on the picture copied it.
    m_copied = new QLabel(m_picture);
    m_copied->setObjectName(QStringLiteral("pictureCopied"));
    m_copied->setAutoFillBackground(true);
    m_copied->setForegroundRole(QPalette::ToolTipText);
    m_copied->setBackgroundRole(QPalette::ToolTipBase);
    m_copied->setFrameShape(QFrame::Box);
    m_copied->setMargin(6);
    m_copied->hide();
    m_copiedTimer = new QTimer(this);
    m_copiedTimer->setSingleShot(true);
    m_copiedTimer->setInterval(2500);
    connect(m_copiedTimer, &QTimer::timeout, m_copied, &QWidget::hide);

    return pictureRow;
}

QLayout *MainWindowView::buildQuestionRow()
{
    MainWindowControls &c = m_model.c;
    auto *questionRow = new QHBoxLayout;
    auto *face = new QLabel;
    bind(face, c.faceImage);
    face->setFixedSize(40, 40);
    auto *question = new QLabel;
    bind(question, c.questionLabel);
    question->setWordWrap(true);
    questionRow->addWidget(face);
    questionRow->addWidget(question, 1);
    return questionRow;
}

QLayout *MainWindowView::buildAnswerRow()
{
    MainWindowControls &c = m_model.c;
    auto *bottom = new QHBoxLayout;
    auto *comment = new QLabel;
    bind(comment, c.commentLabel);
    comment->setWordWrap(true);
    auto *caption = new QLabel;
    bind(caption, c.answerLabel);
    auto *answer = new QLineEdit;
    m_answer = answer;
    bind(answer, c.answerBox);
    answer->setMaxLength(40);
    caption->setBuddy(answer);
    answer->installEventFilter(this);
    auto *ok = new QPushButton;
    bind(ok, c.doneButton);
    connect(ok, &QPushButton::clicked, this, [this] { handle([this] { m_model.onDoneClicked(); }); });
    // Any change counts, typed or put in by assistive technology.
    connect(answer, &QLineEdit::textChanged, this, [this](const QString &text) { m_model.c.answerBox.caption = text; });
    bottom->addWidget(comment, 1);
    bottom->addWidget(caption);
    bottom->addWidget(answer);
    bottom->addWidget(ok);
    return bottom;
}

QWidget *MainWindowView::widgetFor(const Control &control) const
{
    return m_widgets.value(&control);
}

QAction *MainWindowView::actionFor(const Control &control) const
{
    return m_actions.value(&control);
}

void MainWindowView::applyControl(const Control &control, QWidget *w)
{
    applyControlToWidget(shownControl(control), w);
}

void MainWindowView::sync()
{
    MainWindowControls &c = m_model.c;
    if (m_dataBoxes.empty() && !isIdle())
        makeDataBoxes();
    setWindowTitle(c.window.caption);
    applyControlToWidget(c.window, centralWidget());
    // A window open over this one takes all input: the menu bar and every shortcut too.
    const bool takesInput = c.window.enabled;
    menuBar()->setEnabled(takesInput);
    for (Control *control : c.all()) {
        if (control == &c.window)
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
    syncStateNotes();
    fitDataBoxes();
    syncOptionTabStops();
    if (m_sizedLanguage != m_model.lang.language)
        fitTextToWindow(true);
    setPrintChoicesTexts(m_printChoices, m_model);
    auto *flag = static_cast<QToolButton *>(m_widgets.value(&c.languageButton));
    if (flag && m_flagShown != c.languageButton.picture) {
        m_flagShown = c.languageButton.picture;
        flag->setIcon(pictureIcon(c.languageButton.picture));
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

void MainWindowView::tick()
{
    m_model.onAnimationTick();
    const MainWindowControls &c = m_model.c;
    if (QWidget *clock = m_widgets.value(&c.clockBox))
        applyControl(c.clockBox, clock);
    if (m_picture->isVisibleTo(this) != c.pictureArea.visible)
        m_picture->setVisible(c.pictureArea.visible);
    if (c.pictureArea.visible && m_model.animation.moved())
        m_picture->partsMoved();
}

void MainWindowView::closeEvent(QCloseEvent *event)
{
    // An exam, running or waiting to be stored, is not lost without asking.
    if (!m_model.isClosed() && !m_model.mayClose()) {
        event->ignore();
        return;
    }
    m_model.onClosing();
    m_timer->stop();
    event->accept();
}

} // namespace cinemoto
