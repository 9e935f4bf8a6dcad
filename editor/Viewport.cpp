#include "editor/Viewport.h"

#include "editor/CoordMath.h"

#include <algorithm>

namespace {

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Panning's limits on one axis, for a side `view` long in an area side `area` long: a side no
// longer than the area at offset 0, a longer one with its far edge at or past the area's.
qint64 panLimited(qint64 offset, qint64 view, qint64 area)
{
    return view <= area ? 0 : std::clamp<qint64>(offset, area - view, 0);
}

// The offset nearest to `offset` that shows a side no longer than the area wholly, or a longer
// one filling the area.
qint64 inView(qint64 offset, qint64 view, qint64 area)
{
    return view <= area ? std::clamp<qint64>(offset, 0, area - view)
                        : std::clamp<qint64>(offset, area - view, 0);
}

struct Range {
    qint64 lo, hi;
};

// Where a zoomed sheet's side at `offset` may scroll: up to the limits of panning (a side no
// longer than the area: to where it is wholly in view), never further out than it is.
Range scrollRange(qint64 offset, qint64 view, qint64 area)
{
    const qint64 shown = inView(offset, view, area);
    const Range best = view <= area ? Range{shown, shown} : Range{area - view, 0};
    return {std::min(offset, best.lo), std::max(offset, best.hi)};
}

// A zoom about a point off the sheet leaves at least one view pixel of it in the area.
qint64 partlyInView(qint64 offset, qint64 view, qint64 area)
{
    return std::clamp<qint64>(offset, std::min<qint64>(1 - view, area - 1), area - 1);
}

} // namespace

Viewport::Viewport(SizeSource sheetSize, SizeSource areaSize)
    : m_sheetSize(std::move(sheetSize)), m_areaSize(std::move(areaSize))
{}

int Viewport::viewWidth() const
{
    return clampToInt(m_scale.viewLength(m_sheetSize().width()));
}

int Viewport::viewHeight() const
{
    return clampToInt(m_scale.viewLength(m_sheetSize().height()));
}

int Viewport::sheetX(int vx) const
{
    return clampToInt(m_scale.toSheet(vx));
}

int Viewport::sheetY(int vy) const
{
    return clampToInt(m_scale.toSheet(vy));
}

QPoint Viewport::areaToSheet(QPoint area) const
{
    return {clampToInt(m_scale.toSheet(qint64(area.x()) - m_left)),
            clampToInt(m_scale.toSheet(qint64(area.y()) - m_top))};
}

ViewScale Viewport::stepped(int steps) const
{
    ViewScale scale = m_scale;
    for (int i = 0; i < steps; ++i)
        scale = ViewScale::stepIn(scale);
    for (int i = 0; i > steps; --i)
        scale = ViewScale::stepOut(scale);
    return scale;
}

void Viewport::zoomTo(const ViewScale &scale, QPoint about)
{
    // The sheet point under the pixel's corner, as the exact fraction x / den.
    const QPoint corner(m_left, m_top);
    if (!m_zoomAnchor.valid || m_zoomAnchor.at != about || m_zoomAnchor.corner != corner)
        m_zoomAnchor = {true,
                        about,
                        corner,
                        (qint64(about.x()) - m_left) * m_scale.den,
                        (qint64(about.y()) - m_top) * m_scale.den,
                        m_scale.num};
    const Anchor &a = m_zoomAnchor;
    m_scale = scale;
    m_zoomed = true;
    const QSize area = m_areaSize();
    m_left = clampToInt(
        partlyInView(about.x() - floorDiv(a.x * scale.num, a.den * scale.den), viewWidth(), area.width()));
    m_top = clampToInt(
        partlyInView(about.y() - floorDiv(a.y * scale.num, a.den * scale.den), viewHeight(), area.height()));
    m_zoomAnchor.corner = QPoint(m_left, m_top);
}

void Viewport::actualSize(QPoint about)
{
    zoomTo(ViewScale(), about);
    m_zoomed = false;
    clampToPanLimits();
}

void Viewport::fitSheet()
{
    const QSize sheet = m_sheetSize(), area = m_areaSize();
    m_scale = ViewScale::fitting(sheet.width(), sheet.height(), area.width(), area.height());
    m_zoomed = true;
    m_left = clampToInt(floorDiv(qint64(area.width()) - viewWidth(), 2));
    m_top = clampToInt(floorDiv(qint64(area.height()) - viewHeight(), 2));
}

void Viewport::clampToPanLimits()
{
    const QSize area = m_areaSize();
    m_left = clampToInt(panLimited(m_left, viewWidth(), area.width()));
    m_top = clampToInt(panLimited(m_top, viewHeight(), area.height()));
}

