#pragma once

#include <QDialog>
#include <QPointer>

class QTextBrowser;

namespace cinemoto {

// The help window: the help file of the program folder, opened at a topic. The copy
// built into the program stands in when the folder has none.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    static void showTopic(const QString &helpFile, int topic);
    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget *parent = nullptr);
    void load(const QString &helpFile, int topic);

    QTextBrowser *m_browser;
    QString m_loaded;
    static QPointer<HelpWindow> s_window;
};

} // namespace cinemoto
