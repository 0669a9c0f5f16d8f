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
#include "core/result.h"

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

// The bytes of a document. Invalid when it cannot be stored, e.g. a text
// longer than 65535 bytes or arrays that disagree with the counts.
Result<std::string> EncodeDocument(const Terrain& t, const DocumentSettings& d);

// Decode and validate document bytes. Refused (Version for another version
// or an empty file, Damaged otherwise) only what cannot be used: a cut-off
// file, impossible counts, square records that do not match the grid, and
// coordinates or heights that are not finite numbers. `name` only appears in
// messages.
Result<DocumentData> DecodeDocument(std::string_view bytes, const std::string& name);

// Read and decode a file (Unreadable when it cannot be read).
Result<DocumentData> LoadDocumentFile(const std::string& path);

// Write the document for t and d atomically. A terrain whose document could
// not be opened again (a height that is not a number) is not written; on any
// failure an existing file stays whole.
Status SaveDocumentFile(const std::string& path, const Terrain& t, const DocumentSettings& d);

// Copy a decoded document into s: header fields 5 to 25, then the terrain
// replaces the current one (ReplaceTerrain: the observers rebuild from it).
// No reset, log or prompts.
void ApplyDocument(EditorState& s, const DocumentData& d);

// Headless loading for tools such as the CLI: defaults are kept, the document
// replaces the terrain, DocPath/DocTitle are set and TerrainExists is true.
// When the file is refused s is untouched.
Status LoadDocumentInto(EditorState& s, const std::string& path);

// Runs an edit of the settings a document stores (export options, brush and
// editor textures, last export path) and marks the document changed when
// any of them changed.
void EditDocumentSettings(EditorState& s, const std::function<void(EditorState&)>& edit);

// The caption for a document title: title + " - Varnholm".
std::string DocumentCaption(const std::string& title);

}  // namespace vh
