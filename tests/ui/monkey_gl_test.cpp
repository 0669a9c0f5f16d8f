// Thousands of random inputs through the shown window (monkey_fixture.h).
// After every step the editor must hold together; at the end the last saved
// document reopens with the heights it was saved with, and the settings file
// reads back. A failure names its seed and step:
// VH_MONKEY_SEED=<seed> VH_MONKEY_STEPS=<step> replays the same inputs up to
// it (camera moves follow the clock, so a replay can drift from the first
// run); VH_MONKEY_SECONDS lifts the time cap for longer runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QToolButton>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "core/command_states.h"
#include "core/document.h"
#include "core/settings.h"
#include "main_window_fixture.h"
#include "monkey_fixture.h"
#include "ui/tool_commands.h"
#include "ui/view_commands.h"
#include "view/terrain_view.h"

namespace fs = std::filesystem;
using vh::ui::Command;
using Problems = std::vector<std::string>;

namespace {

std::vector<float> Heights(const vh::Terrain& t) {
    std::vector<float> h;
    for (int i = 1; i < static_cast<int>(t.Points.size()); ++i) h.push_back(t.Points[i].Height);
    return h;
}

// The terrain hangs together, and the view shows it.
void CheckTerrain(const vh::EditorState& s, const vh::ToolBox& tools, const vh::view::TerrainView& view,
                  Problems& bad) {
    const vh::Terrain& t = s.Terrain;
    const int w = t.PointsPerRow, rows = t.Rows();
    if (w < 2 || rows < 2 || t.PointCount != w * rows || t.SquareCount != (w - 1) * (rows - 1) ||
        t.Points.size() != static_cast<size_t>(t.PointCount) + 1) {
        bad.push_back("counts " + std::to_string(t.PointCount) + "/" + std::to_string(t.SquareCount) +
                      " do not fit " + std::to_string(w) + " points per row");
        return;
    }
    for (int i = 1; i <= t.PointCount; ++i) {
        const vh::TerrainPoint& p = t.Points[i];
        if (!std::isfinite(p.X) || !std::isfinite(p.Height) || !std::isfinite(p.Z)) {
            bad.push_back("point " + std::to_string(i) + " is not finite: height " +
                          std::to_string(p.Height));
            return;
        }
    }
    for (int k = 1; k <= t.SquareCount; ++k) {
        const vh::SquareCorners c = t.Corners(k);
        if (!t.IsPoint(c.c0) || !t.IsPoint(c.c1) || !t.IsPoint(c.c2) || !t.IsPoint(c.c3))
            bad.push_back("square " + std::to_string(k) + " names a point that does not exist");
    }
    const vh::UndoHistory& u = s.History;
    if (u.UndoLevels < 0 || u.UndoLevels > 3) bad.push_back("undo levels " + std::to_string(u.UndoLevels));
    for (const std::vector<float>* v : {&u.UndoHeights1, &u.UndoHeights2, &u.UndoHeights3, &u.RedoHeights})
        if (v->size() != t.Points.size()) bad.push_back("an undo snapshot does not fit the terrain");
    if (s.Stroke.PickedSquare < 0 || s.Stroke.PickedSquare > t.SquareCount)
        bad.push_back("picked square " + std::to_string(s.Stroke.PickedSquare));
    const int corner = tools.TouchUp.TouchUpCorner;
    if (corner < 1 || corner > 4) bad.push_back("touch-up corner " + std::to_string(corner));

    const vh::view::TerrainMesh& mesh = view.Mesh();
    if (mesh.VertexCount() != t.PointCount ||
        mesh.Triangles.size() != 6u * static_cast<size_t>(t.SquareCount)) {
        bad.push_back("the view's mesh does not fit the terrain");
        return;
    }
    for (int v = 0; v < t.PointCount; ++v)
        if (mesh.Vertices[static_cast<size_t>(v) * vh::view::kVertexFloats + 1] != t.Points[v + 1].Height) {
            bad.push_back("the view shows point " + std::to_string(v + 1) + " at an old height");
            return;
        }
}

// The menus and toolbar show the editor's state: every control as the
// state says; one tool, one render mode, one grid and one radius checked; a
// toolbar button like its menu item; a drop-down entry offered exactly when
// its menu item is available and not the current one.
void CheckControls(vh::ui::MainWindow& w, Problems& bad) {
    const vh::EditorState& s = w.State();
    const vh::CommandStates states = vh::ComputeCommandStates(s);
    std::map<vh::ui::Handler, int> checked;
    std::map<std::pair<vh::ui::Handler, int>, const QAction*> menuItem;
    for (const Command& row : vh::ui::CommandTable()) {
        const QAction* a = *row.name ? w.Action(row.name) : nullptr;
        if (!a || row.state.Empty()) continue;
        const vh::ControlState& c = row.state.Of(states);
        // A hidden action reports itself disabled.
        if ((c.Visible && a->isEnabled() != c.Enabled) || a->isVisible() != c.Visible ||
            (a->isCheckable() && a->isChecked() != c.Checked))
            bad.push_back(std::string(row.name) + " does not show the current state");
        if (!vh::ui::OnToolbar(row) && row.run) {
            menuItem[{row.run, row.arg}] = a;
            if (a->isChecked()) ++checked[row.run];
        }
    }
    const std::pair<vh::ui::Handler, const char*> oneOf[] = {{&vh::ui::ChooseTool, "tool"},
                                                             {&vh::ui::ShowRenderMode, "render mode"},
                                                             {&vh::ui::ChooseGrid, "grid"},
                                                             {&vh::ui::ChooseRadius, "radius"}};
    if (s.Doc.TerrainExists)
        for (const auto& [handler, what] : oneOf)
            if (checked[handler] != 1)
                bad.push_back(std::to_string(checked[handler]) + " " + what + " items checked");
    for (const Command& row : vh::ui::CommandTable()) {
        if (!vh::ui::OnToolbar(row) || !row.run) continue;
        const QAction* a = w.Action(row.name);
        const auto twin = menuItem.find({row.run, row.arg});
        if (!a || twin == menuItem.end()) continue;
        const QAction* m = twin->second;
        const bool same = row.place == vh::ui::Place::Toolbar
                              ? a->isEnabled() == m->isEnabled() && a->isChecked() == m->isChecked()
                              : a->isEnabled() == (m->isEnabled() && !m->isChecked());
        if (!same) bad.push_back(std::string(row.name) + " disagrees with " + m->objectName().toStdString());
    }
    // A radius shown is one the current tool offers (tools without a radius
    // close the whole menu and leave its marks as they were).
    const bool radiusMenu = w.Action("cmdRadious")->isEnabled();
    for (const char* r : {"cmdRadSmall", "cmdRadLarge", "cmdRadXLarge", "cmdRadYLarge"})
        if (radiusMenu && w.Action(r)->isChecked() && !w.Action(r)->isEnabled())
            bad.push_back(std::string(r) + " checked, not offered");
}

// The window runs: the loop ticks whenever a terrain is shown and no dialog
// is open, one dialog at most, the caption is the document's.
void CheckWindow(vh::ui::MainWindow& w, Problems& bad) {
    const vh::EditorState& s = w.State();
    if (w.Ended() || !w.isVisible()) bad.push_back("the window is gone");
    QDialog* dialog = w.OpenedDialog();
    if (dialog && w.LoopTicking()) bad.push_back("the loop runs under a dialog");
    if (!dialog && s.Doc.TerrainExists && !(s.LoopRunning && w.LoopTicking()))
        bad.push_back("the loop stopped with a terrain and no dialog");
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(top) && top->isVisible() && top != dialog)
            bad.push_back("a second dialog is shown: " + top->objectName().toStdString());
    if (w.windowTitle().replace("[*]", "").toStdString() != s.Doc.Caption)
        bad.push_back("the caption is " + w.windowTitle().toStdString());
}

