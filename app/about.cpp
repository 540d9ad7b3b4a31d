#include "app/about.h"

namespace cinemoto {

AboutModel::AboutModel(const Services &services, const TextCatalogue &texts, LanguageBases lang,
                       bool &solutionsMode)
    : m_services(services), m_texts(texts), m_lang(lang), m_solutionsMode(solutionsMode)
{
    form.name = QStringLiteral("frmAbout");
    lblVersion.name = QStringLiteral("lblVersion");
    lblBasic.name = QStringLiteral("lblBasic");
    lblSolucionari.name = QStringLiteral("lblSolucionari");
    lblSolucionari.visible = false;
    linLinea.name = QStringLiteral("linLinea");
    linLinea2.name = QStringLiteral("linLinea2");
    lblCorreu.name = QStringLiteral("lblCorreu");
    lblCorreu.caption = QString::fromLatin1(mailAddress);
    lblCorreu.visible = !lblCorreu.caption.isEmpty();
    cmdOK.name = QStringLiteral("cmdOK");
    cmdOK.caption = QStringLiteral("OK");
}

void AboutModel::Form_Load()
{
    useProgramHelpFile(m_services);
    form.caption = text(381);
    lblVersion.caption = text(382);
    lblBasic.caption = text(383);
    lblSolucionari.caption = text(384);
    if (m_solutionsMode) {
        lblSolucionari.visible = true;
        linLinea.visible = linLinea2.visible = false;
    }
}

void AboutModel::Form_KeyPress(int key)
{
    const QChar typed(char16_t(key & 0xFFFF));
    if (typed == QLatin1Char(accessCode[0]))
        m_buffer = typed;
    else
        m_buffer += typed;
    if (m_buffer == QLatin1String(accessCode)) {
        m_solutionsMode = true;
        linLinea.visible = linLinea2.visible = false;
        lblSolucionari.visible = true;
    }
    if (m_buffer.size() > bufferLimit) {
        m_services.messageBox->beep();
        m_buffer.clear();
    }
}

void AboutModel::lblCorreu_Click()
{
    if (!lblCorreu.visible)
        return;
    m_services.shell->openUrl(QStringLiteral("mailto:") + QString::fromLatin1(mailAddress));
}

} // namespace cinemoto
