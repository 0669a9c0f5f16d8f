#include "reader_checks.h"

#include <unistd.h>

#include <QLoggingCategory>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "core/document.h"
#include "core/document_commands.h"
#include "core/image_limits.h"
#include "core/rules.h"
#include "core/settings.h"
#include "export/height_image.h"
#include "export/map_export.h"
#include "generate/pipeline.h"
#include "samples.h"
#include "view/textures.h"

namespace vhfuzz {

namespace {

// Inputs go through files, as the program reads them; one folder per process,
// in memory where the system offers it, since saving and exporting sync
// their files to disk.
class Scratch {
public:
    Scratch() {
        const std::string name = "vh-reader-checks-" + std::to_string(getpid());
        const bool shm = access("/dev/shm", W_OK) == 0;
        dir_ = (shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) / name;
        std::filesystem::create_directories(dir_);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    // A path where no file is: replacing or rewriting a file makes ext4
    // flush it to disk, which would cost far more than the reading.
    std::string Fresh(const std::string& name) const {
        const std::string path = (dir_ / name).string();
        std::remove(path.c_str());
        return path;
    }

private:
    std::filesystem::path dir_;
};

std::string FreshPath(const std::string& name) {
    static const Scratch scratch;
    return scratch.Fresh(name);
}

std::string Write(const std::string& name, std::string_view bytes) {
    const std::string path = FreshPath(name);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

std::string ReadBack(const std::string& path) {
    std::string out;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
        std::fclose(f);
    }
    return out;
}

Verdict Broke(std::string why) {
    return {false, std::move(why)};
}

struct CountingPrompts : vh::Prompts {
    int Messages = 0;
    std::string Text, Title;
    vh::PromptAnswer Message(const std::string& text, const std::string& title, vh::PromptButtons,
                             vh::PromptIcon) override {
        ++Messages;
        Text = text;
        Title = title;
        return vh::PromptAnswer::Ok;
    }
    vh::FileChoice OpenFile(const vh::FileDialogRequest&) override { return {}; }
    vh::FileChoice SaveFile(const vh::FileDialogRequest&) override { return {}; }
};

bool Whole(float v) {
    return std::isfinite(v) && v == std::floor(v);
}

// Checked independently of the reader: every index a square holds addresses
// an existing point or square, and the arrays match the counts.
std::string Inconsistency(const vh::EditorState& s) {
    if (!Whole(s.Terrain.PointCount) || !Whole(s.Terrain.SquareCount) || !Whole(s.Terrain.PointsPerRow))
        return "counts not whole";
    const int np = s.Terrain.PointCount, ns = s.Terrain.SquareCount;
    if (np <= 0 || ns <= 0 || np > 32767) return "point or square count out of range";
    for (size_t n : {s.Terrain.Points.size(), s.History.UndoHeights1.size(), s.History.RedoHeights.size()})
        if (n != np + 1u) return "a point array does not match the point count";
    const int w = s.Terrain.PointsPerRow;
    if (w < 2 || np % w != 0 || ns != (w - 1) * (np / w - 1)) return "the counts do not describe a grid";
    for (int i = 1; i <= np; ++i) {
        const vh::TerrainPoint& p = s.Terrain.Points[i];
        if (!std::isfinite(p.X) || !std::isfinite(p.Z) || !std::isfinite(p.Height))
            return "point " + std::to_string(i) + " is not finite";
    }
    for (int i = 1; i <= ns; ++i) {
        const vh::SquareCorners c = s.Terrain.Corners(i);
        for (int p : {c.c0, c.c1, c.c2, c.c3})
            if (p < 1 || p > np) return "square " + std::to_string(i) + " names a missing point";
        for (vh::Dir d : {vh::Dir::Next, vh::Dir::Prev, vh::Dir::Left, vh::Dir::Right, vh::Dir::NextLeft,
                          vh::Dir::NextRight, vh::Dir::PrevLeft, vh::Dir::PrevRight})
            if (const int n = s.Terrain.Neighbour(i, d); n < 0 || n > ns)
                return "square " + std::to_string(i) + " names a missing square";
    }
    return {};
}

bool SameTerrain(const vh::EditorState& a, const vh::EditorState& b) {
    if (a.Terrain.PointCount != b.Terrain.PointCount || a.Terrain.SquareCount != b.Terrain.SquareCount ||
        a.Terrain.PointsPerRow != b.Terrain.PointsPerRow ||
        a.Terrain.Points.size() != b.Terrain.Points.size())
        return false;
    for (size_t i = 1; i < a.Terrain.Points.size(); ++i) {
        const vh::TerrainPoint &p = a.Terrain.Points[i], &q = b.Terrain.Points[i];
        if (p.X != q.X || p.Height != q.Height || p.Z != q.Z || p.Locked != q.Locked) return false;
    }
    return true;
}

// The editor a document is opened over: a 4 x 5 terrain with a raised point,
// its own path, the loop running.
const vh::EditorState& CurrentEditor() {
    static const vh::EditorState current = [] {
        vh::EditorState s = SampleTerrain(4, 5);
        s.Terrain.Points[6].Height = 32;
        s.Doc.TerrainExists = s.LoopRunning = true;
        s.Doc.DocPath = "/maps/current.vhm";
        return s;
    }();
    return current;
}

// Settings texts are equal but for numbers that differ by float rounding.
std::string SettingsDiffer(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string lx, ly;
    while (std::getline(x, lx)) {
        if (!std::getline(y, ly)) return "the settings read back have fewer lines";
        if (lx == ly) continue;
        const size_t ex = lx.find('='), ey = ly.find('=');
        const auto nx = vh::ReadNumberStrict(lx.substr(ex + 1)), ny = vh::ReadNumberStrict(ly.substr(ey + 1));
        if (ex == std::string::npos || lx.substr(0, ex) != ly.substr(0, ey) || !nx || !ny ||
            std::fabs(*nx - *ny) > 1e-6 * std::max(1.0, std::fabs(*nx)))
            return "the settings read back differ: " + lx + " / " + ly;
    }
    return std::getline(y, ly) ? "the settings read back have more lines" : "";
}

}  // namespace

Verdict CheckDocument(std::string_view bytes) {
    const std::string path = Write("input.vhm", bytes);
    const vh::EditorState& current = CurrentEditor();
    vh::EditorState s = current;
    CountingPrompts prompts;
    Verdict v;
    v.Loaded = vh::ReadDocument(s, path, "input.vhm", prompts);
    if (!v.Loaded) {
        if (prompts.Messages != 1 || prompts.Text.empty() || prompts.Title != "Varnholm")
            return Broke("a refused document did not give one message");
        if (!SameTerrain(s, current)) return Broke("a refused document changed the terrain");
        if (vh::SettingsText(s) != vh::SettingsText(current))
            return Broke("a refused document changed settings");
        if (s.Doc.DocPath != current.Doc.DocPath || !s.LoopRunning)
            return Broke("a refused document changed the editor");
        return v;
    }
    if (prompts.Messages != 0) return Broke("an opened document also gave a message: " + prompts.Text);
    if (std::string why = Inconsistency(s); !why.empty()) return Broke("opened terrain: " + why);
    // What was opened saves, reopens, and saves to the same bytes again.
    const vh::Result<std::string> once = vh::EncodeDocument(s.Terrain, vh::DocumentSettingsOf(s));
    if (!once) return Broke("an opened document cannot be saved: " + once.Message());
    const vh::Result<vh::DocumentData> again = vh::DecodeDocument(once.Value(), "again");
    if (!again) return Broke("a saved document does not reopen: " + again.Message());
    vh::EditorState t = current;
    vh::ApplyDocument(t, again.Value());
    const vh::Result<std::string> twice = vh::EncodeDocument(t.Terrain, vh::DocumentSettingsOf(t));
    if (!twice || once.Value() != twice.Value()) return Broke("saving a reopened document changed its bytes");
    // And it exports, with whatever export settings it carried.
    vh::Status exported = vh::ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd,
                                        FreshPath("export.map"), vh::NoProgress());
    if (exported) exported = vh::ExportHeightImage(s.Terrain, FreshPath("export.bmp"));
    if (!exported) return Broke("an opened document does not export: " + exported.Message());
    // Its own compile-ready choices may find no room for a player, but say so.
    if (s.Choices.Used()) {
        const vh::Result<vh::ExportSummary> ready = vh::ExportMap(
            s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, vh::CompileOptionsOf(s.Choices, s.Export),
            FreshPath("ready.map"), vh::NoProgress());
        if (!ready && ready.Message().empty())
            return Broke("a compile-ready export failed without a message");
    }
    return v;
}

Verdict CheckSettings(std::string_view text) {
    const std::string path = Write("Varnholm.ini", text);
    vh::EditorState s, t;
    vh::SetDefaults(s, "/prog");
    vh::SetDefaults(t, "/prog");
    if (const vh::Status read = vh::ReadSettingsFile(s, path); !read)
        return Broke("a readable settings file was refused: " + read.Message());
    if (ReadBack(path) != text) return Broke("reading changed the settings file");
    for (float f :
         {s.NewMap.MaxSeed, s.Camera.WalkSpeed, s.NewMap.SmoothThreshold, s.Tools.SmoothToolThreshold,
          s.Window.WindowTop, s.Window.WindowLeft, s.Window.WindowHeight, s.Window.WindowWidth,
          s.Brushes.TopScaleX, s.NewMap.MinNormal, s.NewMap.BitMapHeightMulti})
        if (!std::isfinite(f)) return Broke("a setting read as infinite or NaN");
    if (s.Window.WindowState < 0 || s.Window.WindowState > 2)
        return Broke("an impossible window state was read");
    if (s.Window.WindowTop > static_cast<float>(s.Window.ScreenHeightTwips))
        return Broke("the window top is off the screen");
    for (int k = 1; k <= 8; ++k)
        if (s.Recent[k].find_first_of("\r\n") != std::string::npos) return Broke("a recent path spans lines");

    const std::string once = vh::SettingsText(s);
    vh::ApplySettingsText(t, once);
    if (std::string why = SettingsDiffer(once, vh::SettingsText(t)); !why.empty()) return Broke(why);
    // The New Map dialog opens on whatever was read.
    (void)vh::CheckNewMapValues(vh::NewMapValuesFromSettings(s.NewMap, s.Tools.Grid), s.Tools.Grid);
    return {true, {}};
}

Verdict CheckTga(std::string_view bytes) {
    const vh::view::EditorImage image = vh::view::LoadEditorImage(Write("input.tga", bytes));
    if (image.Placeholder)
        return image.Error.empty() ? Broke("a TGA file was refused without a message") : Verdict{};
    if (!image.Error.empty()) return Broke("a TGA file loaded with an error: " + image.Error);
    auto u16 = [&](size_t at) {
        return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
    };
    if (bytes.size() < 18 || image.Image.width() != u16(12) || image.Image.height() != u16(14))
        return Broke("a TGA image does not have the size its header gives");
    if (!vh::ImageSizeAllowed(image.Image.width(), image.Image.height()))
        return Broke("a TGA image over the size limit was loaded");
    return {true, {}};
}

Verdict CheckImage(std::string_view bytes) {
    // Qt's readers log every broken file; thousands of lines would bury the results.
    static const bool quiet = (QLoggingCategory::setFilterRules("qt.gui.imageio*=false"), true);
    (void)quiet;
    const std::string path = Write("input.bmp", bytes);
    const vh::Result<QImage> preview = vh::LoadHeightImagePreview(path);
    const vh::view::EditorImage texture = vh::view::LoadEditorImage(path);
    if (preview.Ok() == texture.Placeholder) return Broke("the height image and texture loaders disagree");
    if (!preview.Ok())
        return preview.Message().empty() || texture.Error.empty()
                   ? Broke("an image was refused without a message")
                   : Verdict{};
    if (preview->width() != vh::kPreviewSide || preview->height() != vh::kPreviewSide)
        return Broke("the preview is not the preview's size");
    if (!vh::ImageSizeAllowed(texture.Image.width(), texture.Image.height()))
        return Broke("an image over the size limit was loaded");

    // Generation samples the preview: greys 0..255 give whole grid steps
    // within 128 times the multiplier of the old heights.
    static const vh::EditorState flat = [] {
        vh::EditorState s = SampleTerrain(5, 5);
        s.NewMap.BitMapHeightMulti = 8;
        return s;
    }();
    vh::EditorState s = flat;
    vh::HeightImage(s.Terrain, s.NewMap, s.Tools.Grid, preview.Value(), vh::NoProgress());
    for (int i = 1; i <= s.Terrain.PointCount; ++i) {
        const float h = s.Terrain.Points[i].Height;
        if (!(std::fabs(h) <= 1024) || std::fmod(h, static_cast<float>(s.Tools.Grid)) != 0)
            return Broke("a height image gave the height " + std::to_string(h));
    }
    return {true, {}};
}

}  // namespace vhfuzz