void Viewport::scrollBy(int dx, int dy)
{
    const qint64 left = qint64(m_left) - dx, top = qint64(m_top) - dy;
    if (!m_zoomed) {
        m_left = clampToInt(left);
        m_top = clampToInt(top);
        clampToPanLimits();
        return;
    }
    const QSize area = m_areaSize();
    const Range h = scrollRange(m_left, viewWidth(), area.width());
    const Range v = scrollRange(m_top, viewHeight(), area.height());
    m_left = clampToInt(std::clamp(left, h.lo, h.hi));
    m_top = clampToInt(std::clamp(top, v.lo, v.hi));
}

void Viewport::centreOn(QPoint sheet)
{
    const QSize area = m_areaSize();
    const qint64 left = area.width() / 2 - m_scale.toView(sheet.x());
    const qint64 top = area.height() / 2 - m_scale.toView(sheet.y());
    const auto limit = m_zoomed ? inView : panLimited;
    m_left = clampToInt(limit(left, viewWidth(), area.width()));
    m_top = clampToInt(limit(top, viewHeight(), area.height()));
}

bool Viewport::pan(int X, int Y)
{
    if (m_panAnchorX != 0 || m_panAnchorY != 0) {
        m_panStepX = clampToInt(absDiff(m_panAnchorX, X));
        m_panStepY = clampToInt(absDiff(m_panAnchorY, Y));
    }
    if (m_panStepX < 5 && m_panStepY < 5)
        return false;

    // Panning's limits: the sheet's left and top edges never come inside the area, and a sheet
    // larger than the area never leaves a gap on its right or bottom; one smaller than the area
    // does not move towards its far edge. A zoomed sheet moves as it scrolls.
    const QSize area = m_areaSize();
    const auto range = [this](qint64 offset, qint64 view, qint64 areaSide) {
        return m_zoomed ? scrollRange(offset, view, areaSide)
                        : Range{view > areaSide ? areaSide - view : offset, 0};
    };
    const Range h = range(m_left, viewWidth(), area.width());
    const Range v = range(m_top, viewHeight(), area.height());
    m_left = clampToInt(X > m_panAnchorX ? std::min<qint64>(qint64(m_left) + m_panStepX, h.hi)
                                         : std::max<qint64>(qint64(m_left) - m_panStepX, h.lo));
    m_top = clampToInt(Y >= m_panAnchorY ? std::min<qint64>(qint64(m_top) + m_panStepY, v.hi)
                                         : std::max<qint64>(qint64(m_top) - m_panStepY, v.lo));
    return true;
}

void Viewport::scrollStep(Direction direction)
{
    // A pan of 20 pixels from an anchor beside the sheet's corner, as a drag would make it.
    constexpr int kStep = 20;
    const qint64 L = m_left, T = m_top;
    const bool horizontal = direction == Direction::Left || direction == Direction::Right;
    m_panStepX = horizontal ? kStep : 0;
    m_panStepY = horizontal ? 0 : kStep;
    switch (direction) {
    case Direction::Left:
        setPanAnchor(m_left, 0);
        pan(clampToInt(L + kStep), 0);
        break;
    case Direction::Right:
        setPanAnchor(m_left, 0);
        pan(clampToInt(L - kStep), 0);
        break;
    case Direction::Up:
        setPanAnchor(0, clampToInt(T - kStep));
        pan(0, m_top);
        break;
    case Direction::Down:
        setPanAnchor(0, clampToInt(T + kStep));
        pan(0, m_top);
        break;
    }
}

void Viewport::setPanAnchor(int vx, int vy)
{
    m_panAnchorX = vx;
    m_panAnchorY = vy;
}

Viewport::WheelTurn Viewport::wheel(QPoint angleDelta, ShiftState keys)
{
    WheelTurn out;
    const int turn = angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
    if (keys & ssCtrl) {
        out.zoom = true;
        m_wheelTurn += turn;
        out.steps = m_wheelTurn / 120;
        m_wheelTurn -= out.steps * 120;
        return out;
    }
    constexpr int kPixelsPerNotch = 60;
    if (keys & ssShift) {
        out.dx = -turn * kPixelsPerNotch / 120;
    } else {
        out.dx = -angleDelta.x() * kPixelsPerNotch / 120;
        out.dy = -angleDelta.y() * kPixelsPerNotch / 120;
    }
    return out;
}

void Viewport::reset()
{
    m_panStepX = m_panStepY = m_panAnchorX = m_panAnchorY = 0;
    m_left = m_top = 0;
    m_zoomed = !m_scale.isActual();
    m_zoomAnchor.valid = false;
}
