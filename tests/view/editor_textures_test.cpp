#include "view/editor_textures.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorTextures, AutoFillReplacesTheTwoLetterSuffixBeforeTheExtension) {
    const auto filled = vh::view::AutoFillSkyPaths("/maps/x_up.tga");
    ASSERT_TRUE(filled.has_value());
    EXPECT_EQ(*filled, (vh::view::SkyPaths{"/maps/x_up.tga", "/maps/x_dn.tga", "/maps/x_ft.tga",
                                           "/maps/x_bk.tga", "/maps/x_rt.tga", "/maps/x_lf.tga"}));
    EXPECT_EQ((*vh::view::AutoFillSkyPaths("/s/desertup.bmp"))[4], "/s/desertrt.bmp");
}

TEST(EditorTextures, AutoFillCutsTwoCharactersEvenWithoutASuffixOrWithALongExtension) {
    EXPECT_EQ((*vh::view::AutoFillSkyPaths("/s/clouds.bmp"))[1], "/s/cloudn.bmp");
    // ".jpeg" keeps only its last four characters.
    EXPECT_EQ((*vh::view::AutoFillSkyPaths("/s/skyup.jpeg"))[0], "/s/skyuupjpeg");
    EXPECT_FALSE(vh::view::AutoFillSkyPaths("a.bmp").has_value());
}

TEST(EditorTextures, ShortcutsAndEmptyNamesAreNotAccepted) {
    EXPECT_FALSE(vh::view::AcceptChosenFile(""));
    EXPECT_FALSE(vh::view::AcceptChosenFile("/home/me/sky.lnk"));
    EXPECT_FALSE(vh::view::AcceptChosenFile("/home/me/sky.LnK"));
    EXPECT_TRUE(vh::view::AcceptChosenFile("/home/me/sky.bmp"));
}

TEST(EditorTextures, BrowseStartsInTheBoxFolderWhenItNamesAnImageElseTheLastChoice) {
    const vh::FileDialogRequest a = vh::view::BrowseRequest("/pics/sky/top.JPEG", "/last/one.bmp");
    EXPECT_EQ(a.Title, "Open Graphics File.");
    EXPECT_EQ(a.Filter, vh::view::kGraphicsFilter);
    EXPECT_EQ(a.InitialFolder, vh::FolderOf("/pics/sky/top.JPEG"));
    const vh::FileDialogRequest b = vh::view::BrowseRequest("/pics/readme.txt", "/last/one.bmp");
    EXPECT_EQ(b.InitialFolder, vh::FolderOf("/last/one.bmp"));
}

class ApplyTextures : public ::testing::Test {
protected:
    void SetUp() override {
        s.ProgramFolder = "/opt/vh";
        for (int i = 0; i < 6; ++i) c.Sky[i] = "  /my/sky" + std::to_string(i) + ".bmp ";
        c.Ground = " /my/ground.tga ";
    }
    vh::EditorState s;
    vh::view::EditorTextureChoice c;
};

TEST_F(ApplyTextures, TypedPathsAreStoredTrimmedInBoxOrder) {
    vh::view::ApplyEditorTextures(s, c);
    EXPECT_EQ(s.GroundTexture, "/my/ground.tga");
    EXPECT_EQ(s.SkyUP, "/my/sky0.bmp");
    EXPECT_EQ(s.SkyDN, "/my/sky1.bmp");
    EXPECT_EQ(s.SkyFT, "/my/sky2.bmp");
    EXPECT_EQ(s.SkyBK, "/my/sky3.bmp");
    EXPECT_EQ(s.SkyRT, "/my/sky4.bmp");
    EXPECT_EQ(s.SkyLF, "/my/sky5.bmp");
}

TEST_F(ApplyTextures, OneEmptySkyBoxResetsAllSixToTheDefaults) {
    c.Sky[3] = "   ";
    vh::view::ApplyEditorTextures(s, c);
    EXPECT_EQ(vh::view::SkyPathsOf(s), vh::view::DefaultSkyPaths("/opt/vh"));
    EXPECT_EQ(s.SkyUP, "/opt/vh/sky/top.bmp");
    EXPECT_EQ(s.GroundTexture, "/my/ground.tga");
}

TEST_F(ApplyTextures, UseDefaultsTicksWinOverTypedPaths) {
    c.SkyDefault = true;
    c.GroundDefault = true;
    vh::view::ApplyEditorTextures(s, c);
    EXPECT_EQ(s.SkyLF, "/opt/vh/sky/back.bmp");
    EXPECT_EQ(s.GroundTexture, "/opt/vh/tex/ground.jpg");
}

TEST_F(ApplyTextures, EmptyGroundBoxGivesTheDefaultGround) {
    c.Ground = "";
    vh::view::ApplyEditorTextures(s, c);
    EXPECT_EQ(s.GroundTexture, vh::view::DefaultGroundPath("/opt/vh"));
}

}  // namespace
