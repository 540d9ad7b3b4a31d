#include "exams/exam_views.h"

#include "app/control_widget.h"
#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "printing/print_choices.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

namespace cinemoto {

namespace {
int px(int twips)
{
    return twipsToPixels(twips);
}

// The record file holds Windows-1252 only: anything else shows as '?' as it is typed, so
// the name stored is the name on screen.
class StorableNameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = withUnstorableReplaced(input);
        return Acceptable;
    }
};
} // namespace

ExamResultView::ExamResultView(ExamResultModel &model, QWidget *parent) : TwipsDialog(parent), m_model(model)
{
    setObjectName(model.window.name);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont bold = font();
    bold.setBold(true);
    auto label = [this](Control &c, int left, int top, int width) {
        return static_cast<QLabel *>(place(new QLabel, c, left, top, width, 300));
    };
    QLabel *title = label(model.titleLabel, 480, 120, 4400);
    QFont big = bold;
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    for (auto [c, left, width] : {std::tuple{&model.exerciseHeading, 180, 1100}, std::tuple{&model.resultHeading, 1320, 1400},
                                  std::tuple{&model.timeHeading, 2760, 900}, std::tuple{&model.pointsHeading, 3720, 1100}})
        label(*c, left, 600, width)->setFont(bold);
    for (int i = 1; i <= 5; ++i) {
        const int top = 1080 + 360 * (i - 1);
        label(model.rowNumbers[std::size_t(i)], 660, top, 500);
        label(model.rowResults[std::size_t(i)], 1260, top, 1500);
        label(model.rowTimes[std::size_t(i)], 2820, top, 900);
        label(model.rowPoints[std::size_t(i)], 3780, top, 1100);
    }
    label(model.totalLabel, 300, 3120, 1400)->setFont(bold);
    label(model.rowTimes[0], 2820, 3120, 900)->setFont(bold);
    label(model.rowPoints[0], 3780, 3120, 1100)->setFont(bold);
    label(model.nameLabel, 60, 3630, 1100)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_name = static_cast<QLineEdit *>(place(new QLineEdit, model.nameBox, 1200, 3600, 1695, 360));
    m_name->setMaxLength(60);
    m_name->setValidator(new StorableNameValidator(m_name));
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &t) { m_model.nameBox.caption = t; });
    const std::pair<Control *, std::function<void()>> buttons[] = {
        {&model.acceptButton, [this] { m_model.onAcceptClicked(); }},
        {&model.leaveButton, [this] { m_model.onLeaveClicked(); }},
        {&model.printButton, [this] { m_model.print(); }}};
    const int lefts[] = {2940, 3480, 4260};
    const int widths[] = {500, 740, 900};
    int i = 0;
    for (const auto &[control, action] : buttons) {
        auto *b = static_cast<QPushButton *>(place(new QPushButton, *control, lefts[i], 3600, widths[i], 380));
        connect(b, &QPushButton::clicked, this, [this, action = action] { handle(action); });
        ++i;
    }
    // Preview and PDF beside Print.
    QMenu *choices = printChoicesMenu(this, [this](PrinterService::Target target) {
        handle([this, target] { m_model.print(target); });
    });
    QToolButton *more = printChoicesButton(choices, m_model.context());
    more->setParent(this);
    more->setGeometry(px(5170), px(3600), px(300), px(380));
    setFixedSize(px(5560), px(4200));
    useFixedFrame();
    // Escape closes a dialog without a close event: leaving then works as the exit button.
    connect(this, &QDialog::finished, this, [this] { m_model.onClosing(); });
    m_model.load();
    sync();
    if (m_model.nameBox.selLength)
        m_name->selectAll();
    m_name->setFocus();
}

void ExamResultView::sync()
{
    setWindowTitle(m_model.window.caption);
    applyControlToWidget(m_model.window, this);
    syncAll();
}

void ExamResultView::handle(const std::function<void()> &handler)
{
    handler();
    if (m_model.closed) {
        close();
        return;
    }
    sync();
}

bool ExamResultView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            handle([this] {
                int code = 13;
                m_model.onNameKeyPressed(code);
            });
            return true;
        }
    }
    return TwipsDialog::eventFilter(watched, event);
}

void ExamResultView::closeEvent(QCloseEvent *event)
{
    // The pupil may choose to stay rather than lose the exam.
    m_model.onClosing();
    if (m_model.closed)
        event->accept();
    else
        event->ignore();
}

void ExamResultView::reject()
{
    // Escape asks as the exit button does.
    handle([this] { m_model.onLeaveClicked(); });
}

ExamsTakenView::ExamsTakenView(ExamsTakenModel &model, QWidget *parent) : TwipsDialog(parent), m_model(model)
{
    setObjectName(model.window.name);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont bold = font();
    bold.setBold(true);
    auto label = [this](Control &c, int left, int top, int width) {
        return static_cast<QLabel *>(place(new QLabel, c, left, top, width, 290));
    };
    QLabel *title = label(model.titleLabel, 480, 120, 4400);
    QFont big = bold;
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    label(model.nameHeading, 120, 600, 1815)->setFont(bold);
    label(model.pointsHeading, 1980, 600, 720)->setFont(bold); // a gap before the dates
    label(model.dateHeading, 2820, 600, 1050)->setFont(bold);
    label(model.timeHeading, 3900, 600, 900)->setFont(bold);
    for (int i = 1; i <= 10; ++i) {
        const int top = 1080 + 300 * (i - 1);
        label(model.nameCells[std::size_t(i)], 120, top, 1815);
        label(model.pointsCells[std::size_t(i)], 1980, top, 720);
        label(model.dateCells[std::size_t(i)], 2820, top, 1050);
        label(model.timeCells[std::size_t(i)], 3900, top, 900);
    }
    auto *close = static_cast<QPushButton *>(place(new QPushButton, model.acceptButton, 1320, 4140, 1000, 380));
    auto *print = static_cast<QPushButton *>(place(new QPushButton, model.printButton, 2460, 4140, 1000, 380));
    connect(close, &QPushButton::clicked, this, [this] {
        m_model.onAcceptClicked();
        this->close();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        m_model.print();
        sync();
    });
    QMenu *choices = printChoicesMenu(this, [this](PrinterService::Target target) {
        m_model.print(target);
        sync();
    });
    QToolButton *more = printChoicesButton(choices, m_model.context());
    more->setParent(this);
    more->setGeometry(px(3470), px(4140), px(300), px(380));
    setFixedSize(px(4900), px(4700));
    useFixedFrame();
    connect(this, &QDialog::finished, this, [this] { m_model.onClosing(); });
    m_model.load();
    // Where the list comes from, for the teacher who looks for the file.
    m_model.window.tooltip = m_model.folderText; // the window's own sync keeps it
    title->setToolTip(m_model.folderText);
    setAccessibleDescription(m_model.folderText);
    if (!m_model.problemText.isEmpty()) {
        // Over the empty rows: an unreadable file is not the same as no exams yet.
        auto *problem = new QLabel(QString(m_model.problemText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                   this);
        problem->setObjectName(QStringLiteral("recordsProblem"));
        problem->setWordWrap(true);
        problem->setAlignment(Qt::AlignCenter);
        problem->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        problem->setGeometry(px(240), px(1500), px(4420), px(1500));
    }
    sync();
}

void ExamsTakenView::sync()
{
    setWindowTitle(m_model.window.caption);
    applyControlToWidget(m_model.window, this);
    syncAll();
}

void ExamsTakenView::closeEvent(QCloseEvent *event)
{
    m_model.onClosing();
    event->accept();
}

} // namespace cinemoto
