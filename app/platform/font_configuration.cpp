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
}

FontConfigurationReader::~FontConfigurationReader()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool FontConfigurationReader::wait()
{
    // Without a thread, reading again costs nothing once the configuration is loaded.
    if (m_thread.joinable())
        m_thread.join();
    else
        read();
    return m_found;
}

} // namespace cinemoto
