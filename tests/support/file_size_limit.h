#pragma once

#include <csignal>
#include <sys/resource.h>

namespace cinemoto::test {

// While it lives, the kernel refuses to grow any file of this process past `bytes`: a
// write fails half-way, as it does when a disk or a quota fills up.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = m_old;
        tiny.rlim_cur = bytes;
        m_set = m_set && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool isSet() const { return m_set; }

private:
    struct rlimit m_old {};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};

} // namespace cinemoto::test
