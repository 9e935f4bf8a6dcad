#include "render/IncrementalScene.h"

#include <QScopeGuard>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>

namespace {

// A thread kept for the process that builds mirrors one after another: starting a thread for
// each build would cost more than mirroring a small scheme.
class BuildThread {
public:
    std::future<void> run(std::function<void()> job)
    {
        std::packaged_task<void()> task(std::move(job));
        std::future<void> done = task.get_future();
        {
            const std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(task));
            if (!m_thread.joinable())
                m_thread = std::jthread([this](std::stop_token stop) { serve(stop); });
        }
        m_wake.notify_one();
        return done;
    }

private:
    void serve(std::stop_token stop)
    {
        std::unique_lock lock(m_mutex);
        while (m_wake.wait(lock, stop, [this] { return !m_jobs.empty(); })) {
            std::packaged_task<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::deque<std::packaged_task<void()>> m_jobs;
    std::jthread m_thread; // last: stopped and joined before the rest goes
};

qint64 areaOf(const std::vector<PixelBox> &boxes)
{
    qint64 area = 0;
    for (const PixelBox &box : boxes)
        area += box.area();
    return area;
}

} // namespace

IncrementalScene::~IncrementalScene()
{
    settle();
}

void IncrementalScene::settle()
{
    if (m_building.valid())
        m_building.get(); // does not throw: the build catches
}

void IncrementalScene::invalidate()
{
    settle();
    clear();
}

void IncrementalScene::clear()
{
    m_mirror.clear();
    m_damage.reset(0, 0);
    m_repaint.reset(0, 0);
}

void IncrementalScene::rebuild(const ElementTables &tables, const Canvas &canvas,
                               const TextList &multiSelection)
{
    settle();
    m_buildHere = false;
    build(tables, {canvas.width(), canvas.height(), canvas.font().pixelSize}, multiSelection, false);
}

void IncrementalScene::rebuildInBackground(const ElementTables &tables, const Canvas &canvas,
                                           const TextList &multiSelection)
{
    settle();
    if (m_buildHere) {
        rebuild(tables, canvas, multiSelection);
        return;
    }
    invalidate();
    const SceneMirror::SheetFacts sheet{canvas.width(), canvas.height(), canvas.font().pixelSize};
    static BuildThread thread;
    m_building = thread.run([this, &tables, sheet, selection = multiSelection] {
        try {
            if (build(tables, sheet, selection, true) == SceneMirror::Built::NeedsShaping)
                m_buildHere = true;
        } catch (...) {
            clear(); // out of memory: the next redraw is a full one
        }
    });
}

SceneMirror::Built IncrementalScene::build(const ElementTables &tables, SceneMirror::SheetFacts sheet,
                                           const TextList &multiSelection, bool offThread)
{
    clear();
    m_damage.reset(sheet.width, sheet.height);
    m_repaint.reset(sheet.width, sheet.height);
    const SceneMirror::Built built = m_mirror.build(tables, sheet, multiSelection, offThread);
    if (built != SceneMirror::Built::Done)
        clear();
    return built;
}

void IncrementalScene::noteChange(const SchemeChange &change, bool forward)
{
    settle();
    if (m_mirror.valid() && !m_mirror.follow(change, forward))
        invalidate();
}

void IncrementalScene::touchRow(TableId table, int row)
{
    settle();
    if (m_mirror.valid() && !m_mirror.touchRow(table, row))
        invalidate();
}

IncrementalScene::Outcome IncrementalScene::redraw(Canvas &canvas, const TextList &multiSelection,
                                                   std::vector<Midpoint> &midpoints)
{
    settle();
    midpoints.clear();
    m_lastPixels = 0;
    if (m_mirror.valid() && !m_repaint.fits(canvas))
        invalidate();
    if (!m_mirror.valid())
        return Outcome::Rebuild;

    m_mirror.followSelection(multiSelection);
    // Taking a quarter of the items out of their tiles one by one costs more than mirroring
    // the tables anew after the full redraw that such a change needs anyway.
    if (m_mirror.changedCount() * 4 > m_mirror.itemCount()) {
        invalidate();
        return Outcome::Rebuild;
    }
    if (!m_mirror.updateChanged()) {
        // The full redraw stops at the bad cell as it always has.
        invalidate();
        return Outcome::Rebuild;
    }
    m_mirror.takeMidpoints(midpoints);

    // The damage is for this redraw only, whatever happens.
    const auto forget = qScopeGuard([this] { m_damage.clear(); });
    const std::vector<PixelBox> boxes = m_damage.mergedBoxes();
    const qint64 area = areaOf(boxes) + areaOf(m_damage.strokeBoxes());
    // Past a quarter of the sheet the threaded full redraw is the faster way.
    if (m_damage.overflowed() || area * 4 > qint64(m_mirror.width()) * m_mirror.height()) {
        midpoints.clear();
        return Outcome::FullRedraw;
    }
    m_repaint.repaint(canvas, boxes, area);
    m_lastPixels = area;

    canvas.setBrushColor(clWhite);
    m_repaint.replayLastDrawing(canvas);
    return Outcome::Drawn;
}

std::optional<int> IncrementalScene::topRectangleAt(Coord x, Coord y, const StringGrid &rectangles,
                                                    int pixelSize) const
{
    if (building())
        return std::nullopt;
    return m_mirror.topRectangleAt(x, y, rectangles, pixelSize);
}

std::optional<std::vector<int>> IncrementalScene::lineRowsAttachedTo(const QString &name) const
{
    if (building())
        return std::nullopt;
    return m_mirror.lineRowsAttachedTo(name);
}
