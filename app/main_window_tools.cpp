#include "app/main_window_model.h"

#include "app/file_io.h"
#include "printing/print_frame.h"

namespace cinemoto {

bool MainWindowModel::startDesktopTool(const QString &tool, const QStringList &arguments, int failureText)
{
    const QString program = m_services.shell->findExecutable(tool);
    if (!program.isEmpty() && m_services.shell->start(program, arguments, false))
        return true;
    // The failure's two lines and its title are three texts in a row.
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation,
                                text(failureText) + newLine + text(failureText + 1), text(failureText + 2),
                                MessageBoxService::Buttons::Ok);
    return false;
}

void MainWindowModel::openCalculator()
{
    startDesktopTool(QStringLiteral("calc"), {}, 171);
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
    if (programFileExists(QStringLiteral("cinemoto.txt")))
        startDesktopTool(QStringLiteral("notepad"), {m_services.folder->path() + QStringLiteral("/cinemoto.txt")}, 291);
}

void MainWindowModel::openLinksPage()
{
    if (!programFileExists(QStringLiteral("links.htm")))
        return;
    m_services.shell->openUrl(m_services.folder->path() + QStringLiteral("/links.htm"));
}

void MainWindowModel::copyPicture()
{
    const int m = selection.choice().mechanism;
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
