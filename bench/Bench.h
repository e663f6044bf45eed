#pragma once

#include "platform/PassProgress.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

class QAbstractItemModel;
class QTableView;

// What every case is given: its size and a temporary folder for its fixtures.
struct BenchContext {
    std::size_t files;     // the case's N
    std::string scratch;   // an empty temporary folder, ending with "/"
};

// One output line.
struct CaseResult {
    std::size_t n = 0;
    double seconds = 0;
    double baselineSeconds = 0;
    double maxGapMs = 0;
};

// How long the event loop goes without processing events: a 1 ms timer notes the largest gap
// between its ticks, which come only when the code under test lets events through.
class GapMeter {
public:
    GapMeter();
    void Start();
    // The largest gap since Start, up to now.
    double StopMs();

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_maxGapNs = 0;
};

// A loop's progress as a window without a Stop press sees it: go on, and let events through
// every 15 ms.
class PumpingProgress : public PassProgress {
public:
    bool Continue() override { return true; }
    void Advance(std::size_t) override { m_pump.Pump(); }

private:
    EventPump m_pump;
};

// A shown report-style list over model, as the main window's lists are.
std::unique_ptr<QTableView> ShowTable(QAbstractItemModel* model);

inline constexpr int kRepeats = 3;

// Runs body kRepeats times after prepare (not timed) with a GapMeter watching; the best time
// goes to seconds and the worst gap to maxGapMs. The body ends by letting pending events
// (the view's repaint) through.
void TimeWatched(CaseResult& result, const std::function<void()>& prepare,
                 const std::function<void()>& body);

// The best of kRepeats runs of body after prepare (not timed).
double TimeRaw(const std::function<void()>& prepare, const std::function<void()>& body);

// The baseline and ours take turns, a few rounds of TimeRaw and TimeWatched each, and each side
// keeps its best: where the disk's write-back makes single runs swing widely, a swing then
// falls on one run rather than on one side.
void TimeInTurns(CaseResult& result, const std::function<void()>& prepare, const std::function<void()>& baseline,
                 const std::function<void()>& ours);
