#pragma once

#include "editor/Editor.h"

// The editor's inner state, for tests and benchmarks that set up a situation directly instead
// of through the commands that would lead to it.
struct EditorTestAccess {
    static Selection &selection(Editor &e) { return e.m_sel; }
    static MultiSelection &multi(Editor &e) { return e.m_multi; }
    static Gesture &gesture(Editor &e) { return e.m_gesture; }
    static Viewport &viewport(Editor &e) { return e.m_view; }
    // The sheet's corner where no command would put it, e.g. before a resize shrank the sheet.
    static void setSheetLeft(Editor &e, int left) { e.m_view.m_left = left; }
    static void setSheetTop(Editor &e, int top) { e.m_view.m_top = top; }
    static DamageLog &overlayDamage(Editor &e) { return e.m_overlayDamage; }
    static void ChangeCoordObj(Editor &e, qint64 dx, qint64 dy) { e.ChangeCoordObj(dx, dy); }
    static void DeleteElementModel(Editor &e, int row, const StringGrid &table)
    {
        e.DeleteElementModel(row, table);
    }
};