// What the run keeps of the documents it saved.
struct SavedDocuments {
    std::map<std::string, std::vector<float>> heights;
    std::vector<std::string> order;  // oldest first

    std::string Last() const {
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            if (heights.count(*it) && fs::is_regular_file(*it)) return *it;
        return {};
    }
};

// Files written in the step are whole; a document holds the heights of the
// moment it was saved; a document opened holds what was saved in it.
void CheckFiles(const vhtest::Monkey& m, SavedDocuments& saved, Problems& bad) {
    for (const vhtest::FileEvent& f : m.Written()) {
        const std::string ext = fs::path(f.Path).extension().string();
        if (fs::is_directory(f.Path)) {
            bad.push_back(f.Path + " was a folder and is gone");
        } else if (ext == ".vhm") {
            const vh::Result<vh::DocumentData> doc = vh::LoadDocumentFile(f.Path);
            if (!doc)
                bad.push_back(f.Path + " was written and does not open: " + doc.Message());
            else if (Heights(doc->Terrain) != Heights(f.Terrain))
                bad.push_back(f.Path + " does not hold the heights it was saved with");
            saved.heights[f.Path] = Heights(f.Terrain);
            saved.order.push_back(f.Path);
        } else if (ext == ".map") {
            const std::string text = vhtest::ReadFileBytes(f.Path);
            if (text.rfind("{\r\n    \"classname\" \"worldspawn\"\r\n", 0) != 0 || text.size() < 3 ||
                text.compare(text.size() - 3, 3, "}\r\n") != 0)
                bad.push_back(f.Path + " is not a whole .MAP file");
        } else if (ext == ".bmp") {
            const QImage image(QString::fromStdString(f.Path));
            if (image.width() != f.Terrain.PointsPerRow || image.height() != f.Terrain.Rows())
                bad.push_back(f.Path + " is not one pixel per point");
        }
    }
    for (auto it = saved.heights.begin(); it != saved.heights.end();)
        it = fs::exists(it->first) ? std::next(it) : saved.heights.erase(it);  // its folder was removed
    for (const vhtest::FileEvent& f : m.Loaded()) {
        const auto known = saved.heights.find(f.Path);
        if (known != saved.heights.end() && Heights(f.Terrain) != known->second)
            bad.push_back(f.Path + " opened with other heights than it was saved with");
    }
}

