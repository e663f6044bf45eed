#pragma once

#include "platform/PassProgress.h"

class QProgressBar;

// A pass's progress as the main window shows it: the loop goes on until the window's stop
// flag is set, and the bar moves whenever the window gets to process events.
class WindowProgress : public PassProgress {
public:
    explicit WindowProgress(const bool& stopFlag, QProgressBar* bar = nullptr);

    bool Continue() override;
    void Advance(std::size_t index) override;

private:
    const bool& m_stopFlag;
    QProgressBar* m_bar;
    EventPump m_pump;
};
