#include "app/help_view.h"

#include "app/platform/memory.h"
#include "app/textcatalogue.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cinemoto {

namespace {

// Topics 0..99 are Catalan, 100..199 Spanish, 200..299 English; the quiz's 483..485 too.
int topicLanguage(int topic)
{
    if (topic >= 483 && topic <= 485)
        return topic - 482;
    return qBound(1, topic / 100 + 1, 3);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The contents file of a language: beside the help file under its language's name, the
// installed copy when it is of that language, else the one built into the program.
QString contentsText(const QString &helpFile, int language)
{
    static const char *const names[] = {"catala.cnt", "espanol.cnt", "english.cnt"};
    const QString dir = QFileInfo(helpFile).absolutePath() + QLatin1Char('/');
    const QString own = QString::fromLatin1(names[language - 1]);
    const QString marker = QStringLiteral("=t%1").arg((language - 1) * 100 + 5);
    for (const QString &path : {dir + own, dir + QStringLiteral("cinemoto.cnt"), QStringLiteral(":/help/") + own}) {
        const QString text = readText(path);
        if (text.contains(marker))
            return text;
    }
    return {};
}

constexpr int kTopicRole = Qt::UserRole;

} // namespace

QPointer<HelpWindow> HelpWindow::s_window;

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent), m_browser(new QTextBrowser), m_contents(new QTreeWidget), m_back(new QToolButton),
      m_forward(new QToolButton)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Cinemoto"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto *bar = new QHBoxLayout;
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addStretch(1);
    layout->addLayout(bar);
    connect(m_back, &QToolButton::clicked, this, &HelpWindow::back);
    connect(m_forward, &QToolButton::clicked, this, &HelpWindow::forward);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, this, &HelpWindow::back);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, this, &HelpWindow::forward);
    auto *split = new QSplitter;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(true);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 470});
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    // Links between topics stay in this window and are remembered for Back.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        static const QRegularExpression topicAnchor(QStringLiteral("^t(\\d+)$"));
        const auto match = topicAnchor.match(url.fragment());
        if (url.scheme().isEmpty() && match.hasMatch())
            go(match.captured(1).toInt(), true);
        else if (!url.scheme().isEmpty())
            QDesktopServices::openUrl(url);
    });
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (const int t = item->data(0, kTopicRole).toInt())
            go(t, true);
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    resize(720, 560);
}

HelpWindow::~HelpWindow()
{
    // The document of the whole help file goes with the window.
    returnFreedMemorySoon();
}

void HelpWindow::load(const QString &helpFile, int topic)
{
    QString source = helpFile;
    if (!QFile::exists(source))
        source = QStringLiteral(":/help/cinemoto.hlp");
    if (source != m_loaded) {
        const QString html = readText(source);
        if (!html.isEmpty()) {
            m_browser->setHtml(html);
            m_browser->document()->setDocumentMargin(12);
            m_loaded = source;
        }
    }
    m_helpFile = helpFile;
    go(topic, true);
}

void HelpWindow::loadContents(const QString &helpFile, int language)
{
    m_language = language;
    m_contents->clear();
    const LanguageBases bases{language};
    const TextCatalogue &texts = TextCatalogue::builtIn();
    m_back->setToolTip(texts.text(bases.textId(570)));
    m_forward->setToolTip(texts.text(bases.textId(571)));
    m_back->setAccessibleName(m_back->toolTip());
    m_forward->setAccessibleName(m_forward->toolTip());
    // "1 Book" opens a heading, "2 Name=tNN" is a topic under it; ':' lines are settings.
    QTreeWidgetItem *book = nullptr;
    const QStringList lines = contentsText(helpFile, language).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.size() < 3 || line.startsWith(QLatin1Char(':')))
            continue;
        const QString entry = line.mid(2);
        if (line.startsWith(QLatin1String("1 "))) {
            book = new QTreeWidgetItem(m_contents, {entry});
            book->setExpanded(true);
        } else if (const qsizetype eq = entry.lastIndexOf(QStringLiteral("=t")); eq > 0) {
            auto *item = book ? new QTreeWidgetItem(book, {entry.left(eq)})
                              : new QTreeWidgetItem(m_contents, {entry.left(eq)});
            item->setData(0, kTopicRole, entry.mid(eq + 2).toInt());
        }
    }
    m_contents->expandAll();
}

