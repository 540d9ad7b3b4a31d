#pragma once

#include "app/twips_dialog.h"

class QLineEdit;

namespace cinemoto {

class ExamResultModel;
class ExamsTakenModel;

class ExamResultView : public TwipsDialog
{
    Q_OBJECT
public:
    ExamResultView(ExamResultModel &model, QWidget *parent = nullptr);
    void sync() override;
    void reject() override;

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
