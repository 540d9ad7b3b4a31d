#include "app/platform/font_configuration.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace cinemoto {

FontConfigurationReader::FontConfigurationReader()
{
    try {
        m_thread = std::thread([this] { read(); });
    } catch (const std::system_error &) {
        // An account allowed no more threads: the configuration is read when waited for.
    }
}

void FontConfigurationReader::read()
{
    m_found = FcInit() == FcTrue;
    m_configuration = FcConfigGetCurrent();
    m_read = true;
}

FontConfigurationReader::~FontConfigurationReader()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool FontConfigurationReader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
    if (!m_read)
        read();
    return m_found;
}

} // namespace cinemoto
