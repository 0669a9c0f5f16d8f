// The list of recently used documents (EditorState::Recent[1..8], entry 1 the
// most recent) and the "&File" menu items that show it.
#pragma once

#include <string>

#include "core/editor_state.h"

namespace vh {

constexpr int kRecentCount = 8;

// Put path first: an entry equal to it (exact comparison) moves to the top,
// otherwise everything moves down one and the last entry is dropped. Then
// the menu is refreshed.
void AddRecent(EditorState& s, const std::string& path);

// Trim every entry, and write caption and visibility of cmdRM[1..8] and the
// separator cmdRmbSpace.
void RefreshRecentMenu(EditorState& s);

// Caption of recent item k: the path itself when shorter than 32 characters,
// else "&k. " + first 3 characters + "..." + the last 26 characters from their
// first "/" on (all 26 when they hold none). Characters, not bytes, of the
// UTF-8 path are counted.
std::string RecentCaption(int k, const std::string& path);

}  // namespace vh
