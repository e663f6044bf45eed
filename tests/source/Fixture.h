#pragma once

#include "platform/PassProgress.h"

#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

// Builds folders of real entries under a temporary folder for the listing and walk tests.
inline void WriteFile(const std::string& path, std::size_t size = 0)
{
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
}

inline void MakeFolder(const std::string& path)
{
    QVERIFY(mkdir(path.c_str(), 0755) == 0);
}

inline void MakeFifo(const std::string& path)
{
    QVERIFY(mkfifo(path.c_str(), 0644) == 0);
}

// Goes on for `limit` entries, then stops; counts the entries it was asked about afterwards,
// which a loop that heeds Stop never asks.
class StopAfter : public PassProgress {
public:
    explicit StopAfter(std::size_t limit = SIZE_MAX)
        : m_limit(limit)
    {
    }

    bool Continue() override
    {
        if (m_asked++ < m_limit)
            return true;
        ++m_askedAfterStop;
        return false;
    }
    void Advance(std::size_t) override {}

    std::size_t AskedAfterStop() const { return m_askedAfterStop; }

private:
    std::size_t m_limit;
    std::size_t m_asked = 0;
    std::size_t m_askedAfterStop = 0;
};
