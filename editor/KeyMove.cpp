// Ctrl+arrow keys: move the selection by one pixel.
#include "editor/Editor.h"
#include "editor/GroupMove.h"
#include "toolkit/Errors.h"
#include "toolkit/IntText.h"

#include <limits>

namespace {

// KeyMoveActive holds only while the move runs, also when the move fails half-way.
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

void Editor::ObjMoveOnCanvas(int direction)
{
    if ((SelectedKind != 1 && SelectedKind != 2) || locked())
        return;
    const qint64 oldX = StrToInt(ui.text(Ctl::XEdit));
    const qint64 oldY = StrToInt(ui.text(Ctl::YEdit));
    qint64 x = oldX;
    qint64 y = oldY;
    switch (direction) {
    case 0:
        --x;
        break;
    case 1:
        --y;
        break;
    case 2:
        ++x;
        break;
    case 3:
        ++y;
        break;
    default:
        return;
    }
    // A result beyond the int range is refused before anything changes.
    requireInt(x);
    requireInt(y);
    const qint64 dx = oldX - x;
    const qint64 dy = oldY - y;
    if (ListShiftObj.count() >= 2)
        checkGroupMove(tables, ListShiftObj, !ui.text(Ctl::CaptionEdit).isEmpty(), dx, dy);

    ui.setText(Ctl::XEdit, IntToStr(x));
    ui.setText(Ctl::YEdit, IntToStr(y));
    KeyMoveScope scope(KeyMoveActive);
    ChangePropSelection(dx, dy, true);
}
