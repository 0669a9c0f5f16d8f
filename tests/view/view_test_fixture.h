// Helpers for the view tests: one application object and solid test images.
#pragma once

#include <QApplication>
#include <QImage>
#include <string>

#include "core/editor_state.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace viewtest {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "view_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A square BMP of one colour; returns its path.
inline std::string SolidImage(const vhtest::TempDir& dir, const std::string& name, QColor colour) {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(colour);
    const std::string path = dir.File(name);
    img.save(QString::fromStdString(path), "BMP");
    return path;
}

}  // namespace viewtest