void CheckMessages(const vhtest::Monkey& m, Problems& bad) {
    for (const vhtest::RecordedMessage& msg : m.NewMessages())
        if (msg.Text.empty() || (msg.Title != "Varnholm" && msg.Title != "Save File?"))
            bad.push_back("message '" + msg.Text + "' titled '" + msg.Title + "'");
}

// What a start reading `written` ends up with: the file's reader skips a
// key with an empty value (a texture name left empty), which keeps its
// default then. Defaults are found by section and key, since a line
// written only when its switch is on shifts the lines after it.
std::string AfterReading(const std::string& written) {
    std::map<std::string, std::string> defaults;
    std::string line, section, expected;
    auto key = [&] { return section + line.substr(0, line.find('=')); };
    auto read = [&](const std::string& text, auto onLine) {
        std::istringstream lines(text);
        section.clear();
        while (std::getline(lines, line)) {
            if (!line.empty() && line[0] == '[') section = line;
            onLine();
        }
    };
    read(vh::SettingsText(vh::Settings{}), [&] { defaults[key()] = line; });
    read(written, [&] {
        const bool empty = line.size() > 1 && line.find('=') == line.size() - (line.back() == '\r' ? 2 : 1);
        const auto fallback = defaults.find(key());
        expected += (empty && fallback != defaults.end() ? fallback->second : line) + "\n";
    });
    return expected;
}

// Where `got` first differs from `want`, for a failure message.
std::string FirstDifference(const std::string& want, const std::string& got) {
    std::istringstream x(want), y(got);
    std::string p, q;
    while (std::getline(x, p)) {
        if (!std::getline(y, q)) return "'" + p + "' was lost";
        if (p != q) return "'" + p + "' became '" + q + "'";
    }
    return "lines were added";
}

void CheckReadBack(const std::string& written, const vh::Settings& back, const std::string& what,
                   Problems& bad) {
    const std::string want = AfterReading(written), got = vh::SettingsText(back);
    if (got != want) bad.push_back(what + ": " + FirstDifference(want, got));
}

