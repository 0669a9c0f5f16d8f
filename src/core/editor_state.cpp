#include "core/editor_state.h"

#include <algorithm>
#include <cmath>

#include "core/rules.h"

namespace vh {

void SetDefaults(EditorState& s, const std::string& programFolder) {
    SetDefaults(s, PortablePaths(programFolder));
}

void SetDefaults(EditorState& s, const AppPaths& paths) {
    // Keep the services and terrain; reset every setting by copying a fresh record's.
    EditorState fresh;
    s.Paths = paths;
    const std::string& assets = paths.AssetsFolder;
    s.X = fresh.X;
    s.Y = fresh.Y;
    s.Size = fresh.Size;
    s.Fractal = fresh.Fractal;
    s.MaxSeed = fresh.MaxSeed;
    s.HeightMulti = fresh.HeightMulti;
    s.DiamondSquare = fresh.DiamondSquare;
    s.DiamondSquareStyle = fresh.DiamondSquareStyle;
    s.DiamondSquarePercentLimiter = fresh.DiamondSquarePercentLimiter;
    s.Fault = fresh.Fault;
    s.FaultLines = fresh.FaultLines;
    s.FaultMaxChange = fresh.FaultMaxChange;
    s.FaultIterations = fresh.FaultIterations;
    s.Particle = fresh.Particle;
    s.ParticleStyle = fresh.ParticleStyle;
    s.ParticlePercentLimiter = fresh.ParticlePercentLimiter;
    s.particleIterations = fresh.particleIterations;
    s.Circle = fresh.Circle;
    s.CircleMaxChange = fresh.CircleMaxChange;
    s.CircleMaxRad = fresh.CircleMaxRad;
    s.CircleIterations = fresh.CircleIterations;
    s.Slope = fresh.Slope;
    s.SlopeDir = fresh.SlopeDir;
    s.SlopeSteepness = fresh.SlopeSteepness;
    s.BitMap = fresh.BitMap;
    s.BitMapPath = fresh.BitMapPath;
    s.BitMapHeightMulti = fresh.BitMapHeightMulti;
    s.BitMapInvertColors = fresh.BitMapInvertColors;
    s.Smooth = fresh.Smooth;
    s.SmoothPassType = fresh.SmoothPassType;
    s.SmoothThreshold = fresh.SmoothThreshold;
    s.SmoothPasses = fresh.SmoothPasses;
    s.Normalize = fresh.Normalize;
    s.MaxNormal = fresh.MaxNormal;
    s.MinNormal = fresh.MinNormal;
    s.FlattenToZero = fresh.FlattenToZero;
    s.FlattenToZeroFactor = fresh.FlattenToZeroFactor;
    s.Grid = fresh.Grid;
    s.RaiseLowerRadius = fresh.RaiseLowerRadius;
    s.RaiseLowerThreshold = fresh.RaiseLowerThreshold;
    s.RaiseLowerSensitivity = fresh.RaiseLowerSensitivity;
    s.RaiseLowerPercent = fresh.RaiseLowerPercent;
    s.MountVallRadius = fresh.MountVallRadius;
    s.MountVallCorrection = fresh.MountVallCorrection;
    s.MountVallSensitivity = fresh.MountVallSensitivity;
    s.MountVallPercent = fresh.MountVallPercent;
    s.MountVallSmoothOuter = fresh.MountVallSmoothOuter;
    s.SmoothRadius = fresh.SmoothRadius;
    s.SmoothToolThreshold = fresh.SmoothToolThreshold;
    s.SmoothType = fresh.SmoothType;
    s.SmoothStyle = fresh.SmoothStyle;
    s.NoiseRadius = fresh.NoiseRadius;
    s.MaxNoise = fresh.MaxNoise;
    s.FlattenRadius = fresh.FlattenRadius;
    s.ExportType = fresh.ExportType;
    s.ExportPosition = fresh.ExportPosition;
    s.AddHint = fresh.AddHint;
    s.AddSky = fresh.AddSky;
    s.TopTexture = fresh.TopTexture;
    s.SideTexture = fresh.SideTexture;
    s.HintTexture = fresh.HintTexture;
    s.SkipTexture = fresh.SkipTexture;
    s.SkyTexture = fresh.SkyTexture;
    s.TopScaleX = fresh.TopScaleX;
    s.TopScaleY = fresh.TopScaleY;
    s.SideScaleX = fresh.SideScaleX;
    s.SideScaleY = fresh.SideScaleY;
    s.WalkSpeed = fresh.WalkSpeed;
    s.StrafeSpeed = fresh.StrafeSpeed;
    s.WalkAcceleration = fresh.WalkAcceleration;
    s.StrafeAcceleration = fresh.StrafeAcceleration;
    s.Sensitivity = fresh.Sensitivity;
    s.Inverse = fresh.Inverse;
    s.ScalePassFactor = fresh.ScalePassFactor;

    s.SkyUP = assets + "/sky/top.bmp";
    s.SkyDN = assets + "/sky/bottom.bmp";
    s.SkyFT = assets + "/sky/right.bmp";
    s.SkyBK = assets + "/sky/left.bmp";
    s.SkyRT = assets + "/sky/front.bmp";
    s.SkyLF = assets + "/sky/back.bmp";
    s.GroundTexture = assets + "/tex/ground.jpg";

    s.DocClean = -1;
    s.UndoLevels = 0;
    s.CameraPos = {0, 200, 0};
    s.CameraTarget = {0, 20, 50};
    s.PickedSquare = 0;
    s.LogPath = paths.LogFile;
}

void MarkDocumentChanged(EditorState& s) {
    s.DocClean = 0;
}

void KeepHeightsFinite(EditorState& s) {
    const size_t n = std::min(s.Points.size(), static_cast<size_t>(std::max(s.PointTotal(), 0)) + 1);
    for (size_t i = 1; i < n; ++i) {
        float& h = s.Points[i].Height;
        if (!std::isfinite(h)) h = ClampToFloat(h);
    }
}

void UpdateTerrainMesh(EditorState& s) {
    KeepHeightsFinite(s);
    if (s.OnTerrainMeshUpdate) s.OnTerrainMeshUpdate();
}

Tool CurrentTool(const EditorState& s) {
    const CommandStates& c = s.Commands;
    if (c.cmdRaiseLower.Checked) return Tool::RaiseLower;
    if (c.cmdMountain.Checked) return Tool::Mountain;
    if (c.cmdSmooth.Checked) return Tool::Smooth;
    if (c.cmdNoise.Checked) return Tool::Noise;
    if (c.cmdFlatten.Checked) return Tool::Flatten;
    if (c.cmdTouchUp.Checked) return Tool::TouchUp;
    return Tool::None;
}

}  // namespace vh
