#include "app/control.h"

namespace cinemoto {

QString Control::accessibleName() const
{
    QString text = caption;
    // "&&" is a literal ampersand, a single "&" only marks the access key.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    return text.isEmpty() ? tooltip : text;
}

void OptionGroup::add(Control *option, std::function<void()> onClick)
{
    m_members.push_back(option);
    m_handlers.push_back(std::move(onClick));
}

void OptionGroup::select(Control *option)
{
    bool wasSelected = option->value;
    std::size_t found = m_members.size();
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        if (m_members[i] == option)
            found = i;
        else
            m_members[i]->value = false;
    }
    option->value = true;
    if (!wasSelected && found < m_handlers.size() && m_handlers[found])
        m_handlers[found]();
}

} // namespace cinemoto
