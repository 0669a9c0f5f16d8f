#include "core/settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unordered_map>
#include <variant>
#include <vector>

#include "core/rules.h"
#include "core/save_file.h"

namespace vh {

namespace {

// A settings file is a few kilobytes; anything past these sizes is garbage
// and is not read (a huge value would otherwise end up in documents).
constexpr size_t kMaxLineLength = 32767;
constexpr long kMaxSettingsBytes = 4L << 20;

enum class Kind { Int, Float, Bool, Text };

using Member = std::variant<int16_t EditorState::*, float EditorState::*, std::string EditorState::*>;

struct Entry {
    const char* Key;
    Kind Type;
    Member Field;
};

struct Section {
    const char* Name;
    std::vector<Entry> Entries;
};

// Every section after "Editor" (whose keys drive the window and menus), in
// file order. "SmoothThreshold" appears in both New and Tools.
const std::vector<Section>& Sections() {
    using S = EditorState;
    static const std::vector<Section> sections = {
        {"New",
         {{"X", Kind::Int, &S::X},
          {"Y", Kind::Int, &S::Y},
          {"Size", Kind::Int, &S::Size},
          {"Smooth", Kind::Int, &S::Smooth},
          {"SmoothPassType", Kind::Text, &S::SmoothPassType},
          {"SmoothThreshold", Kind::Float, &S::SmoothThreshold},
          {"SmoothPasses", Kind::Int, &S::SmoothPasses},
          {"Normalize", Kind::Int, &S::Normalize},
          {"MaxNormal", Kind::Float, &S::MaxNormal},
          {"MinNormal", Kind::Float, &S::MinNormal},
          {"FlattenToZero", Kind::Int, &S::FlattenToZero},
          {"FlattenToZeroFactor", Kind::Int, &S::FlattenToZeroFactor},
          {"Fractal", Kind::Int, &S::Fractal},
          {"MaxSeed", Kind::Float, &S::MaxSeed},
          {"HeightMulti", Kind::Int, &S::HeightMulti},
          {"DiamondSquare", Kind::Int, &S::DiamondSquare},
          {"DiamondSquareStyle", Kind::Text, &S::DiamondSquareStyle},
          {"DiamondSquarePercentLimiter", Kind::Float, &S::DiamondSquarePercentLimiter},
          {"Fault", Kind::Int, &S::Fault},
          {"FaultLines", Kind::Int, &S::FaultLines},
          {"FaultMaxChange", Kind::Float, &S::FaultMaxChange},
          {"FaultIterations", Kind::Int, &S::FaultIterations},
          {"Particle", Kind::Int, &S::Particle},
          {"ParticleStyle", Kind::Text, &S::ParticleStyle},
          {"ParticlePercentLimiter", Kind::Float, &S::ParticlePercentLimiter},
          {"particleIterations", Kind::Int, &S::particleIterations},
          {"Circle", Kind::Int, &S::Circle},
          {"CircleMaxChange", Kind::Float, &S::CircleMaxChange},
          {"CircleMaxRad", Kind::Int, &S::CircleMaxRad},
          {"CircleIterations", Kind::Int, &S::CircleIterations},
          {"Slope", Kind::Int, &S::Slope},
          {"SlopeDir", Kind::Text, &S::SlopeDir},
          {"SlopeSteepness", Kind::Int, &S::SlopeSteepness},
          {"BitMap", Kind::Int, &S::BitMap},
          {"BitMapPath", Kind::Text, &S::BitMapPath},
          {"BitMapHeightMulti", Kind::Float, &S::BitMapHeightMulti},
          {"BitMapInvertColors", Kind::Int, &S::BitMapInvertColors}}},
        {"Tools",
         {{"Grid", Kind::Int, &S::Grid},
          {"Raise/LowerRadius", Kind::Int, &S::RaiseLowerRadius},
          {"Raise/LowerThreshold", Kind::Int, &S::RaiseLowerThreshold},
          {"Raise/LowerSensitivity", Kind::Int, &S::RaiseLowerSensitivity},
          {"Raise/LowerPercent", Kind::Float, &S::RaiseLowerPercent},
          {"MountVallRadius", Kind::Int, &S::MountVallRadius},
          {"MountVallCorrection", Kind::Int, &S::MountVallCorrection},
          {"MountVallSensitivity", Kind::Int, &S::MountVallSensitivity},
          {"MountVallPercent", Kind::Float, &S::MountVallPercent},
          {"MountVallSmoothOuter", Kind::Bool, &S::MountVallSmoothOuter},
          {"SmoothRadius", Kind::Int, &S::SmoothRadius},
          {"SmoothThreshold", Kind::Float, &S::SmoothToolThreshold},
          {"SmoothType", Kind::Int, &S::SmoothType},
          {"SmoothStyle", Kind::Int, &S::SmoothStyle},
          {"NoiseRadius", Kind::Int, &S::NoiseRadius},
          {"MaxNoise", Kind::Float, &S::MaxNoise},
          {"FlattenRadius", Kind::Int, &S::FlattenRadius}}},
        {"Export",
         {{"ExportType", Kind::Text, &S::ExportType},
          {"ExportPosition", Kind::Int, &S::ExportPosition},
          {"AddHint", Kind::Bool, &S::AddHint},
          {"AddSky", Kind::Bool, &S::AddSky}}},
        {"Cammera",
         {{"WalkSpeed", Kind::Float, &S::WalkSpeed},
          {"StrafeSpeed", Kind::Float, &S::StrafeSpeed},
          {"WalkAcceleration", Kind::Float, &S::WalkAcceleration},
          {"StrafeAcceleration", Kind::Float, &S::StrafeAcceleration},
          {"Sensitivity", Kind::Float, &S::Sensitivity},
          {"Inverse", Kind::Int, &S::Inverse}}},
        {"Brush Textures",
         {{"TopTexture", Kind::Text, &S::TopTexture},
          {"TopScaleX", Kind::Float, &S::TopScaleX},
          {"TopScaleY", Kind::Float, &S::TopScaleY},
          {"SideTexture", Kind::Text, &S::SideTexture},
          {"SideScaleX", Kind::Float, &S::SideScaleX},
          {"SideScaleY", Kind::Float, &S::SideScaleY},
          {"HintTexture", Kind::Text, &S::HintTexture},
          {"SkipTexture", Kind::Text, &S::SkipTexture},
          {"SkyTexture", Kind::Text, &S::SkyTexture}}},
        {"Editor Textures",
         {{"SkyUP", Kind::Text, &S::SkyUP},
          {"SkyDN", Kind::Text, &S::SkyDN},
          {"SkyFT", Kind::Text, &S::SkyFT},
          {"SkyBK", Kind::Text, &S::SkyBK},
          {"SkyRT", Kind::Text, &S::SkyRT},
          {"SkyLF", Kind::Text, &S::SkyLF},
          {"GroundTexture", Kind::Text, &S::GroundTexture}}},
    };
    return sections;
}

const Entry* FindEntry(const std::string& upperKey, bool inTools) {
    // Upper-cased key -> entry, built once; "SMOOTHTHRESHOLD" maps to the New
    // section's entry and the Tools one is looked up by section.
    static const std::unordered_map<std::string, const Entry*> byKey = [] {
        std::unordered_map<std::string, const Entry*> m;
        for (const Section& sec : Sections())
            for (const Entry& e : sec.Entries) m.emplace(UpperCase(e.Key), &e);
        return m;
    }();
    static const Entry* toolThreshold = [] {
        for (const Section& sec : Sections())
            if (std::string(sec.Name) == "Tools")
                for (const Entry& e : sec.Entries)
                    if (std::string(e.Key) == "SmoothThreshold") return &e;
        return static_cast<const Entry*>(nullptr);
    }();
    if (inTools && upperKey == "SMOOTHTHRESHOLD") return toolThreshold;
    auto it = byKey.find(upperKey);
    return it == byKey.end() ? nullptr : it->second;
}

// The view items whose check mark a false value clears.
ControlState* ViewItem(CommandStates& c, const std::string& k) {
    if (k == "FPS") return &c.cmdFPS;
    if (k == "SKY") return &c.cmdSky;
    if (k == "MIPMAP") return &c.cmdMip;
    if (k == "HIGHLIGHT") return &c.cmdHighlight;
    if (k == "HIGHLIGHTEFFECTED") return &c.cmdHighlightEffected;
    if (k == "HIGHLIGHTLOCKED") return &c.cmdShowLocked;
    if (k == "INFO") return &c.cmdInfo;
    return nullptr;
}

int RecentIndex(const std::string& k) {
    if (k.size() == 3 && k[0] == 'R' && k[1] == 'M' && k[2] >= '1' && k[2] <= '8') return k[2] - '0';
    return 0;
}

bool IsEditorKey(const std::string& k) {
    return k == "TOP" || k == "LEFT" || k == "HEIGHT" || k == "WIDTH" || k == "WINDOWSTATE" ||
           k == "POINTINFO" || k == "RENDERMODE";
}

bool IsKnownKey(const std::string& k, bool inTools) {
    static CommandStates probe;
    return IsEditorKey(k) || ViewItem(probe, k) || RecentIndex(k) || FindEntry(k, inTools);
}

bool ReadBool(const std::string& v) {
    return UpperCase(v) != "FALSE";
}

// Lenient number, kept inside the float range so nothing downstream sees an
// infinity from a value such as 1e999.
float ReadFloat(const std::string& v) {
    return ClampToFloat(ReadNumber(v));
}

void SetRenderMode(CommandStates& c, const std::string& value) {
    const std::string v = UpperCase(value);
    ControlState* items[] = {&c.cmdSolid, &c.cmdSolidWire, &c.cmdWireframe, &c.cmdPoints};
    const char* names[] = {"SOLID", "SOLIDWIRE", "WIREFRAME", "POINTS"};
    for (int i = 0; i < 4; ++i)
        if (v == names[i])
            for (int j = 0; j < 4; ++j) items[j]->Checked = (i == j);
}

void ApplyEntry(EditorState& s, const Entry& e, const std::string& v) {
    switch (e.Type) {
        case Kind::Int:
            s.*std::get<int16_t EditorState::*>(e.Field) = RoundToInt16(ReadNumber(v));
            break;
        case Kind::Float:
            s.*std::get<float EditorState::*>(e.Field) = ReadFloat(v);
            break;
        case Kind::Bool:
            s.*std::get<int16_t EditorState::*>(e.Field) = ToBool16(ReadBool(v));
            break;
        case Kind::Text:
            s.*std::get<std::string EditorState::*>(e.Field) = v;
            break;
    }
}

// A line break inside a value would split it into two lines.
std::string OneLine(std::string t) {
    for (char& ch : t)
        if (ch == '\n' || ch == '\r') ch = ' ';
    return t;
}

std::string EntryText(const EditorState& s, const Entry& e) {
    switch (e.Type) {
        case Kind::Int:
            return PlainNumberText(static_cast<float>(s.*std::get<int16_t EditorState::*>(e.Field)));
        case Kind::Float:
            return PlainNumberText(s.*std::get<float EditorState::*>(e.Field));
        case Kind::Bool:
            return FromBool16(s.*std::get<int16_t EditorState::*>(e.Field)) ? "True" : "False";
        case Kind::Text:
            return OneLine(s.*std::get<std::string EditorState::*>(e.Field));
    }
    return {};
}

}  // namespace

std::string SettingsPath(const EditorState& s) {
    return s.Paths.SettingsFile;
}

bool ApplySetting(EditorState& s, const std::string& key, const std::string& value, bool inToolsSection) {
    const std::string k = UpperCase(Trim(key));
    const std::string v = Trim(value);
    if (!IsKnownKey(k, inToolsSection)) return false;
    if (v.empty()) return true;
    CommandStates& c = s.Commands;

    if (k == "TOP") {
        s.WindowTop = ReadFloat(v);
        if (s.WindowTop > s.ScreenHeightTwips)
            s.WindowTop = static_cast<float>(RoundHalfEven(s.ScreenHeightTwips / 8.0));
    } else if (k == "LEFT") {
        s.WindowLeft = ReadFloat(v);
        if (s.WindowLeft > s.ScreenWidthTwips)
            s.WindowLeft = static_cast<float>(RoundHalfEven(s.ScreenWidthTwips / 8.0));
    } else if (k == "HEIGHT") {
        s.WindowHeight = ReadFloat(v);
    } else if (k == "WIDTH") {
        s.WindowWidth = ReadFloat(v);
    } else if (k == "WINDOWSTATE") {
        int16_t st = RoundToInt16(ReadNumber(v));
        // Only normal, minimised and maximised exist; anything else is normal.
        s.WindowState = (st >= 0 && st <= 2) ? st : 0;
    } else if (ControlState* item = ViewItem(c, k)) {
        if (!ReadBool(v)) item->Checked = false;
    } else if (k == "POINTINFO") {
        if (ReadBool(v)) c.cmdPointInfo.Checked = true;
    } else if (k == "RENDERMODE") {
        SetRenderMode(c, v);
    } else if (int r = RecentIndex(k)) {
        s.Recent[r] = v;
    } else if (const Entry* e = FindEntry(k, inToolsSection)) {
        ApplyEntry(s, *e, v);
        // The height grid is one of the Grid menu's choices; anything else
        // (a typo reads as 0) would leave nothing to snap to.
        if (k == "GRID" &&
            std::find(kGridChoices.begin() + 1, kGridChoices.end(), s.Grid) == kGridChoices.end())
            s.Grid = 16;
    }
    return true;
}

bool ReadSettingsFile(EditorState& s, const std::string& path, std::string* error) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);  // failure ignored
    if (!std::filesystem::exists(p, ec)) {
        WriteFileAtomically(path, "", nullptr);
        return true;  // read as empty: every setting keeps its default
    }
    if (std::filesystem::is_directory(p, ec)) {
        if (error) *error = "The settings file \"" + path + "\" is a folder.";
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error) *error = "The settings file \"" + path + "\" could not be read.";
        return false;
    }
    std::string text;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 &&
           text.size() < static_cast<size_t>(kMaxSettingsBytes))
        text.append(buf, n);
    std::fclose(f);

    ApplySettingsText(s, text);
    return true;
}

