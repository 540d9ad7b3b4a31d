#pragma once

#include <thread>

namespace cinemoto {

// Reads the system's font configuration on a thread of its own from the first line of the
// program. Parsing it is the largest single piece of work before the first window, and
// nothing needs it until the window measures its first text: the application object
// connects to the display meanwhile. The configuration read here is the one the font
// database then uses. Waits for the thread when it goes.
class FontConfigurationReader
{
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader &) = delete;
    FontConfigurationReader &operator=(const FontConfigurationReader &) = delete;

    // Blocks until the configuration is read; true when the system has one.
    bool wait();
    // The configuration read, once waited for: the one the font database must take up.
    const void *configuration() const { return m_configuration; }

private:
    void read();

    std::thread m_thread;
    bool m_found = false;
    const void *m_configuration = nullptr;
};

} // namespace cinemoto
