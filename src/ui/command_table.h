// The main window's commands in one table. A row is a menu, menu item,
// separator, toolbar button or toolbar drop-down entry: where it sits, its
// object name (the handle tests and other windows use), caption, shortcut,
// whether it keeps a check mark, which CommandStates entry it shows, and the
// handler it runs. The window builds its menus, toolbar and shortcuts from
// the rows in order; a new command is a new row (and, when its state is new,
// a CommandStates entry with its rule).
#pragma once

#include <array>
#include <span>

#include "core/command_states.h"

namespace vh::ui {

class MainWindowServices;

// Where a row sits.
enum class Place {
    None,
    MenuBar,
    File,
    Export,
    Edit,
    View,
    Highlight,
    Tool,
    Radius,
    Map,
    Grid,
    Help,
    Toolbar,
    RadiusButton,  // the drop-down of "tbRadius"
    GridButton,    // the drop-down of "tbGrid"
};

enum class Kind {
    Item,       // runs its handler
    Check,      // the same, shown with a check mark or as a pressed button
    Menu,       // holds the rows of `opens`; a toolbar button with a drop-down is an Item that opens one
    Separator,  // a line; one with a state shows or hides with it
};

// The CommandStates entry a row shows: a member, or item `index` of an array.
struct StateRef {
    ControlState CommandStates::*member = nullptr;
    std::array<ControlState, 9> CommandStates::*array = nullptr;
    int index = 0;

    constexpr StateRef() = default;
    constexpr StateRef(ControlState CommandStates::*m) : member(m) {}
    constexpr StateRef(std::array<ControlState, 9> CommandStates::*a, int i) : array(a), index(i) {}

    bool Empty() const { return !member && !array; }
    const ControlState& Of(const CommandStates& c) const { return member ? c.*member : (c.*array)[index]; }
};

// A handler gets the window's services and the row's argument (a tool, a
// render mode, a view switch, a radius, a grid or recent-file position).
using Handler = void (*)(MainWindowServices& services, int arg);

struct Command {
    Place place;
    Kind kind;
    const char* name;      // object name; "" for a plain separator
    const char* caption;   // menu text or a toolbar button's tooltip; "" shows the state's caption
    const char* shortcut;  // as QKeySequence reads it; "" for none
    StateRef state;        // empty: always enabled, never checked
    Handler run = nullptr;
    int arg = 0;
    Place opens = Place::None;
};

// Every row, in the order the controls appear.
std::span<const Command> CommandTable();

// Whether a click on the row's control is a toolbar click (which drops the
// picked square first).
bool OnToolbar(const Command& row);

}  // namespace vh::ui
