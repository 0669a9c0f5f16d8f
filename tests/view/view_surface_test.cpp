#include "view/view_surface.h"

#include <gtest/gtest.h>

using vh::view::ChooseSurfaceKind;
using vh::view::SurfaceKind;

// Qt 6.4 never exposed a GL window embedded in a widget under weston (the
// view stayed blank), so Wayland gets the QOpenGLWidget surface.
TEST(ViewSurfaceKind, WaylandDrawsThroughAWidgetAndX11ThroughAnEmbeddedWindow) {
    EXPECT_EQ(ChooseSurfaceKind("wayland", ""), SurfaceKind::Widget);
    EXPECT_EQ(ChooseSurfaceKind("wayland-egl", ""), SurfaceKind::Widget);
    EXPECT_EQ(ChooseSurfaceKind("xcb", ""), SurfaceKind::Window);
    EXPECT_EQ(ChooseSurfaceKind("offscreen", ""), SurfaceKind::Window);
}

TEST(ViewSurfaceKind, TheEnvironmentChoosesEitherKindAndOtherValuesAreIgnored) {
    EXPECT_EQ(ChooseSurfaceKind("xcb", "widget"), SurfaceKind::Widget);
    EXPECT_EQ(ChooseSurfaceKind("wayland", "window"), SurfaceKind::Window);
    EXPECT_EQ(ChooseSurfaceKind("xcb", "Widget"), SurfaceKind::Window);
    EXPECT_EQ(ChooseSurfaceKind("wayland", "opengl"), SurfaceKind::Widget);
}
