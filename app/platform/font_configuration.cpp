#include "app/platform/font_configuration.h"

#include <fontconfig/fontconfig.h>

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
    m_thread = std::thread([this] {
        m_found = FcInit() == FcTrue;
        m_configuration = FcConfigGetCurrent();
    });
}

FontConfigurationReader::~FontConfigurationReader()
{
    wait();
}

bool FontConfigurationReader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_found;
}

} // namespace cinemoto
