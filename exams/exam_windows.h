#pragma once

#include "app/control.h"
#include "app/window_context.h"

#include <array>
#include <functional>

namespace cinemoto {

// The exam result window: the five rows and the totals, the pupil's name, store or leave.
class ExamResultModel
{
public:
    explicit ExamResultModel(WindowContext &main);

    Control window, titleLabel, exerciseHeading, resultHeading, timeHeading, pointsHeading, totalLabel, nameLabel, nameBox,
        acceptButton, leaveButton, printButton;
    std::array<Control, 6> rowNumbers, rowResults, rowTimes, rowPoints; // 1..5, and 0 for the totals
    bool closed = false;
    // Run after the exam has been stored: the list of exams taken opens.
    std::function<void()> onStored;

    void load();
    void onNameKeyPressed(int &key);
    void onAcceptClicked();
    void onLeaveClicked();
    void print(PrinterService::Target target = PrinterService::Target::Printer);
    const WindowContext &context() const { return m_main; }
    // The window's own close control leaves as "leave" does.
    void onClosing();

private:
    WindowContext &m_main;
};

// The exams-taken window: the ten newest stored exams.
class ExamsTakenModel
{
public:
    explicit ExamsTakenModel(WindowContext &main);

    Control window, titleLabel, nameHeading, pointsHeading, dateHeading, timeHeading, acceptButton, printButton;
    std::array<Control, 11> nameCells, pointsCells, dateCells, timeCells; // 1..10
    bool closed = false;
    // Which folder the list comes from, and why it could not be read (empty when it was).
    QString folderText;
    QString problemText;

    void load();
    void onAcceptClicked();
    void print(PrinterService::Target target = PrinterService::Target::Printer);
    const WindowContext &context() const { return m_main; }
    void onClosing();

private:
    WindowContext &m_main;
};

} // namespace cinemoto
