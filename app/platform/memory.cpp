#include "app/platform/memory.h"

#include <QCoreApplication>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace cinemoto {

void returnFreedMemorySoon()
{
#if defined(__GLIBC__)
    static bool pending = false;
    if (pending || !QCoreApplication::instance())
        return;
    pending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        pending = false;
        malloc_trim(0);
    });
#endif
}

void useOneHeapForAllThreads()
{
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace cinemoto