QString HelpWindow::topicName(int topic) const
{
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, kTopicRole).toInt() == topic)
            return (*it)->text(0);
    }
    return {};
}

void HelpWindow::go(int topic, bool remember)
{
    if (remember && (m_history.isEmpty() || m_history.at(m_at) != topic)) {
        m_history.resize(m_history.isEmpty() ? 0 : m_at + 1);
        m_history.append(topic);
        m_at = m_history.size() - 1;
    }
    // Back may return to a topic of another language: its own contents come with it.
    if (topicLanguage(topic) != m_language)
        loadContents(m_helpFile, topicLanguage(topic));
    m_browser->scrollToAnchor(QStringLiteral("t%1").arg(topic));
    const QString name = topicName(topic);
    setWindowTitle(name.isEmpty() ? QStringLiteral("Cinemoto") : QStringLiteral("Cinemoto \u2014 ") + name);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, kTopicRole).toInt() == topic)
            m_contents->setCurrentItem(*it);
    }
    m_back->setEnabled(m_at > 0);
    m_forward->setEnabled(m_at + 1 < m_history.size());
}

void HelpWindow::back()
{
    if (m_at > 0)
        go(m_history.at(--m_at), false);
}

void HelpWindow::forward()
{
    if (m_at + 1 < m_history.size())
        go(m_history.at(++m_at), false);
}

void HelpWindow::placeBeside(QWidget *anchor)
{
    // The question stays in sight: the help goes beside the window that asked, where it
    // covers least of the main window behind it, in a part of the screen big enough.
    QScreen *screen = anchor->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize least(380, 300);
    QWidget *behind = anchor->parentWidget() ? anchor->parentWidget()->window() : nullptr;
    const QRect mainArea = behind ? behind->frameGeometry() : QRect();
    QList<QRect> avoid{anchor->frameGeometry()};
    if (behind)
        avoid.prepend(anchor->frameGeometry().united(mainArea));
    const auto covered = [&mainArea](const QRect &r) {
        const QRect both = r.intersected(mainArea);
        return both.isEmpty() ? qint64(0) : qint64(both.width()) * both.height();
    };
    const QSize frame = frameGeometry().size() - size();
    for (const QRect &busy : avoid) {
        const QRect sides[] = {QRect(QPoint(busy.right() + 1, free.top()), free.bottomRight()),
                               QRect(free.topLeft(), QPoint(busy.left() - 1, free.bottom())),
                               QRect(QPoint(free.left(), busy.bottom() + 1), free.bottomRight()),
                               QRect(free.topLeft(), QPoint(free.right(), busy.top() - 1))};
        QRect best;
        qint64 bestCover = 0;
        for (const QRect &side : sides) {
            const QRect room = side.intersected(free);
            if (room.width() < least.width() || room.height() < least.height())
                continue;
            // Where the window will stand in this room.
            const QSize wanted = QSize(720, 560).boundedTo(room.size() - frame);
            const int y = qBound(room.top(), anchor->frameGeometry().top(),
                                 room.bottom() - wanted.height() - frame.height());
            const int x = room.left() == free.left() && room.right() < free.right()
                ? room.right() - wanted.width() - frame.width() // left of the box: hug it
                : room.left();
            const QRect placed(QPoint(x, y), wanted + frame);
            if (!best.isValid() || covered(placed) < bestCover) {
                best = placed;
                bestCover = covered(placed);
            }
        }
        if (best.isValid()) {
            resize(best.size() - frame);
            move(best.topLeft());
            return;
        }
    }
}

void HelpWindow::showTopic(const QString &helpFile, int topic)
{
    QWidget *asking = QApplication::activeWindow();
    // A question box blocks every window but its own: help opened earlier over another
    // window could not be used, so it opens again over the box.
    const bool question = asking && asking != s_window && asking->isModal();
    if (s_window && question && s_window->parentWidget() != asking) {
        s_window->hide();
        s_window->deleteLater();
        s_window = nullptr;
    }
    const bool fresh = !s_window || !s_window->isVisible();
    if (!s_window)
        s_window = new HelpWindow(asking);
    s_window->load(helpFile, topic);
    if ((fresh || question) && asking && asking != s_window)
        s_window->placeBeside(asking);
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
}

} // namespace cinemoto
