#include "app/formulari.h"

namespace cinemoto {

void Formulari::cmdCalculadora_Click()
{
    const QString calculator = m_services.shell->findExecutable(QStringLiteral("calc"));
    if (!calculator.isEmpty() && m_services.shell->start(calculator, {}, false))
        return;
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation, text(171) + newLine + text(172), text(173),
                                MessageBoxService::Buttons::Ok);
}

void Formulari::menContinguts_Click()
{
    m_services.help->showTopic(lang.helpBase() + 5);
}

void Formulari::menllegiume_Click()
{
    const QString editor = m_services.shell->findExecutable(QStringLiteral("notepad"));
    const QString readMe = m_services.folder->path() + QStringLiteral("/cinemoto.txt");
    if (!editor.isEmpty() && m_services.shell->start(editor, {readMe}, false))
        return;
    m_services.messageBox->show(MessageBoxService::Icon::Exclamation, text(291) + newLine + text(292), text(293),
                                MessageBoxService::Buttons::Ok);
}

void Formulari::cmdNet_Click()
{
    m_services.shell->openUrl(m_services.folder->path() + QStringLiteral("/links.htm"));
}

void Formulari::menCopiar_Click()
{
    const int m = st.mechanism;
    if (m < 1 || m > 19)
        return;
    m_services.clipboard->clear();
    // The universal joint has no large picture: its own small one stands in.
    m_services.clipboard->setTextAndPicture(c.optsistema[m].caption, m == 6 ? 56 : m + 74);
}

} // namespace cinemoto
