#include "view/editor_textures.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorTextures, AutoFillReplacesTheTwoCharactersBeforeTheExtension) {
    const auto filled = vh::view::AutoFillSkyPaths("/maps/x_up.tga");
    ASSERT_TRUE(filled.has_value());
    EXPECT_EQ(*filled, (vh::view::SkyPaths{"/maps/x_up.tga", "/maps/x_dn.tga", "/maps/x_ft.tga",
                                           "/maps/x_bk.tga", "/maps/x_rt.tga", "/maps/x_lf.tga"}));
    // ".jpeg" keeps only its last four characters.
    EXPECT_EQ((*vh::view::AutoFillSkyPaths("/s/skyup.jpeg"))[0], "/s/skyuupjpeg");
    EXPECT_FALSE(vh::view::AutoFillSkyPaths("a.bmp").has_value());
}

TEST(EditorTextures, ShortcutsAndEmptyNamesAreRefusedAndOneEmptySkyBoxResetsAllSix) {
    EXPECT_FALSE(vh::view::AcceptChosenFile(""));
    EXPECT_FALSE(vh::view::AcceptChosenFile("/home/me/sky.LnK"));
    EXPECT_TRUE(vh::view::AcceptChosenFile("/home/me/sky.bmp"));
    vh::EditorTextures x;
    vh::view::EditorTextureChoice c;
    for (int i = 0; i < 6; ++i) c.Sky[i] = "  /my/sky" + std::to_string(i) + ".bmp ";
    c.Ground = " /my/ground.tga ";
    c.Sky[3] = "   ";
    vh::view::ApplyEditorTextures(x, "/opt/vh", c);
    // Up, down, front, back, right, left: the shipped images pair with the keys so.
    EXPECT_EQ(vh::view::SkyPathsOf(x),
              (vh::view::SkyPaths{"/opt/vh/sky/top.bmp", "/opt/vh/sky/bottom.bmp", "/opt/vh/sky/right.bmp",
                                  "/opt/vh/sky/left.bmp", "/opt/vh/sky/front.bmp", "/opt/vh/sky/back.bmp"}));
    EXPECT_EQ(x.GroundTexture, "/my/ground.tga");
}

}  // namespace
