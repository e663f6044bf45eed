#include "bench/Bench.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

GapMeter::GapMeter()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        m_maxGapNs = std::max(m_maxGapNs, m_sinceTick.nsecsElapsed());
        m_sinceTick.restart();
    });
}

void GapMeter::Start()
{
    m_maxGapNs = 0;
    m_timer.start();
    m_sinceTick.start();
}

double GapMeter::StopMs()
{
    m_maxGapNs = std::max(m_maxGapNs, m_sinceTick.nsecsElapsed());
    m_timer.stop();
    return static_cast<double>(m_maxGapNs) / 1e6;
}

std::unique_ptr<QTableView> ShowTable(QAbstractItemModel* model)
{
    auto view = std::make_unique<QTableView>();
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->resize(900, 600);
    view->show();
    QApplication::processEvents();
    return view;
}

void TimeWatched(CaseResult& result, const std::function<void()>& prepare,
                 const std::function<void()>& body)
{
    GapMeter gaps;
    result.seconds = 0;
    result.maxGapMs = 0;
    for (int run = 0; run < kRepeats; ++run) {
        prepare();
        QApplication::processEvents();
        gaps.Start();
        QElapsedTimer clock;
        clock.start();
        body();
        QApplication::processEvents();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        result.maxGapMs = std::max(result.maxGapMs, gaps.StopMs());
        result.seconds = run == 0 ? seconds : std::min(result.seconds, seconds);
    }
}

double TimeRaw(const std::function<void()>& prepare, const std::function<void()>& body)
{
    double best = 0;
    for (int run = 0; run < kRepeats; ++run) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        body();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        best = run == 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

void TimeInTurns(CaseResult& result, const std::function<void()>& prepare, const std::function<void()>& baseline,
                 const std::function<void()>& ours)
{
    constexpr int kRounds = 3;
    result.baselineSeconds = 1e9;
    result.seconds = 1e9;
    result.maxGapMs = 0;
    for (int round = 0; round < kRounds; ++round) {
        result.baselineSeconds = std::min(result.baselineSeconds, TimeRaw(prepare, baseline));
        CaseResult run;
        TimeWatched(run, prepare, ours);
        result.seconds = std::min(result.seconds, run.seconds);
        result.maxGapMs = std::max(result.maxGapMs, run.maxGapMs);
    }
}
