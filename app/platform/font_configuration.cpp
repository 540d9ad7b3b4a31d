#include "app/platform/font_configuration.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace cinemoto {

FontConfigurationReader::FontConfigurationReader()
{
#if defined(__GLIBC__)
    // The configuration stays for the whole run. Read on another thread, it would sit in a
    // heap of that thread's own, mostly empty: up to a tenth of a megabyte more resident.
    mallopt(M_ARENA_MAX, 1);
#endif
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
