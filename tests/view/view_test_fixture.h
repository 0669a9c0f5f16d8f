// Helpers for the view tests: an application object, terrains with known
// shapes, and coloured test images.
#pragma once

#include <QApplication>
#include <QImage>
#include <string>

#include "core/editor_state.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace viewtest {

// One QApplication for the whole test program.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "view_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A plain image of one colour saved as BMP; returns its path.
inline std::string SolidImage(const vhtest::TempDir& dir, const std::string& name, QColor colour,
                              int size = 32) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(colour);
    const std::string path = dir.File(name);
    img.save(QString::fromStdString(path), "BMP");
    return path;
}

// Terrain with heights h(x, z) given per point.
template <class F>
void ShapeTerrain(vh::EditorState& s, F height) {
    for (int p = 1; p <= s.PointTotal(); ++p) s.Points[p].Height = height(s.Points[p].X, s.Points[p].Z);
}

}  // namespace viewtest
