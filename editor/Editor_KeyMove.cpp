// Ctrl+arrow keys: move the selection by one pixel.
#include "editor/Editor.h"
#include "editor/GroupMove.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <limits>

namespace {

// m_sel.keyMoveActive holds only while the move runs, also when the move fails half-way.
class KeyMoveScope {
public:
    explicit KeyMoveScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~KeyMoveScope() { m_flag = false; }
    KeyMoveScope(const KeyMoveScope &) = delete;
    KeyMoveScope &operator=(const KeyMoveScope &) = delete;

private:
    bool &m_flag;
};

void requireInt(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConvertError(notAnIntegerMessage(IntToStr(value)));
}

} // namespace

void Editor::ObjMoveOnCanvas(Direction direction)
{
    if (!m_sel.elementSelected() || locked())
        return;
    const qint64 oldX = StrToInt(m_ui.text(Ctl::XEdit));
    const qint64 oldY = StrToInt(m_ui.text(Ctl::YEdit));
    qint64 x = oldX;
    qint64 y = oldY;
    switch (direction) {
    case Direction::Left:
        --x;
        break;
    case Direction::Up:
        --y;
        break;
    case Direction::Right:
        ++x;
        break;
    case Direction::Down:
        ++y;
        break;
    }
    // A result beyond the int range is refused before anything changes.
    requireInt(x);
    requireInt(y);
    const qint64 dx = oldX - x;
    const qint64 dy = oldY - y;
    if (m_multi.count() >= 2)
        checkGroupMove(m_doc.tables(), m_multi.list(), !m_ui.text(Ctl::CaptionEdit).isEmpty(), dx, dy);

    m_ui.setText(Ctl::XEdit, IntToStr(x));
    m_ui.setText(Ctl::YEdit, IntToStr(y));
    const Document::Step step(m_doc, tr("Move"));
    KeyMoveScope scope(m_sel.keyMoveActive);
    ChangePropSelection(dx, dy, ApplyStyle::Keep);
}
