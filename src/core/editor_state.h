// The editor's one state record: settings, terrain, undo, document and
// run-time flags. Passed by reference; never a global.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/app_paths.h"
#include "core/command_states.h"
#include "core/random.h"
#include "core/terrain.h"

namespace vh {

struct Vec3f {
    float x = 0, y = 0, z = 0;
};

struct EditorState {
    // ---- program ----
    AppPaths Paths;  // assets, settings file, log, dialog folder

    // ---- document and terrain ----
    std::string DocPath;
    std::string DocTitle;
    int16_t DocClean = -1;
    int16_t TerrainExists = 0;
    float PointCount = 0, SquareCount = 0, PointsPerRow = 0;
    std::string LastExportPath;
    std::vector<TerrainPoint> Points;    // [1..PointCount]; [0] unused
    std::vector<TerrainSquare> Squares;  // [1..SquareCount]; [0] unused
    int16_t UndoLevels = 0;
    std::vector<float> UndoHeights1, UndoHeights2, UndoHeights3, RedoHeights;  // [1..PointCount]

    // ---- run-time ----
    int16_t LoopRunning = 0;
    int16_t ClosingDialog = 0;
    float PickedSquare = 0;
    int16_t ToolActive = 0;
    int16_t StrokeUndoTaken = 0;
    int16_t IgnoreLocked = 0;
    Vec3f CameraPos{0, 200, 0};
    Vec3f CameraTarget{0, 20, 50};
    float CameraPitch = 0, CameraYaw = 0;
    float WalkVelocity = 0, StrafeVelocity = 0;
    int32_t PreviousWheel = 0;
    float ScalePassFactor = 0.75f;

    // ---- tool working values ----
    int32_t MouseY = 0;
    float LastMouseY = 0;
    float MountVallBase = 0;
    int16_t NoiseApplied = 0;
    int16_t SmoothJumpDone = 0;
    int16_t TouchUpCorner = 1;
    int16_t TouchUpDirection = 0;
    float TouchUpKeyTime = 0;
    int16_t TouchUpLockKeyDown = 0;
    float MountVallStep = 0;  // signed strength of the mountain/valley stroke

    // ---- settings: New map ----
    int16_t X = 17, Y = 17, Size = 256;
    int16_t Fractal = 0;
    float MaxSeed = 256;
    int16_t HeightMulti = 1;
    int16_t DiamondSquare = 0;
    std::string DiamondSquareStyle = "Augment";
    float DiamondSquarePercentLimiter = 1.75f;
    int16_t Fault = 0;
    int16_t FaultLines = 2;
    float FaultMaxChange = 512;
    int16_t FaultIterations = 96;
    int16_t Particle = 0;
    std::string ParticleStyle = "Random";
    float ParticlePercentLimiter = 1.4f;
    int16_t particleIterations = 6144;
    int16_t Circle = 0;
    float CircleMaxChange = 256;
    int16_t CircleMaxRad = 6;
    int16_t CircleIterations = 256;
    int16_t Slope = 0;
    std::string SlopeDir = "PX";
    int16_t SlopeSteepness = 512;
    int16_t BitMap = 0;
    std::string BitMapPath;
    float BitMapHeightMulti = 8;
    int16_t BitMapInvertColors = 0;
    int16_t Smooth = 0;
    std::string SmoothPassType = "RAD";
    float SmoothThreshold = 48;
    int16_t SmoothPasses = 2;
    int16_t Normalize = 0;
    float MaxNormal = 4032;
    float MinNormal = -4032;
    int16_t FlattenToZero = 0;
    int16_t FlattenToZeroFactor = 2;

    // ---- settings: tools ----
    int16_t Grid = 16;
    int16_t RaiseLowerRadius = 2;
    int16_t RaiseLowerThreshold = 4;
    int16_t RaiseLowerSensitivity = 5;
    float RaiseLowerPercent = 0.7f;
    int16_t MountVallRadius = 8;
    int16_t MountVallCorrection = 10;
    int16_t MountVallSensitivity = 5;
    float MountVallPercent = 0.8f;
    int16_t MountVallSmoothOuter = -1;
    int16_t SmoothRadius = 2;
    float SmoothToolThreshold = 48;
    int16_t SmoothType = 0;
    int16_t SmoothStyle = 0;
    int16_t NoiseRadius = 2;
    float MaxNoise = 48;
    int16_t FlattenRadius = 2;

    // ---- settings: export and brush textures ----
    std::string ExportType = "Best Fit";
    int16_t ExportPosition = 0;
    int16_t AddHint = -1;
    int16_t AddSky = -1;
    std::string TopTexture = "OUT_DIRT1";
    std::string SideTexture = "OUT_RK3";
    std::string HintTexture = "hint";
    std::string SkipTexture = "skip";
    std::string SkyTexture = "sky";
    float TopScaleX = 2, TopScaleY = 2, SideScaleX = 2, SideScaleY = 2;

    // ---- settings: camera ----
    float WalkSpeed = 10, StrafeSpeed = 10;
    float WalkAcceleration = 2, StrafeAcceleration = 2;
    float Sensitivity = 100;
    int16_t Inverse = 0;

    // ---- settings: editor textures ----
    std::string SkyUP, SkyDN, SkyFT, SkyBK, SkyRT, SkyLF, GroundTexture;

    // ---- main window (mirrored by the Qt window) ----
    CommandStates Commands = InitialCommandStates();
    std::string Caption = "Varnholm";
    std::array<std::string, 9> Recent;  // [1..8], 1 the most recent
    float WindowTop = 0, WindowLeft = 0, WindowHeight = 0, WindowWidth = 0;  // twips
    int16_t WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    int ScreenWidthTwips = 1920 * 15, ScreenHeightTwips = 1080 * 15;

    // ---- services ----
    RandomSource Rnd;
    std::string LogPath;  // empty: logging off
    // Called after heights change so the view can rebuild its mesh.
    std::function<void()> OnTerrainMeshUpdate;
    // Called when a whole new terrain replaces the old one (open, generate).
    std::function<void()> OnTerrainReplaced;
    // Called by ResetEditor before the old terrain goes (drop meshes, scene).
    std::function<void()> OnReset;

    // Helpers on the 1-based arrays.
    int PointTotal() const { return static_cast<int>(PointCount); }
    int SquareTotal() const { return static_cast<int>(SquareCount); }
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

// Heights beyond the float range become the largest float of their sign and
// heights that are not numbers become 0, so every terrain stays one that a
// document can keep and an export can write.
void KeepHeightsFinite(EditorState& s);

// Rebuild the view's mesh from the heights (the hook called after every
// height change the tools, passes, undo and redo make). The heights are
// kept finite first.
void UpdateTerrainMesh(EditorState& s);

enum class Tool { None = 0, RaiseLower, Mountain, Smooth, Noise, Flatten, TouchUp };

// The current tool is the checked one among the six tool menu items.
Tool CurrentTool(const EditorState& s);

}  // namespace vh