void ApplySettingsText(EditorState& s, std::string_view text) {
    bool inTools = false;
    size_t pos = 0;
    while (pos < text.size()) {
        // CR, LF and CR LF all end a line (the empty line between is skipped).
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.size() > kMaxLineLength) continue;
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']') {
            inTools = UpperCase(Trim(trimmed.substr(1, trimmed.size() - 2))) == "TOOLS";
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string value = Trim(line.substr(eq + 1));
        if (value.empty()) continue;
        ApplySetting(s, line.substr(0, eq), value, inTools);
    }
}

bool ReadSettings(EditorState& s) {
    return ReadSettingsFile(s, SettingsPath(s));
}

std::string SettingsText(const EditorState& s) {
    std::string out;
    auto section = [&](const char* name) { out.append("\n[").append(name).append("]\n"); };
    auto line = [&](const std::string& key, const std::string& value) {
        out.append(key).append("=").append(value).append("\n");
    };
    auto boolText = [](bool b) { return std::string(b ? "True" : "False"); };
    const CommandStates& c = s.Commands;

    section("Editor");
    float top = s.WindowTop, left = s.WindowLeft, height = s.WindowHeight, width = s.WindowWidth;
    int state = s.WindowState;
    if (state != 0) {
        // A maximised or minimised window keeps a sensible normal placement.
        top = static_cast<float>(RoundHalfEven(s.ScreenHeightTwips / 8.0));
        left = static_cast<float>(RoundHalfEven(s.ScreenWidthTwips / 8.0));
        height = 7410;
        width = 8115;
        state = 2;
    }
    line("Top", PlainNumberText(top));
    line("Left", PlainNumberText(left));
    line("Height", PlainNumberText(height));
    line("Width", PlainNumberText(width));
    line("FPS", boolText(c.cmdFPS.Checked));
    line("Sky", boolText(c.cmdSky.Checked));
    line("MipMap", boolText(c.cmdMip.Checked));
    line("Highlight", boolText(c.cmdHighlight.Checked));
    line("HighlightEffected", boolText(c.cmdHighlightEffected.Checked));
    line("HighlightLocked", boolText(c.cmdShowLocked.Checked));
    line("PointInfo", boolText(c.cmdPointInfo.Checked));
    line("Info", boolText(c.cmdInfo.Checked));
    line("WindowState", PlainNumberText(static_cast<float>(state)));
    if (c.cmdSolid.Checked) line("RenderMode", "Solid");
    if (c.cmdSolidWire.Checked) line("RenderMode", "SolidWire");
    if (c.cmdWireframe.Checked) line("RenderMode", "Wireframe");
    if (c.cmdPoints.Checked) line("RenderMode", "Points");

    for (const Section& sec : Sections()) {
        section(sec.Name);
        for (const Entry& e : sec.Entries) line(e.Key, EntryText(s, e));
    }
    section("RecentMemory");
    for (int k = 1; k <= 8; ++k) line("RM" + std::to_string(k), OneLine(s.Recent[k]));
    return out;
}

bool WriteSettingsFile(const EditorState& s, const std::string& path, std::string* error) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
    return WriteFileAtomically(path, SettingsText(s), error);
}

bool WriteSettings(const EditorState& s, std::string* error) {
    return WriteSettingsFile(s, SettingsPath(s), error);
}

}  // namespace vh
