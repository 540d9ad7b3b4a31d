#pragma once

#include <QDialog>
#include <QHash>

class QLineEdit;

namespace cinemoto {

struct Control;
class ExamResultModel;
class ExamsTakenModel;

// Both exam windows: controls placed where the window model says, in twips.
class TwipsDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    Q_INVOKABLE virtual void sync() = 0;

protected:
    QWidget *place(QWidget *widget, Control &control, int left, int top, int width, int height);
    void syncAll();
    QHash<Control *, QWidget *> m_widgets;
};

class ExamResultView : public TwipsDialog
{
    Q_OBJECT
public:
    ExamResultView(ExamResultModel &model, QWidget *parent = nullptr);
    void sync() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handle(const std::function<void()> &handler);
    ExamResultModel &m_model;
    QLineEdit *m_name = nullptr;
};

class ExamsTakenView : public TwipsDialog
{
    Q_OBJECT
public:
    ExamsTakenView(ExamsTakenModel &model, QWidget *parent = nullptr);
    void sync() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ExamsTakenModel &m_model;
};

} // namespace cinemoto
