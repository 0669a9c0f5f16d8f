// The settings file (where AppPaths puts it), read once at start-up and
// written once when the program ends. It keeps the Settings records, the
// view options among them.
#pragma once

#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "core/result.h"

namespace vh {

// Paths.SettingsFile.
std::string SettingsPath(const EditorState& s);

// Apply one key as the settings reader does: the key is compared in upper
// case after trimming, the value is trimmed and an empty value is skipped.
// `inToolsSection` decides which threshold "SmoothThreshold" sets. Returns
// false for a key the program does not know (nothing changes then).
bool ApplySetting(Settings& s, const std::string& key, const std::string& value, bool inToolsSection);

// Read a settings file. A missing folder and file are created (empty);
// lines without "=", empty values, unknown keys and garbage are skipped.
// Fails only when the file could not be read at all; the records keep
// whatever they had then.
Status ReadSettingsFile(Settings& s, const std::string& path);
Status ReadSettings(EditorState& s);

// Apply the lines of a settings file's text, as ReadSettingsFile does.
void ApplySettingsText(Settings& s, std::string_view text);

// The settings file's text.
std::string SettingsText(const Settings& s);

// Write the settings atomically, creating the folder when needed.
Status WriteSettingsFile(const Settings& s, const std::string& path);
Status WriteSettings(const EditorState& s);

}  // namespace vh
