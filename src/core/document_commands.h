// The "&File" commands that deal with documents, and Quit, run against
// Prompts so they work headless. The window calls them and then shows the
// new state (its controls, s.Doc.Caption) and follows LoopRunning. The
// document and settings files themselves are read and written by document.h
// and settings.h; what a command does around that (log lines, the recent
// list, the caption, messages, the main loop) happens here.
#pragma once

#include <string>

#include "core/editor_state.h"
#include "core/prompts.h"
#include "core/result.h"

namespace vh {

constexpr const char* kMapFileFilter = "Varnholm Map Files (*.vhm)|*.vhm";
constexpr const char* kOpenMapTitle = "Open Varnholm Map File.";
constexpr const char* kSaveMapTitle = "Save Varnholm Map File.";

// Write the document to path; then the log line "VHM SAVE : Saving File " +
// path, DocClean true and the path added to the recent list. On failure
// nothing changes and an existing file stays whole.
Status WriteDocument(EditorState& s, const std::string& path);

// Open a document. A refused version gets the old-format message, its log
// line, the caption "Varnholm" and DocClean true; a damaged or unreadable
// file gets a message and changes nothing. On success: DocPath, DocTitle,
// caption and DocClean, the reset, the terrain and the stored settings, "Export
// .MAP Again" when the document names an export, the log line, the view told
// of the new terrain, the recent list and LoopRunning. True when opened.
bool ReadDocument(EditorState& s, const std::string& path, const std::string& title, Prompts& prompts);

// The unsaved-changes prompt: with DocClean false, asks "Save changes to " +
// DocTitle (Yes/No/Cancel, title "Save File?"); Yes saves first. True when
// the command goes on (clean document, No, or Yes and the save happened),
// false on Cancel or when the save did not happen.
bool AskToSaveChanges(EditorState& s, Prompts& prompts);

// Folder the open and save dialogs start in: the folder of DocPath when it
// names a .vhm file, else that of recent entry 1 when it does, else
// Paths.DialogFolder.
std::string DocumentDialogFolder(const EditorState& s);

// New: after the prompt the main loop is stopped. True when the New Map
// dialog should be shown.
bool CommandNew(EditorState& s, Prompts& prompts);

// Open: after the prompt, the open dialog; a name typed without an
// extension gets ".vhm"; a name ending in ".vhm" (any case) is read, any
// other name is ignored. True when a document was
// opened (LoopRunning is then set and the window runs its loop).
bool CommandOpen(EditorState& s, Prompts& prompts);

// Recent item k (1..8): after the prompt, reads entry k when it is not empty.
bool CommandOpenRecent(EditorState& s, Prompts& prompts, int k);

// Save: writes to DocPath, or runs Save As when there is none. A failed
// write is reported in a message. True when the document was written.
bool CommandSave(EditorState& s, Prompts& prompts);

// Save As: the save dialog preset to DocPath; a name typed without an
// extension gets ".vhm"; a name ending in ".vhm" becomes DocPath/DocTitle/
// caption and is written. True when written.
bool CommandSaveAs(EditorState& s, Prompts& prompts);

// "&Close" and the window's close box. True when the program ends (the loop
// is stopped and the settings are written); false when the user cancelled
// or answered Yes and the save did not happen.
bool Quit(EditorState& s, Prompts& prompts);
bool Quit(EditorState& s, Prompts& prompts, const std::string& settingsPath);

}  // namespace vh
