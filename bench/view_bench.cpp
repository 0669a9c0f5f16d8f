// Frames per second of the 3D view in each render mode at 1024 x 768 with a
// 181 x 181 terrain (run under Xvfb: software OpenGL), each also as a share
// of the rate of an empty frame (clear and swap only) measured in the same
// run, since the machine's load moves every absolute figure; and the time of
// one raise/lower pass with its mesh update. Needs a display:
//   xvfb-run -a -s '-screen 0 1280x1024x24' build-*/bin/view_bench
// With --frames=DIR it only saves overlay frames from a few poses (PNG).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QOpenGLFunctions>
#include <QOpenGLWindow>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>

#include "core/grid.h"
#include "core/lifecycle.h"
#include "tools/edit_pass.h"
#include "view/terrain_view.h"

namespace {

vh::EditorState* gState = nullptr;
vh::view::TerrainView* gView = nullptr;
vh::ToolBox* gTools = nullptr;
double gEmptyFps = 0;

// The same kind of surface as the view's, drawing nothing: what a frame
// costs before any of the view's own work.
class ClearOnly : public QOpenGLWindow {
protected:
    void paintGL() override {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0.5f, 0.5f, 0.2f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

// A frame surface: the view, or the empty one in a widget of its own.
struct Surface {
    QWidget* widget;
    std::function<void()> request;
    QObject* swapper;
};

void MakeBigTerrain(vh::EditorState& s) {
    vh::SetDefaults(s, QCoreApplication::applicationDirPath().toStdString());
    s.LogPath.clear();
    vh::ResetEditor(s);
    s.NewMap.X = 181;
    s.NewMap.Y = 181;
    s.NewMap.Size = 256;
    vh::BuildGrid(s);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) {
        const float x = s.Terrain.Points[p].X, z = s.Terrain.Points[p].Z;
        s.Terrain.Points[p].Height =
            std::round(600 * std::sin(x / 3000.0f) * std::cos(z / 2300.0f) / 16) * 16;
    }
    // Over one corner, looking across most of the map.
    s.Pose.CameraPos = {-20000, 6000, -20000};
    s.Pose.CameraTarget = {0, 0, 0};
    s.LoopRunning = true;
}

Surface ViewSurface() {
    return {gView, [] { gView->RequestFrame(); }, gView};
}

// One frame through the Qt loop: ask for it and wait until it is presented.
void DrawOneFrame(const Surface& s = ViewSurface()) {
    QEventLoop loop;
    if (auto* w = qobject_cast<QOpenGLWindow*>(s.swapper))
        QObject::connect(w, &QOpenGLWindow::frameSwapped, &loop, &QEventLoop::quit);
    else
        QObject::connect(gView, &vh::view::TerrainView::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    s.request();
    loop.exec();
}

// CPU time of the whole process (the GL rasterizer's threads too), which
// other work on a shared machine disturbs far less than the frame rate.
double ProcessCpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Frames of `view` as fast as they come: frames per second, CPU ms a frame,
// and the share of the empty frame's rate.
void MeasureFrames(benchmark::State& st, const Surface& surface) {
    DrawOneFrame(surface);  // uploads
    const QWidget* view = surface.widget;
    const double cpu = ProcessCpuMs();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) DrawOneFrame(surface);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double frames = static_cast<double>(st.iterations());
    st.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    st.counters["cpu_ms"] = (ProcessCpuMs() - cpu) / frames;
    if (view != gView) gEmptyFps = seconds > 0 ? frames / seconds : 0;
    if (view == gView && gEmptyFps > 0)
        st.counters["of_empty"] = benchmark::Counter(frames / gEmptyFps, benchmark::Counter::kIsRate);
}

void BM_EmptyFrame(benchmark::State& st) {
    auto* window = new ClearOnly;
    window->setFormat(vh::view::ViewSurfaceFormat());
    QWidget empty;
    QWidget* container = QWidget::createWindowContainer(window, &empty);
    container->resize(gView->size());
    empty.resize(gView->size());
    gView->hide();
    empty.show();
    // Drawn the way the view draws its frames: at the next turn of the loop.
    auto frame = [window] {
        QMetaObject::invokeMethod(
            window,
            [window] {
                window->makeCurrent();
                QOpenGLFunctions* gl = window->context()->functions();
                gl->glClearColor(0.5f, 0.5f, 0.2f, 1.0f);
                gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                window->context()->swapBuffers(window);
                emit window->frameSwapped();
            },
            Qt::QueuedConnection);
    };
    // Its first frame comes with its exposure and makes its context.
    window->update();
    for (int i = 0; i < 400 && !window->isValid(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    MeasureFrames(st, {&empty, frame, window});
    empty.hide();
    gView->show();
    DrawOneFrame();
}

void DrawInMode(benchmark::State& st, vh::RenderMode mode) {
    gState->View.Mode = mode;
    gState->Stroke.PickedSquare = gState->Terrain.SquareCount / 2 + 90;
    MeasureFrames(st, ViewSurface());
}

void BM_Solid(benchmark::State& st) {
    DrawInMode(st, vh::RenderMode::Solid);
}
// Without the info panel and frame-rate text (the painter's share of a frame).
void BM_SolidWithoutTexts(benchmark::State& st) {
    gState->View.Info = gState->View.Fps = false;
    DrawInMode(st, vh::RenderMode::Solid);
    gState->View.Info = gState->View.Fps = true;
}
void BM_SolidWire(benchmark::State& st) {
    DrawInMode(st, vh::RenderMode::SolidWire);
}
void BM_Wireframe(benchmark::State& st) {
    DrawInMode(st, vh::RenderMode::Wireframe);
}
void BM_Points(benchmark::State& st) {
    DrawInMode(st, vh::RenderMode::Points);
}
// The walkability overlay over Solid: its cost is the difference to BM_Solid.
void BM_SolidWalkability(benchmark::State& st) {
    gView->SetWalkabilityOverlay(true);
    DrawInMode(st, vh::RenderMode::Solid);
    gView->SetWalkabilityOverlay(false);
}

// The overlay's cost as a share of a Solid frame, from Solid and overlay
// frames drawn in turn: whatever else loads the machine slows both alike,
// where two separate runs can differ by more than the overlay costs.
void BM_WalkabilityOverlayShare(benchmark::State& st) {
    gState->View.Mode = vh::RenderMode::Solid;
    gState->Stroke.PickedSquare = gState->Terrain.SquareCount / 2 + 90;
    double ms[2] = {0, 0}, cpu[2] = {0, 0};
    for (bool on : {true, false}) {  // uploads and both programs first
        gView->SetWalkabilityOverlay(on);
        DrawOneFrame();
    }
    for (auto _ : st)
        for (int on = 0; on < 2; ++on) {
            gView->SetWalkabilityOverlay(on != 0);
            const double c = ProcessCpuMs();
            const auto start = std::chrono::steady_clock::now();
            DrawOneFrame();
            ms[on] +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            cpu[on] += ProcessCpuMs() - c;
        }
    gView->SetWalkabilityOverlay(false);
    const double frames = static_cast<double>(st.iterations());
    st.counters["solid_ms"] = ms[0] / frames;
    st.counters["overlay_ms"] = ms[1] / frames;
    st.counters["time_share"] = ms[0] > 0 ? ms[1] / ms[0] - 1 : 0;
    st.counters["cpu_share"] = cpu[0] > 0 ? cpu[1] / cpu[0] - 1 : 0;
}

// A raise/lower stroke step on a picked square, which ends in the mesh update.
void BM_RaiseLowerPassWithMeshUpdate(benchmark::State& st) {
    vh::EditorState& s = *gState;
    const int square = s.Terrain.SquareCount / 2 + 90;
    vh::InputState in;
    in.Button1 = true;
    in.CursorInView = true;
    int y = 400;
    for (auto _ : st) {
        y = y == 400 ? 380 : 400;  // alternate up and down so heights stay bounded
        in.CursorY = y;
        vh::RunEditPass(s, *gTools, in, square);
    }
}

// Every vertex and normal of the mesh, as before only the changed ones were updated.
void BM_UpdateTerrainMeshOnly(benchmark::State& st) {
    vh::view::TerrainMesh mesh = gView->Mesh();
    for (auto _ : st) benchmark::DoNotOptimize(vh::view::UpdateTerrainMesh(mesh, gState->Terrain));
}

BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_Solid)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_SolidWithoutTexts)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_SolidWire)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_Wireframe)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_Points)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_SolidWalkability)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_WalkabilityOverlayShare)->Unit(benchmark::kMillisecond)->MinTime(10.0)->UseRealTime();
BENCHMARK(BM_RaiseLowerPassWithMeshUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateTerrainMeshOnly)->Unit(benchmark::kMicrosecond);

