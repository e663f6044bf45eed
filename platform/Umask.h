#pragma once

#include <sys/stat.h>

// The process's file mode creation mask. The program never changes it, so it is read once.
inline mode_t ProcessUmask()
{
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    return mask;
}
