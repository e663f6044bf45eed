#pragma once

#include "platform/VectorState.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstddef>

// What a long loop (a pass, a walk, a listing) asks of its window, so the loop itself needs no
// widgets: whether to go on before every item, and a point after every item where the window
// may repaint and see its Stop button.
class PassProgress {
public:
    virtual ~PassProgress() = default;

    // Before every item: false ends the loop (Stop was pressed, or newer work took its place).
    virtual bool Continue() = 0;

    // After item `index`.
    virtual void Advance(std::size_t index) = 0;
};

// Lets the window process pending events once about 15 ms have passed since the last time,
// not after every item, so a loop over 100,000 items costs little and the window stays live.
class EventPump {
public:
    EventPump()
    {
        ClearUpperVectorState();
        m_sinceLast.start();
    }

    // The time has come to let events through; a caller may refresh its progress display first.
    bool Due() const { return m_sinceLast.elapsed() >= 15; }

    void Pump()
    {
        if (!Due())
            return;
        QCoreApplication::processEvents();
        ClearUpperVectorState();
        m_sinceLast.restart();
    }

private:
    QElapsedTimer m_sinceLast;
};
