#pragma once

#include <QDialog>
#include <QPointer>

class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace cinemoto {

// The help window: the help file of the program folder, opened at a topic, with the
// contents list of the topic's language, back and forward. The copy built into the
// program stands in when the folder has none.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    static void showTopic(const QString &helpFile, int topic);
    ~HelpWindow() override;
    QTextBrowser *browser() const { return m_browser; }
    int topic() const { return m_history.isEmpty() ? 0 : m_history.at(m_at); }
    void back();
    void forward();

private:
    explicit HelpWindow(QWidget *parent = nullptr);
    void load(const QString &helpFile, int topic);
    void loadContents(const QString &helpFile, int language);
    void go(int topic, bool remember);
    QString topicName(int topic) const;
    void placeBeside(QWidget *anchor);

    QTextBrowser *m_browser;
    QTreeWidget *m_contents;
    QToolButton *m_back;
    QToolButton *m_forward;
    QString m_loaded;
    QString m_helpFile;
    int m_language = 0;
    QList<int> m_history;
    qsizetype m_at = 0;
    static QPointer<HelpWindow> s_window;
};

} // namespace cinemoto