// The settings written at the end are read back by the next start.
void CheckSettingsReadBack(vhtest::Monkey& m, const std::string& written, Problems& bad) {
    if (vhtest::ReadFileBytes(m.SettingsPath()) != written)
        bad.push_back("the settings file is not what was written");
    vh::Settings back;
    vh::ApplySettingsText(back, written);
    CheckReadBack(written, back, "the settings file does not read back", bad);
    CheckReadBack(written, m.State(), "the next start did not take the settings", bad);
}

std::string Joined(const Problems& bad) {
    std::string text;
    for (const std::string& b : bad) text += "  " + b + "\n";
    return text;
}

}  // namespace

// About a minute of inputs; a sanitized build runs slower, so it takes
// fewer. The time cap only guards a very slow machine.
#if defined(__SANITIZE_ADDRESS__)
constexpr vhtest::MonkeyPlan kPlan{20240617u, 1500, 150.0};
#else
constexpr vhtest::MonkeyPlan kPlan{20240617u, 2500, 120.0};
#endif

TEST(Monkey, ThousandsOfRandomInputsLeaveTheEditorWholeAndItsFilesTrue) {
    const vhtest::MonkeyPlan plan = vhtest::MonkeyPlanFromEnvironment(kPlan);
    std::printf("[  MONKEY  ] seed %u, up to %d steps or %.0f s\n", plan.Seed, plan.Steps, plan.Seconds);
    std::fflush(stdout);
    vhtest::Monkey m(plan.Seed);
    SavedDocuments saved;
    const auto start = std::chrono::steady_clock::now();
    auto fail = [&](const std::string& when, const Problems& bad) {
        ADD_FAILURE() << when << ":\n"
                      << Joined(bad) << "replay: VH_MONKEY_SEED=" << plan.Seed
                      << " VH_MONKEY_STEPS=" << m.Inputs() << "\nlast inputs:\n"
                      << m.Trail();
    };

    for (int step = 0; step < plan.Steps; ++step) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > plan.Seconds)
            break;
        m.Step();
        Problems bad;
        CheckWindow(m.Window(), bad);
        CheckControls(m.Window(), bad);
        if (m.State().Doc.TerrainExists) CheckTerrain(m.State(), m.Window().Tools(), *m.Window().View(), bad);
        CheckFiles(m, saved, bad);
        CheckMessages(m, bad);
        if (m.Restarted()) CheckSettingsReadBack(m, m.SettingsAtEnd(), bad);
        if (!bad.empty()) return fail("after step " + std::to_string(m.Inputs()), bad);
    }

    // The last document saved that is still there reopens as it was saved.
    m.Settle();
    Problems bad;
    if (const std::string last = saved.Last(); !last.empty()) {
        const vh::Result<vh::DocumentData> doc = vh::LoadDocumentFile(last);
        if (!doc || Heights(doc->Terrain) != saved.heights[last])
            bad.push_back(last + " does not read back");
        m.OpenThroughWindow(last);
        if (m.State().Doc.DocPath != last || Heights(m.State().Terrain) != saved.heights[last])
            bad.push_back(last + " does not reopen in the window as saved");
    }
    m.QuitWithoutSaving();
    if (!m.Window().Ended()) bad.push_back("the program did not end");
    const std::string written = vh::SettingsText(m.State());
    vh::Settings back;
    if (const vh::Status read = vh::ReadSettingsFile(back, m.SettingsPath()); !read)
        bad.push_back("the settings file does not read: " + read.Message());
    CheckReadBack(written, back, "the settings file does not read back", bad);
    if (!bad.empty()) fail("at the end", bad);

    std::string kinds;
    for (const auto& [kind, n] : m.Counts) kinds += " " + kind + " " + std::to_string(n) + ",";
    std::printf("[  MONKEY  ] %d inputs, seed %u, %zu documents saved:%s\n", m.Inputs(), plan.Seed,
                saved.order.size(), kinds.c_str());
    ::testing::Test::RecordProperty("inputs", m.Inputs());
}
