// The list of recently used documents (EditorState::Recent[1..8], entry 1 the
// most recent) and the captions the "&File" menu shows for it.
#pragma once

#include <string>

#include "core/settings_records.h"

namespace vh {

constexpr int kRecentCount = 8;

// Put path first: an entry equal to it (exact comparison) moves to the top,
// otherwise everything moves down one and the last entry is dropped. Then
// every entry is trimmed of blanks.
void AddRecent(Settings& s, const std::string& path);

// Caption of recent item k: the path itself when shorter than 32 characters,
// else "&k. " + first 3 characters + "..." + the last 26 characters from their
// first "/" on (all 26 when they hold none). Characters, not bytes, of the
// UTF-8 path are counted.
std::string RecentCaption(int k, const std::string& path);

}  // namespace vh
