#pragma once

#include "platform/PassProgress.h"

#include <cstdint>

// Lets a pass go on until `limit` items are done, as a Stop pressed then would.
class CountingProgress : public PassProgress {
public:
    explicit CountingProgress(std::size_t limit = SIZE_MAX)
        : m_limit(limit)
    {
    }
    bool Continue() override { return m_done < m_limit; }
    void Advance(std::size_t) override { ++m_done; }

private:
    std::size_t m_limit;
    std::size_t m_done = 0;
};
