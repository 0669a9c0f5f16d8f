#include "core/settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "core/rules.h"
#include "core/save_file.h"

namespace vh {

namespace {

// A settings file is a few kilobytes; anything past these sizes is garbage
// and is not read (a huge value would otherwise end up in documents).
constexpr size_t kMaxLineLength = 32767;
constexpr long kMaxSettingsBytes = 4L << 20;

// How a key's text becomes its field and back. Integer keys are 16-bit in
// the file: a value outside that range is clamped into it, as the file has
// always been read. The New Map check boxes are written as 1 and 0; the
// other booleans as True and False.
enum class Kind { Int, Flag, Float, Bool, Text };

bool ReadBool(const std::string& v) {
    return UpperCase(v) != "FALSE";
}

// Lenient number, kept inside the float range so nothing downstream sees an
// infinity from a value such as 1e999.
float ReadFloat(const std::string& v) {
    return ClampToFloat(ReadNumber(v));
}

// A line break inside a value would split it into two lines.
std::string OneLine(std::string t) {
    for (char& ch : t)
        if (ch == '\n' || ch == '\r') ch = ' ';
    return t;
}

// The Settings record that holds the fields of class C.
template <class C, class S>
auto& RecordOf(S& s) {
    if constexpr (std::is_same_v<C, NewMapSettings>)
        return s.NewMap;
    else if constexpr (std::is_same_v<C, ToolSettings>)
        return s.Tools;
    else if constexpr (std::is_same_v<C, ExportSettings>)
        return s.Export;
    else if constexpr (std::is_same_v<C, CameraSettings>)
        return s.Camera;
    else if constexpr (std::is_same_v<C, BrushTextures>)
        return s.Brushes;
    else
        return s.Textures;
}

template <class C, class T>
C ClassOf(T C::*);

// The field that the member pointer M names, in its record of s.
template <auto M, class S>
auto& FieldOf(S& s) {
    return RecordOf<decltype(ClassOf(M))>(s).*M;
}

template <Kind K, auto M>
void ApplyField(Settings& s, const std::string& v) {
    auto& f = FieldOf<M>(s);
    if constexpr (K == Kind::Int) f = RoundToInt16(ReadNumber(v));
    if constexpr (K == Kind::Flag) f = RoundToInt16(ReadNumber(v)) != 0;
    if constexpr (K == Kind::Float) f = ReadFloat(v);
    if constexpr (K == Kind::Bool) f = ReadBool(v);
    if constexpr (K == Kind::Text) f = v;
}

template <Kind K, auto M>
std::string FieldText(const Settings& s) {
    const auto& f = FieldOf<M>(s);
    if constexpr (K == Kind::Int) return PlainNumberText(static_cast<float>(f));
    if constexpr (K == Kind::Flag) return f ? "1" : "0";
    if constexpr (K == Kind::Float) return PlainNumberText(f);
    if constexpr (K == Kind::Bool) return f ? "True" : "False";
    if constexpr (K == Kind::Text) return OneLine(f);
}

struct Entry {
    const char* Key;
    void (*Apply)(Settings&, const std::string&);
    std::string (*Text)(const Settings&);
};

template <Kind K, auto M>
Entry E(const char* key) {
    return {key, &ApplyField<K, M>, &FieldText<K, M>};
}

struct Section {
    const char* Name;
    std::vector<Entry> Entries;
};

// Every section after "Editor" (whose keys drive the window and menus), in
// file order, one record each. "SmoothThreshold" appears in both New and Tools.
const std::vector<Section>& Sections() {
    using N = NewMapSettings;
    using T = ToolSettings;
    using X = ExportSettings;
    using C = CameraSettings;
    using B = BrushTextures;
    using D = EditorTextures;
    constexpr Kind Int = Kind::Int, Flag = Kind::Flag, Float = Kind::Float, Bool = Kind::Bool,
                   Text = Kind::Text;
    static const std::vector<Section> sections = {
        {"New",
         {E<Int, &N::X>("X"),
          E<Int, &N::Y>("Y"),
          E<Int, &N::Size>("Size"),
          E<Flag, &N::Smooth>("Smooth"),
          E<Text, &N::SmoothPassType>("SmoothPassType"),
          E<Float, &N::SmoothThreshold>("SmoothThreshold"),
          E<Int, &N::SmoothPasses>("SmoothPasses"),
          E<Flag, &N::Normalize>("Normalize"),
          E<Float, &N::MaxNormal>("MaxNormal"),
          E<Float, &N::MinNormal>("MinNormal"),
          E<Flag, &N::FlattenToZero>("FlattenToZero"),
          E<Int, &N::FlattenToZeroFactor>("FlattenToZeroFactor"),
          E<Flag, &N::Fractal>("Fractal"),
          E<Float, &N::MaxSeed>("MaxSeed"),
          E<Int, &N::HeightMulti>("HeightMulti"),
          E<Flag, &N::DiamondSquare>("DiamondSquare"),
          E<Text, &N::DiamondSquareStyle>("DiamondSquareStyle"),
          E<Float, &N::DiamondSquarePercentLimiter>("DiamondSquarePercentLimiter"),
          E<Flag, &N::Fault>("Fault"),
          E<Int, &N::FaultLines>("FaultLines"),
          E<Float, &N::FaultMaxChange>("FaultMaxChange"),
          E<Int, &N::FaultIterations>("FaultIterations"),
          E<Flag, &N::Particle>("Particle"),
          E<Text, &N::ParticleStyle>("ParticleStyle"),
          E<Float, &N::ParticlePercentLimiter>("ParticlePercentLimiter"),
          E<Int, &N::particleIterations>("particleIterations"),
          E<Flag, &N::Circle>("Circle"),
          E<Float, &N::CircleMaxChange>("CircleMaxChange"),
          E<Int, &N::CircleMaxRad>("CircleMaxRad"),
          E<Int, &N::CircleIterations>("CircleIterations"),
          E<Flag, &N::Slope>("Slope"),
          E<Text, &N::SlopeDir>("SlopeDir"),
          E<Int, &N::SlopeSteepness>("SlopeSteepness"),
          E<Flag, &N::BitMap>("BitMap"),
          E<Text, &N::BitMapPath>("BitMapPath"),
          E<Float, &N::BitMapHeightMulti>("BitMapHeightMulti"),
          E<Int, &N::BitMapInvertColors>("BitMapInvertColors")}},
        {"Tools",
         {E<Int, &T::Grid>("Grid"), E<Int, &T::RaiseLowerRadius>("Raise/LowerRadius"),
          E<Int, &T::RaiseLowerThreshold>("Raise/LowerThreshold"),
          E<Int, &T::RaiseLowerSensitivity>("Raise/LowerSensitivity"),
          E<Float, &T::RaiseLowerPercent>("Raise/LowerPercent"),
          E<Int, &T::MountVallRadius>("MountVallRadius"),
          E<Int, &T::MountVallCorrection>("MountVallCorrection"),
          E<Int, &T::MountVallSensitivity>("MountVallSensitivity"),
          E<Float, &T::MountVallPercent>("MountVallPercent"),
          E<Bool, &T::MountVallSmoothOuter>("MountVallSmoothOuter"), E<Int, &T::SmoothRadius>("SmoothRadius"),
          E<Float, &T::SmoothToolThreshold>("SmoothThreshold"), E<Int, &T::SmoothType>("SmoothType"),
          E<Int, &T::SmoothStyle>("SmoothStyle"), E<Int, &T::NoiseRadius>("NoiseRadius"),
          E<Float, &T::MaxNoise>("MaxNoise"), E<Int, &T::FlattenRadius>("FlattenRadius")}},
        {"Export",
         {E<Text, &X::ExportType>("ExportType"), E<Int, &X::ExportPosition>("ExportPosition"),
          E<Bool, &X::AddHint>("AddHint"), E<Bool, &X::AddSky>("AddSky"), E<Float, &X::Headroom>("Headroom"),
          E<Text, &X::Wad>("Wad"), E<Bool, &X::Light>("Light")}},
        {"Cammera",
         {E<Float, &C::WalkSpeed>("WalkSpeed"), E<Float, &C::StrafeSpeed>("StrafeSpeed"),
          E<Float, &C::WalkAcceleration>("WalkAcceleration"),
          E<Float, &C::StrafeAcceleration>("StrafeAcceleration"), E<Float, &C::Sensitivity>("Sensitivity"),
          E<Int, &C::Inverse>("Inverse")}},
        {"Brush Textures",
         {E<Text, &B::TopTexture>("TopTexture"), E<Float, &B::TopScaleX>("TopScaleX"),
          E<Float, &B::TopScaleY>("TopScaleY"), E<Text, &B::SideTexture>("SideTexture"),
          E<Float, &B::SideScaleX>("SideScaleX"), E<Float, &B::SideScaleY>("SideScaleY"),
          E<Text, &B::HintTexture>("HintTexture"), E<Text, &B::SkipTexture>("SkipTexture"),
          E<Text, &B::SkyTexture>("SkyTexture")}},
        {"Editor Textures",
         {E<Text, &D::SkyUP>("SkyUP"), E<Text, &D::SkyDN>("SkyDN"), E<Text, &D::SkyFT>("SkyFT"),
          E<Text, &D::SkyBK>("SkyBK"), E<Text, &D::SkyRT>("SkyRT"), E<Text, &D::SkyLF>("SkyLF"),
          E<Text, &D::GroundTexture>("GroundTexture")}},
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

// The view switches that a false value turns off (a true one leaves them).
bool ViewOptions::*ViewSwitch(const std::string& k) {
    if (k == "FPS") return &ViewOptions::Fps;
    if (k == "SKY") return &ViewOptions::Sky;
    if (k == "MIPMAP") return &ViewOptions::MipMap;
    if (k == "HIGHLIGHT") return &ViewOptions::Highlight;
    if (k == "HIGHLIGHTEFFECTED") return &ViewOptions::HighlightEffected;
    if (k == "HIGHLIGHTLOCKED") return &ViewOptions::ShowLocked;
    if (k == "INFO") return &ViewOptions::Info;
    return nullptr;
}

int RecentIndex(const std::string& k) {
    if (k.size() == 3 && k[0] == 'R' && k[1] == 'M' && k[2] >= '1' && k[2] <= '8') return k[2] - '0';
    return 0;
}

bool IsEditorKey(const std::string& k) {
    return k == "TOP" || k == "LEFT" || k == "HEIGHT" || k == "WIDTH" || k == "WINDOWSTATE" ||
           k == "POINTINFO" || k == "RENDERMODE" || k == "WALKABILITY";
}

bool IsKnownKey(const std::string& k, bool inTools) {
    return IsEditorKey(k) || ViewSwitch(k) || RecentIndex(k) || FindEntry(k, inTools);
}

// The render modes with the words the file uses for them.
constexpr std::pair<RenderMode, const char*> kRenderModes[] = {{RenderMode::Solid, "Solid"},
                                                               {RenderMode::SolidWire, "SolidWire"},
                                                               {RenderMode::Wireframe, "Wireframe"},
                                                               {RenderMode::Points, "Points"}};

// Any letter case; another word keeps the mode.
void SetRenderMode(ViewOptions& view, const std::string& value) {
    for (const auto& [mode, word] : kRenderModes)
        if (UpperCase(value) == UpperCase(word)) view.Mode = mode;
}

}  // namespace

std::string SettingsPath(const EditorState& s) {
    return s.Paths.SettingsFile;
}

bool ApplySetting(Settings& s, const std::string& key, const std::string& value, bool inToolsSection) {
    const std::string k = UpperCase(Trim(key));
    const std::string v = Trim(value);
    if (!IsKnownKey(k, inToolsSection)) return false;
    if (v.empty()) return true;
    WindowPlacement& w = s.Window;

    if (k == "TOP") {
        w.WindowTop = ReadFloat(v);
        if (w.WindowTop > w.ScreenHeightTwips)
            w.WindowTop = static_cast<float>(RoundHalfEven(w.ScreenHeightTwips / 8.0));
    } else if (k == "LEFT") {
        w.WindowLeft = ReadFloat(v);
        if (w.WindowLeft > w.ScreenWidthTwips)
            w.WindowLeft = static_cast<float>(RoundHalfEven(w.ScreenWidthTwips / 8.0));
    } else if (k == "HEIGHT") {
        w.WindowHeight = ReadFloat(v);
    } else if (k == "WIDTH") {
        w.WindowWidth = ReadFloat(v);
    } else if (k == "WINDOWSTATE") {
        const int st = RoundToInt16(ReadNumber(v));
        // Only normal, minimised and maximised exist; anything else is normal.
        w.WindowState = (st >= 0 && st <= 2) ? st : 0;
    } else if (bool ViewOptions::*option = ViewSwitch(k)) {
        if (!ReadBool(v)) s.View.*option = false;
    } else if (k == "POINTINFO") {
        if (ReadBool(v)) s.View.PointInfo = true;
    } else if (k == "RENDERMODE") {
        SetRenderMode(s.View, v);
    } else if (k == "WALKABILITY") {
        s.View.Walkability = ReadBool(v);
    } else if (int r = RecentIndex(k)) {
        s.Recent[r] = v;
    } else if (const Entry* e = FindEntry(k, inToolsSection)) {
        e->Apply(s, v);
        // The height grid is one of the Grid menu's choices; anything else
        // (a typo reads as 0) would leave nothing to snap to.
        if (k == "GRID" &&
            std::find(kGridChoices.begin() + 1, kGridChoices.end(), s.Tools.Grid) == kGridChoices.end())
            s.Tools.Grid = 16;
    }
    return true;
}

Status ReadSettingsFile(Settings& s, const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);  // failure ignored
    if (!std::filesystem::exists(p, ec)) {
        (void)WriteFileAtomically(path, "");  // failure ignored
        return {};                            // read as empty: every setting keeps its default
    }
    if (std::filesystem::is_directory(p, ec))
        return Fail(ErrorKind::Unreadable, "The settings file \"" + path + "\" is a folder.");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return Fail(ErrorKind::Unreadable, "The settings file \"" + path + "\" could not be read.");
    std::string text;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 &&
           text.size() < static_cast<size_t>(kMaxSettingsBytes))
        text.append(buf, n);
    std::fclose(f);

