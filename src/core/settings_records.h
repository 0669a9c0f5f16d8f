// The user's settings, one record per section of the settings file. Each
// field bears the name of its key (a key with a slash drops it), so the file,
// the code and the documentation use one set of names. The member
// initialisers are the defaults that hold when the file does not name a key.
//
// Types follow the meaning: bool for flags, int for counts and choices,
// float for measures. The file's own conventions (16-bit integers, True and
// False, 0 and 1 for the New Map check boxes) live in the settings reader
// and writer only.
#pragma once

#include <array>
#include <string>

#include "core/view_options.h"

namespace vh {

// [New]: the New Map dialog's choices, read by the generation pipeline.
struct NewMapSettings {
    int X = 17;      // points along x
    int Y = 17;      // points along z (the key is "Y")
    int Size = 256;  // distance between points, map units

    bool Smooth = false;
    std::string SmoothPassType = "RAD";  // "RAD", "LIN", "RADOVER" or "LINOVER"
    float SmoothThreshold = 48;          // -1 stands for a threshold of 0
    int SmoothPasses = 2;
    bool Normalize = false;
    float MaxNormal = 4032;
    float MinNormal = -4032;
    bool FlattenToZero = false;
    int FlattenToZeroFactor = 2;

    bool Fractal = false;
    float MaxSeed = 256;
    int HeightMulti = 1;
    bool DiamondSquare = false;
    std::string DiamondSquareStyle = "Augment";
    float DiamondSquarePercentLimiter = 1.75f;
    bool Fault = false;
    int FaultLines = 2;
    float FaultMaxChange = 512;
    int FaultIterations = 96;
    bool Particle = false;
    std::string ParticleStyle = "Random";
    float ParticlePercentLimiter = 1.4f;
    int particleIterations = 6144;
    bool Circle = false;
    float CircleMaxChange = 256;
    int CircleMaxRad = 6;  // triangles
    int CircleIterations = 256;

    bool Slope = false;
    std::string SlopeDir = "PX";  // "PX", "NX", "PY" or "NY"
    int SlopeSteepness = 512;

    bool BitMap = false;
    std::string BitMapPath;
    float BitMapHeightMulti = 8;
    int BitMapInvertColors = 0;  // the image's sign: -1 inverted, +1 not (0 until a map is generated)
};

// The Grid menu's choices by position 1..8.
constexpr std::array<int, 9> kGridChoices = {0, 1, 2, 4, 8, 16, 32, 64, 128};

// [Tools]: the height grid and the tools' settings.
struct ToolSettings {
    int Grid = 16;             // one of 1, 2, 4 ... 128
    int RaiseLowerRadius = 2;  // 1 Small, 2 Large
    int RaiseLowerThreshold = 4;
    int RaiseLowerSensitivity = 5;
    float RaiseLowerPercent = 0.7f;
    int MountVallRadius = 8;
    int MountVallCorrection = 10;
    int MountVallSensitivity = 5;
    float MountVallPercent = 0.8f;
    bool MountVallSmoothOuter = true;
    int SmoothRadius = 2;
    float SmoothToolThreshold = 48;  // the key "SmoothThreshold" of this section
    int SmoothType = 0;              // 0 radial, 1 linear; anything else smooths nothing
    int SmoothStyle = 0;             // 0 Gradual Move, 1 Jump
    int NoiseRadius = 2;
    float MaxNoise = 48;
    int FlattenRadius = 2;  // 1 Small, 2 Large, 3 X Axes Large, 4 Y Axes Large

    // Not kept in the settings file.
    float ScalePassFactor = 0.75f;
    bool IgnoreLocked = false;  // "&Ignore Locked Points"; false after a reset
    // The checked positions of the Grid menu (1..8 for 1..128) and of the
    // Effective Radious menu (1..4). Each follows its own commands rather
    // than the value it stands for: at start-up "16" is checked whatever
    // Grid the file restores; selecting a tool shows its radius, except that
    // mountain/valley, touch-up and a flatten radius outside 1..4 leave the
    // radius menu as it was.
    int GridChoice = 5;
    int RadiusChoice = 2;
};

// [Export]: how the .MAP export splits and places the brushes.
struct ExportSettings {
    std::string ExportType = "Best Fit";  // "Best Fit", "\\", "//", "X" or "Random"
    int ExportPosition = 0;               // 0 flatten bottom, 1 flatten top
    bool AddHint = true;
    bool AddSky = true;
    // Kept in the settings file only: the compile-ready export's roof
    // clearance in units, the worldspawn "wad" path (empty writes none) and
    // whether it writes the light keys.
    float Headroom = 256;
    std::string Wad;
    bool Light = true;
};

// [Cammera]: the free-flying camera.
struct CameraSettings {
    float WalkSpeed = 10;
    float StrafeSpeed = 10;
    float WalkAcceleration = 2;
    float StrafeAcceleration = 2;
    float Sensitivity = 100;
    int Inverse = 0;  // 1 inverts the vertical look; the dialog stores 1 or 0
};

// [Brush Textures]: the texture names and scales the export writes.
struct BrushTextures {
    std::string TopTexture = "OUT_DIRT1";
    float TopScaleX = 2, TopScaleY = 2;
    std::string SideTexture = "OUT_RK3";
    float SideScaleX = 2, SideScaleY = 2;
    std::string HintTexture = "hint";
    std::string SkipTexture = "skip";
    std::string SkyTexture = "sky";
};

// [Editor Textures]: the images of the 3D view's sky box and ground.
struct EditorTextures {
    std::string SkyUP, SkyDN, SkyFT, SkyBK, SkyRT, SkyLF, GroundTexture;
};

// The images shipped in the assets folder. The sky keys pair with the files
// exactly so: SkyFT is right.bmp, SkyBK left.bmp, SkyRT front.bmp, SkyLF back.bmp.
EditorTextures DefaultEditorTextures(const std::string& assetsFolder);

// [Editor]'s window keys. Twips are 1/15 pixel.
struct WindowPlacement {
    float WindowTop = 0, WindowLeft = 0, WindowHeight = 0, WindowWidth = 0;
    int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    // The screen the placement is checked against.
    int ScreenWidthTwips = 1920 * 15, ScreenHeightTwips = 1080 * 15;
};

// [RecentMemory]: RM1..RM8 as Recent[1..8], entry 1 the most recent.
using RecentList = std::array<std::string, 9>;

// Everything the settings file keeps.
struct Settings {
    WindowPlacement Window;
    ViewOptions View;  // [Editor]'s view keys
    NewMapSettings NewMap;
    ToolSettings Tools;
    ExportSettings Export;
    CameraSettings Camera;
    BrushTextures Brushes;
    EditorTextures Textures;
    RecentList Recent;
};

}  // namespace vh
