#pragma once

#include "app/control.h"
#include "app/platform/services.h"
#include "app/textcatalogue.h"

namespace cinemoto {

// The About window: title, version and credits, and the teacher's access code that
// switches on the solutions mode for the rest of the run.
class AboutModel
{
public:
    static constexpr const char *accessCode = "xerfo";
    static constexpr int bufferLimit = 25;
    // The project has no contact address yet: none is shown rather than a made-up one.
    static constexpr const char *mailAddress = "";

    AboutModel(const Services &services, const TextCatalogue &texts, LanguageBases lang, bool &solutionsMode);

    Control window, versionLabel, basicLabel, solutionsModeLabel, upperLine, lowerLine, mailLabel, okButton;

    void load();
    void onKeyTyped(int key);
    void onMailClicked();
    const QString &typed() const { return m_buffer; }

private:
    QString text(int id) const { return m_texts.text(m_lang.textId(id)); }

    Services m_services;
    const TextCatalogue &m_texts;
    LanguageBases m_lang;
    bool &m_solutionsMode;
    QString m_buffer;
};

} // namespace cinemoto