    ApplySettingsText(s, text);
    return {};
}

void ApplySettingsText(Settings& s, std::string_view text) {
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

Status ReadSettings(EditorState& s) {
    return ReadSettingsFile(s, SettingsPath(s));
}

std::string SettingsText(const Settings& s) {
    std::string out;
    auto section = [&](const char* name) { out.append("\n[").append(name).append("]\n"); };
    auto line = [&](const std::string& key, const std::string& value) {
        out.append(key).append("=").append(value).append("\n");
    };
    auto boolText = [](bool b) { return std::string(b ? "True" : "False"); };
    const WindowPlacement& w = s.Window;

    section("Editor");
    float top = w.WindowTop, left = w.WindowLeft, height = w.WindowHeight, width = w.WindowWidth;
    int state = w.WindowState;
    if (state != 0) {
        // A maximised or minimised window keeps a sensible normal placement.
        top = static_cast<float>(RoundHalfEven(w.ScreenHeightTwips / 8.0));
        left = static_cast<float>(RoundHalfEven(w.ScreenWidthTwips / 8.0));
        height = 7410;
        width = 8115;
        state = 2;
    }
    line("Top", PlainNumberText(top));
    line("Left", PlainNumberText(left));
    line("Height", PlainNumberText(height));
    line("Width", PlainNumberText(width));
    const ViewOptions& v = s.View;
    line("FPS", boolText(v.Fps));
    line("Sky", boolText(v.Sky));
    line("MipMap", boolText(v.MipMap));
    line("Highlight", boolText(v.Highlight));
    line("HighlightEffected", boolText(v.HighlightEffected));
    line("HighlightLocked", boolText(v.ShowLocked));
    line("PointInfo", boolText(v.PointInfo));
    line("Info", boolText(v.Info));
    line("WindowState", PlainNumberText(static_cast<float>(state)));
    for (const auto& [mode, word] : kRenderModes)
        if (v.Mode == mode) line("RenderMode", word);
    // Written only when on, so files of the other settings stay as they were.
    if (v.Walkability) line("Walkability", boolText(true));

    for (const Section& sec : Sections()) {
        section(sec.Name);
        for (const Entry& e : sec.Entries) line(e.Key, e.Text(s));
    }
    section("RecentMemory");
    for (int k = 1; k <= 8; ++k) line("RM" + std::to_string(k), OneLine(s.Recent[k]));
    return out;
}

Status WriteSettingsFile(const Settings& s, const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
    return WriteFileAtomically(path, SettingsText(s));
}

Status WriteSettings(const EditorState& s) {
    return WriteSettingsFile(s, SettingsPath(s));
}

}  // namespace vh
