#pragma once

#include "app/Glyphs.h"
#include "editor/Command.h"
#include "editor/EditorUi.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>

class MainWindow;

// Where a command's menu item is: nowhere (keys only), the popup menu, or one of its submenus.
enum class Menu : unsigned char { None, Popup, Align };

// What a command does to the Menu button's latch (MainWindow::menuLatched): nothing, or clear
// it as it starts, or once it is done.
enum class Latch : unsigned char { Kept, ClearedBefore, ClearedAfter };

// Whether a command has a check mark in its menu item, and how it starts.
enum class Check : unsigned char { None, Off, On };

// One command of the window: its action (keys), its menu item and its toolbar button come from
// this row. Texts are marked with QT_TRANSLATE_NOOP in the MainWindow context.
struct CommandRow {
    Command id;
    const char *name; // the action's object name, "...Action"; the menu item's is "...Item"
    const char *text;
    std::array<QKeyCombination, 2> keys{}; // the first is the one the menu item shows
    void (*run)(MainWindow &) = nullptr;
    Latch latch = Latch::Kept; // a toolbar button keeps the latch
    Menu menu = Menu::None;    // menu items stand in the order of the table
    bool separatorBefore = false;
    const char *menuText = nullptr;    // the menu item's own text instead of the action's
    std::optional<Glyph> glyph{};      // the menu item's picture and the toolbar button's glyph
    const char *toolbarHint = nullptr; // a toolbar button with this hint
    // The editing logic (Editor::updateCommandStates) or the window switches the command on and
    // off through its own id (actionCtl) or through the id of its group.
    bool enabledAtStart = true;
    std::optional<Ctl> group{};
    Check check = Check::None;
};

// A submenu of the popup menu: it stands where its first row's item would.
struct SubmenuRow {
    Menu id;
    const char *name;
    const char *text;
};

// Every command, in the order of the menu; the commands without a menu item come last.
std::span<const CommandRow> commandTable();
const CommandRow &commandRow(Command id);
std::span<const SubmenuRow> submenuTable();

// A command's text and keys as the window shows them (translated, in the platform's words).
QString commandText(const CommandRow &row);
QList<QKeySequence> commandKeys(const CommandRow &row);
