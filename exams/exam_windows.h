#pragma once

#include "app/control.h"
#include "app/formulari.h"

#include <array>

namespace cinemoto {

// The exam result window: the five rows and the totals, the pupil's name, store or leave.
class ExamResultModel
{
public:
    explicit ExamResultModel(Formulari &main);

    Control form, lblTitol, lblExercici, lblResultat, lblTempstit, lblPunts, lblTotal, lblNom, txtNom,
        cmdAcceptar, cmdCancel, cmdPrint3;
    std::array<Control, 6> lbl1, lblCorrecte, lblTemps, lblPunt; // 1..5, and 0 for the totals
    bool closed = false;
    // Run after the exam has been stored: the list of exams taken opens.
    std::function<void()> onStored;

    void Form_Load();
    void txtNom_KeyPress(int &key);
    void cmdAcceptar_Click();
    void cmdCancel_Click();
    void cmdPrint3_Click(PrinterService::Target target = PrinterService::Target::Printer);
    const Formulari &mainWindow() const { return m_main; }
    // The window's own close control leaves as "leave" does.
    void Form_Unload();

private:
    Formulari &m_main;
};

// The exams-taken window: the ten newest stored exams.
class ExamsTakenModel
{
public:
    explicit ExamsTakenModel(Formulari &main);

    Control form, lblTitol, lblElnom, lblElspunts, lblEldia, lblLahora, cmdAcceptar, cmdPrint2;
    std::array<Control, 11> lblNom, lblPunts, lblDia, lblHora; // 1..10
    bool closed = false;
    // Which folder the list comes from, and why it could not be read (empty when it was).
    QString folderText;
    QString problemText;

    void Form_Load();
    void cmdAcceptar_Click();
    void cmdPrint2_Click(PrinterService::Target target = PrinterService::Target::Printer);
    const Formulari &mainWindow() const { return m_main; }
    void Form_Unload();

private:
    Formulari &m_main;
};

} // namespace cinemoto
