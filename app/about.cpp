#include "app/about.h"

namespace cinemoto {

AboutModel::AboutModel(const Services &services, const TextCatalogue &texts, LanguageBases lang,
                       bool &solutionsMode)
    : m_services(services), m_texts(texts), m_lang(lang), m_solutionsMode(solutionsMode)
{
    window.name = QStringLiteral("aboutWindow");
    versionLabel.name = QStringLiteral("versionLabel");
    basicLabel.name = QStringLiteral("basicLabel");
    solutionsModeLabel.name = QStringLiteral("solutionsModeLabel");
    solutionsModeLabel.visible = false;
    upperLine.name = QStringLiteral("upperLine");
    lowerLine.name = QStringLiteral("lowerLine");
    mailLabel.name = QStringLiteral("mailLabel");
    mailLabel.caption = QString::fromLatin1(mailAddress);
    mailLabel.visible = !mailLabel.caption.isEmpty();
    okButton.name = QStringLiteral("okButton");
    okButton.caption = QStringLiteral("OK");
}

void AboutModel::load()
{
    useProgramHelpFile(m_services);
    window.caption = text(381);
    versionLabel.caption = text(382);
    basicLabel.caption = text(383);
    solutionsModeLabel.caption = text(384);
    if (m_solutionsMode) {
        solutionsModeLabel.visible = true;
        upperLine.visible = lowerLine.visible = false;
    }
}

void AboutModel::onKeyTyped(int key)
{
    const QChar typed(char16_t(key & 0xFFFF));
    if (typed == QLatin1Char(accessCode[0]))
        m_buffer = typed;
    else
        m_buffer += typed;
    if (m_buffer == QLatin1String(accessCode)) {
        m_solutionsMode = true;
        upperLine.visible = lowerLine.visible = false;
        solutionsModeLabel.visible = true;
    }
    if (m_buffer.size() > bufferLimit) {
        m_services.messageBox->beep();
        m_buffer.clear();
    }
}

void AboutModel::onMailClicked()
{
    if (!mailLabel.visible)
        return;
    m_services.shell->openUrl(QStringLiteral("mailto:") + QString::fromLatin1(mailAddress));
}

} // namespace cinemoto
