#include "app/main_window_model.h"

#include "app/file_io.h"
#include "printing/print_frame.h"

namespace cinemoto {

void MainWindowModel::openCalculator()
{
    const QString calculator = m_services.shell->findExecutable(QStringLiteral("calc"));
    if (!calculator.isEmpty() && m_services.shell->start(calculator, {}, false))
        return;
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation, text(171) + newLine + text(172), text(173),
                                MessageBoxService::Buttons::Ok);
}

void MainWindowModel::openHelpContents()
{
    m_services.help->showTopic(lang.helpBase() + 5);
}

bool MainWindowModel::programFileExists(const QString &name)
{
    if (isRegularFile(m_services.folder->path() + QLatin1Char('/') + name))
        return true;
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation, text(540) + newLine + name, text(541),
                                MessageBoxService::Buttons::Ok);
    return false;
}

void MainWindowModel::openReadMe()
{
    const QString editor = m_services.shell->findExecutable(QStringLiteral("notepad"));
    const QString readMe = m_services.folder->path() + QStringLiteral("/cinemoto.txt");
    if (!programFileExists(QStringLiteral("cinemoto.txt")))
        return;
    if (!editor.isEmpty() && m_services.shell->start(editor, {readMe}, false))
        return;
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation, text(291) + newLine + text(292), text(293),
                                MessageBoxService::Buttons::Ok);
}

void MainWindowModel::openLinksPage()
{
    if (!programFileExists(QStringLiteral("links.htm")))
        return;
    m_services.shell->openUrl(m_services.folder->path() + QStringLiteral("/links.htm"));
}

void MainWindowModel::copyPicture()
{
    const int m = st.mechanism;
    if (m < 1 || m > 19)
        return;
    m_services.clipboard->clear();
    // The universal joint has no large picture: its own small one stands in.
    m_services.clipboard->setTextAndPicture(c.mechanismOptions[m].caption, m == 6 ? 56 : m + 74);
}

void MainWindowModel::printExercise()
{
    printExerciseSheet(*this, PrinterService::Target::Printer);
}

} // namespace cinemoto