// With --frames=DIR: Solid frames with the overlay from a few poses saved
// as PNG files there, to compare pictures between builds; no timings.
int SaveFrames(const QString& dir) {
    struct Pose {
        const char* name;
        vh::Vec3f eye, target;
    };
    const Pose poses[] = {{"corner", {-20000, 6000, -20000}, {0, 0, 0}},
                          {"above", {300, 9000, -600}, {300, 0, 0}},
                          {"grazing", {-6000, 1000, -6000}, {4000, 0, 3000}},
                          {"near", {-2600, 1100, -2600}, {0, 0, 0}}};
    gState->View.Mode = vh::RenderMode::Solid;
    gView->SetWalkabilityOverlay(true);
    for (const Pose& p : poses) {
        gState->Pose.CameraPos = p.eye;
        gState->Pose.CameraTarget = p.target;
        DrawOneFrame();
        const QString path = dir + "/" + p.name + ".png";
        if (!gView->grabFramebuffer().save(path)) return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto state = std::make_unique<vh::EditorState>();
    gState = state.get();
    MakeBigTerrain(*state);
    auto tools = std::make_unique<vh::ToolBox>();
    gTools = tools.get();
    auto view = std::make_unique<vh::view::TerrainView>(*state, *tools);
    gView = view.get();
    view->resize(1024, 768);
    view->show();
    view->TerrainReplaced();
    DrawOneFrame();
    for (int i = 1; i < argc; ++i)
        if (QString frames = QString::fromLocal8Bit(argv[i]); frames.startsWith("--frames=")) {
            const int failed = SaveFrames(frames.mid(9));
            view.reset();
            return failed;
        }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    view.reset();
    return 0;
}
