#include "app/WindowProgress.h"

#include <QProgressBar>

WindowProgress::WindowProgress(const bool& stopFlag, QProgressBar* bar)
    : m_stopFlag(stopFlag)
    , m_bar(bar)
{
}

bool WindowProgress::Continue()
{
    return !m_stopFlag;
}

void WindowProgress::Advance(std::size_t index)
{
    if (!m_pump.Due())
        return;
    if (m_bar)
        m_bar->setValue(static_cast<int>(index));
    m_pump.Pump();
}
