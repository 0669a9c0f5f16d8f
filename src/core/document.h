// The .vhm map document: a little-endian binary file holding the header
// (version "200", counts, export settings, brush and editor textures), every
// point (14 bytes) and every square (48 bytes), then the map's compile-ready
// choices when it uses any (core/map_choices.h). Other bytes after the last
// square are ignored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor_state.h"
#include "core/map_choices.h"
#include "core/prompts.h"

namespace vh {

constexpr const char* kDocumentVersion = "200";
constexpr int kPointRecordBytes = 14;
constexpr int kSquareRecordBytes = 48;
constexpr const char* kUnsupportedVersionText = "Sorry, VH 2.0.0 does not support older .VHM files.";

// What a document stores beside its terrain: header fields 5 to 25.
struct DocumentSettings {
    std::string LastExportPath;
    ExportSettings Export;
    BrushTextures Brushes;
    EditorTextures Textures;
    MapChoices Choices;  // after the squares, only when used
};

// Everything a document holds, decoded and checked; the terrain's arrays are
// 1-based like the editor's.
struct DocumentData : DocumentSettings {
    vh::Terrain Terrain;
};

// The editor's settings that a document stores.
DocumentSettings DocumentSettingsOf(const EditorState& s);

enum class DocumentError {
    None,
    Unreadable,  // the file could not be opened or read
    Version,     // the version field is not "200" (also an empty file)
    Damaged,     // truncated, inconsistent or out-of-range contents
};

struct DocumentLoad {
    DocumentError Error = DocumentError::None;
    std::string Message;  // one line, for the user; empty on success
    DocumentData Data;
    bool Ok() const { return Error == DocumentError::None; }
};

// The bytes of a document. False (with *error) when it cannot be stored,
// e.g. a text longer than 65535 bytes or arrays that disagree with the counts.
bool EncodeDocument(const Terrain& t, const DocumentSettings& d, std::string* bytes, std::string* error);

// Decode and validate document bytes; nothing outside the result is touched.
// Refused only what cannot be used: a cut-off file, impossible counts,
// square records that do not match the grid, and coordinates or heights
// that are not finite numbers. `name` only appears in messages.
DocumentLoad DecodeDocument(std::string_view bytes, const std::string& name);

// Read and decode a file without touching any editor state.
DocumentLoad LoadDocumentFile(const std::string& path);

// Copy a decoded document into s: the terrain, room for its undo history,
// header fields 5 to 25. No reset, log, prompts or view hooks.
void ApplyDocument(EditorState& s, const DocumentData& d);

// Headless loading for tools such as the CLI: defaults are kept, the document
// replaces the terrain, DocPath/DocTitle are set and TerrainExists is true.
// False (with *error) when the file is refused; s is then untouched.
bool LoadDocumentInto(EditorState& s, const std::string& path, std::string* error);

// Save: atomic write of the document, then the log line, DocClean true and
// the path added to the recent list. On failure nothing changes, the old
// file stays whole and *error tells why.
bool WriteDocument(EditorState& s, const std::string& path, std::string* error);

// Open: a refused version gets the old-format message, the caption "Varnholm"
// and DocClean true; a damaged or unreadable file gets a message and changes
// nothing. On success the editor is reset, the terrain replaced, the view told
// (OnTerrainReplaced), the path added to the recent list and LoopRunning set;
// a stored export path offers "Export .MAP Again".
// True when the document was opened.
bool ReadDocument(EditorState& s, const std::string& path, const std::string& title, Prompts& prompts);

// Runs an edit of the settings a document stores (export options, brush and
// editor textures, last export path) and marks the document changed when
// any of them changed.
void EditDocumentSettings(EditorState& s, const std::function<void(EditorState&)>& edit);

// The caption for a document title: title + " - Varnholm".
std::string DocumentCaption(const std::string& title);

}  // namespace vh
