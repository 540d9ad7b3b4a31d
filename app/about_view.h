#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QLayout;
class QBoxLayout;

namespace cinemoto {

class AboutModel;

// The About window on screen. Every key typed anywhere in it reaches the model first.
class AboutView : public QDialog
{
    Q_OBJECT
public:
    AboutView(AboutModel &model, QWidget *parent = nullptr);
    void sync();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLayout *buildHeading();
    QLayout *buildFooter();
    static QFrame *addLine(QBoxLayout *layout, const QString &name);
    AboutModel &m_model;
    QLabel *m_version, *m_basic, *m_solutions, *m_mail;
    QFrame *m_line1, *m_line2;
};

} // namespace cinemoto
