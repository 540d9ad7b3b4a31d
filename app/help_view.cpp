#include "app/help_view.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cinemoto {

QPointer<HelpWindow> HelpWindow::s_window;

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Cinemoto"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    resize(680, 560);
}

void HelpWindow::load(const QString &helpFile, int topic)
{
    QString source = helpFile;
    if (!QFile::exists(source))
        source = QStringLiteral(":/help/cinemoto.hlp");
    if (source != m_loaded) {
        QFile file(source);
        if (file.open(QIODevice::ReadOnly)) {
            m_browser->setHtml(QString::fromUtf8(file.readAll()));
            m_loaded = source;
        }
    }
    m_browser->scrollToAnchor(QStringLiteral("t%1").arg(topic));
}

void HelpWindow::showTopic(const QString &helpFile, int topic)
{
    if (!s_window)
        s_window = new HelpWindow(QApplication::activeWindow());
    s_window->load(helpFile, topic);
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
}

} // namespace cinemoto
