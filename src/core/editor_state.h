// The editor's state: the user's settings, the terrain and the session's
// records, the current tool and the services. Passed by reference to the
// command layer and the main loop; everything below them takes the records
// it works on. The menus and toolbar show this state (ComputeCommandStates)
// and keep none of their own.
#pragma once

#include <string>

#include "core/app_paths.h"
#include "core/editor_records.h"
#include "core/map_choices.h"
#include "core/random.h"
#include "core/settings_records.h"
#include "core/terrain.h"
#include "core/terrain_edit.h"

namespace vh {

enum class Tool { None = 0, RaiseLower, Mountain, Smooth, Noise, Flatten, TouchUp };

// The settings records (Window, View, NewMap, Tools, Export, Camera,
// Brushes, Textures, Recent) come from the base, so the settings reader and
// writer take exactly what the file keeps.
struct EditorState : Settings {
    AppPaths Paths;  // assets, settings file, log, dialog folder

    vh::Terrain Terrain;
    UndoHistory History;
    DocumentInfo Doc;
    MapChoices Choices;  // kept in the document; cleared by a reset
    StrokeState Stroke;
    CameraPose Pose;

    // The tool the main loop applies to the picked square; always one.
    Tool CurrentTool = Tool::RaiseLower;

    bool LoopRunning = false;

    // Services.
    RandomSource Rnd;
    std::string LogPath;  // empty: logging off
    TerrainObservers Observers;  // told of every change to the terrain (the view)
};

// Every setting back to its default; editor texture paths under the assets
// folder, the log at paths.LogFile; DocClean true, no undo, camera at its
// start, nothing picked.
void SetDefaults(EditorState& s, const AppPaths& paths);
// The same for the portable layout below programFolder.
void SetDefaults(EditorState& s, const std::string& programFolder);

// The document's content (heights, locks, or a setting the document stores)
// changed: it now has unsaved changes. Every such change calls this.
void MarkDocumentChanged(EditorState& s);

// The height funnel for one pass over the editor's terrain, with the locked
// rule of "&Ignore Locked Points" and the editor's observers.
HeightEdit EditHeights(EditorState& s);

// A generated or opened terrain replaces the current one: its heights kept
// finite, room in the undo history for its points, the observers told.
void ReplaceTerrain(EditorState& s, Terrain t);

// Make `tool` current; the radius menu shows its radius (see
// ToolSettings::RadiusChoice). Tool::None changes nothing.
void SetCurrentTool(EditorState& s, Tool tool);

// The radius field of a tool (RaiseLowerRadius, SmoothRadius, NoiseRadius or
// FlattenRadius); nullptr for mountain/valley and touch-up, whose radius is
// not the radius menu's.
int* RadiusField(ToolSettings& t, Tool tool);

}  // namespace vh
