#include "core/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/rules.h"
#include "support/temp_dir.h"

namespace {

using vh::EditorState;
using vhtest::TempDir;

EditorState Fresh(const std::string& folder = "/prog") {
    EditorState s;
    vh::SetDefaults(s, folder);
    s.LogPath.clear();
    return s;
}

EditorState ReadText(const std::string& text) {
    TempDir dir;
    vhtest::WriteFileBytes(dir.File("v.ini"), text);
    EditorState s = Fresh();
    const vh::Status read = vh::ReadSettingsFile(s, dir.File("v.ini"));
    EXPECT_TRUE(read) << vh::MessageOf(read);
    return s;
}

// The non-empty lines of one section, without its header.
std::vector<std::string> SectionLines(const std::string& text, const std::string& name) {
    std::vector<std::string> out;
    std::istringstream in(text);
    bool inside = false;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l[0] == '[')
            inside = l == "[" + name + "]";
        else if (inside && !l.empty())
            out.push_back(l);
    }
    return out;
}

TEST(SettingsRead, RenderModeAndViewItems) {
    EditorState s = ReadText("  rendermode  =  points  \nFPS=no\nSky=0\nMipMap=fAlSe\nInfo=False\n");
    EXPECT_EQ(s.View.Mode, vh::RenderMode::Points);
    // Only the word False unchecks.
    EXPECT_TRUE(s.View.Fps);
    EXPECT_TRUE(s.View.Sky);
    EXPECT_FALSE(s.View.MipMap);
    EXPECT_FALSE(s.View.Info);
    EXPECT_EQ(ReadText("RenderMode=Shaded\n").View.Mode, vh::RenderMode::Solid);
    EXPECT_EQ(ReadText("RenderMode=Wireframe\nRenderMode=junk\n").View.Mode, vh::RenderMode::Wireframe);
}

TEST(SettingsRead, TrueNeverRechecksButPointInfoOnlyChecks) {
    EditorState s = Fresh();
    s.View.Highlight = false;
    s.View.PointInfo = true;
    vh::ApplySetting(s, "Highlight", "True", false);
    vh::ApplySetting(s, "PointInfo", "False", false);
    EXPECT_FALSE(s.View.Highlight);
    EXPECT_TRUE(s.View.PointInfo);
    EXPECT_TRUE(ReadText("PointInfo=yes\n").View.PointInfo);
}

// The overlay's key is newer than the others: files without it read as off,
// and it is written only when on, so such files keep their bytes.
TEST(SettingsReadWrite, WalkabilityOverlayIsOffWithoutItsKeyAndWrittenOnlyWhenOn) {
    EXPECT_FALSE(ReadText("FPS=True\nRenderMode=Solid\n").View.Walkability);
    EXPECT_TRUE(ReadText("walkability = True\n").View.Walkability);
    EXPECT_FALSE(ReadText("Walkability=True\nWalkability=False\n").View.Walkability);
    EditorState s = Fresh();
    const std::string off = vh::SettingsText(s);
    EXPECT_EQ(off.find("Walkability"), std::string::npos);
    s.View.Walkability = true;
    std::vector<std::string> editor = SectionLines(vh::SettingsText(s), "Editor");
    ASSERT_FALSE(editor.empty());
    EXPECT_EQ(editor.back(), "Walkability=True");
    TempDir dir;
    vhtest::WriteFileBytes(dir.File("v.ini"), vh::SettingsText(s));
    EditorState back = Fresh();
    ASSERT_TRUE(vh::ReadSettingsFile(back, dir.File("v.ini")));
    EXPECT_TRUE(back.View.Walkability);
    back.View.Walkability = false;
    EXPECT_EQ(vh::SettingsText(back), off);
}

TEST(SettingsRead, NumbersRoundHalvesToEvenClampAndReadLeniently) {
    EXPECT_EQ(ReadText("X=16.5\n").NewMap.X, 16);
    EXPECT_EQ(ReadText("X=17.5\n").NewMap.X, 18);
    EXPECT_EQ(ReadText("Y= -2.5\n").NewMap.Y, -2);
    EditorState s = ReadText(
        "X=99999\nY=-1e30\nparticleIterations=1e999\nGrid=abc\nMaxSeed=  12.5kg\n"
        "WalkSpeed=1e999\nSensitivity=x9\n");
    EXPECT_EQ(s.NewMap.X, 32767);
    EXPECT_EQ(s.NewMap.Y, -32768);
    EXPECT_EQ(s.NewMap.particleIterations, 32767);
    EXPECT_EQ(s.NewMap.MaxSeed, 12.5f);
    EXPECT_TRUE(std::isfinite(s.Camera.WalkSpeed));
    EXPECT_GT(s.Camera.WalkSpeed, 1e38f);
    EXPECT_EQ(s.Camera.Sensitivity, 0.0f);
}

TEST(SettingsRead, AGridThatIsNotAMenuChoiceReadsAsSixteen) {
    const std::pair<const char*, int> cases[] = {{"abc", 16}, {"0", 16}, {"-16", 16}, {"3", 16},
                                                 {"256", 16}, {"1", 1},  {"32", 32},  {"128", 128}};
    for (const auto& [text, grid] : cases)
        EXPECT_EQ(ReadText(std::string("Grid=") + text + "\n").Tools.Grid, grid) << text;
}

TEST(SettingsRead, EmptyValueKeepsTheDefaultAndBooleansFollowTheFalseWord) {
    EditorState s = ReadText("TopTexture=\nSideTexture=   \nHintTexture=clip\nAddHint=false\nAddSky=0\n");
    EXPECT_EQ(s.Brushes.TopTexture, "OUT_DIRT1");
    EXPECT_EQ(s.Brushes.SideTexture, "OUT_RK3");
    EXPECT_EQ(s.Brushes.HintTexture, "clip");
    EXPECT_FALSE(s.Export.AddHint);
    EXPECT_TRUE(s.Export.AddSky);
}

TEST(SettingsRead, NewMapCheckBoxesReadAsNumbersAndAreWrittenAsOneOrZero) {
    const EditorState s = ReadText("Smooth=0.4\nFractal=5\nCircle=-1\nSlope=abc\nBitMap=0.6\n");
    EXPECT_FALSE(s.NewMap.Smooth || s.NewMap.Slope);  // 0.4 rounds to 0; a text reads as 0
    EXPECT_TRUE(s.NewMap.Fractal && s.NewMap.Circle && s.NewMap.BitMap);
    const auto lines = SectionLines(vh::SettingsText(s), "New");
    for (const char* line : {"Smooth=0", "Fractal=1", "Circle=1", "Slope=0", "BitMap=1"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

TEST(SettingsRead, SmoothThresholdGoesByTheSectionItFollows) {
    EditorState s =
        ReadText("[New]\nSmoothThreshold=12\n[Tools]\nSmoothThreshold=34\n[Export]\nSmoothThreshold=56\n");
    EXPECT_EQ(s.NewMap.SmoothThreshold, 56.0f);  // after Tools ended, the New setting again
    EXPECT_EQ(s.Tools.SmoothToolThreshold, 34.0f);
    EditorState t = ReadText("[tools]\nSmoothThreshold=7\n");
    EXPECT_EQ(t.Tools.SmoothToolThreshold, 7.0f);
    EXPECT_EQ(t.NewMap.SmoothThreshold, 48.0f);
}

TEST(SettingsRead, KeysApplyAnywhereLaterWinsAndGarbageDoesNotHurt) {
    std::string text = "[Cammera]\nX=20\n\r\n[New]\r\nX=21\r\nRaise/LowerRadius=1\nraise/lowerpercent=0.25\n";
    text += "SkyUP=" + std::string(100000, 'a') + "\n";
    text += std::string("\0\xff\x01=\x02\n", 6);
    text += "no equals sign here\n==\n=5\nSize=128=7\n[RecentMemory]\nRM1=/maps/a.vhm\nrm8= /maps/h.vhm \n";
    EditorState s = ReadText(text);
    EXPECT_EQ(s.NewMap.X, 21);
    EXPECT_EQ(s.Tools.RaiseLowerRadius, 1);
    EXPECT_EQ(s.Tools.RaiseLowerPercent, 0.25f);
    EXPECT_EQ(s.Textures.SkyUP, "/prog/sky/top.bmp");
    EXPECT_EQ(s.NewMap.Size, 128);
    EXPECT_EQ(s.Recent[1], "/maps/a.vhm");
    EXPECT_EQ(s.Recent[8], "/maps/h.vhm");
    EXPECT_FALSE(vh::ApplySetting(s, "Colour", "red", false));
    EXPECT_TRUE(vh::ApplySetting(s, " maxnoise ", " 20 ", false));
    EXPECT_EQ(s.Tools.MaxNoise, 20.0f);
}

TEST(SettingsRead, WindowPlacementIsCheckedAgainstTheScreen) {
    EditorState s = Fresh();
    s.Window.ScreenHeightTwips = 12000;
    s.Window.ScreenWidthTwips = 20004;
    vh::ApplySetting(s, "Top", "12001", false);
    vh::ApplySetting(s, "Left", "20004", false);
    EXPECT_EQ(s.Window.WindowTop, 1500.0f);
    EXPECT_EQ(s.Window.WindowLeft, 20004.0f);  // equal to the width is still on screen
    vh::ApplySetting(s, "Left", "30000", false);
    EXPECT_EQ(s.Window.WindowLeft, 2500.0f);  // 20004 / 8 = 2500.5, halves to even
    vh::ApplySetting(s, "WindowState", "77", false);
    EXPECT_EQ(s.Window.WindowState, 0);
}

TEST(SettingsWrite, DefaultFileWithoutAnExistingOne) {
    TempDir dir;
    EditorState s = Fresh(dir.File("prog"));
    const std::string path = dir.File("prog/config/Varnholm.ini");
    ASSERT_TRUE(vh::ReadSettings(s));  // creates the folder and an empty file
    EXPECT_EQ(vhtest::ReadFileBytes(path), "");
    EXPECT_EQ(vh::SettingsPath(s), path);
    const vh::Status written = vh::WriteSettings(s);
    ASSERT_TRUE(written) << vh::MessageOf(written);
    std::string text = vhtest::ReadFileBytes(path);
    EXPECT_EQ(text.substr(0, 10), "\n[Editor]\n");
    std::vector<std::string> fresh = SectionLines(text, "New");
    ASSERT_GE(fresh.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(fresh.begin(), fresh.begin() + 5),
              (std::vector<std::string>{"X=17", "Y=17", "Size=256", "Smooth=0", "SmoothPassType=RAD"}));
    EXPECT_EQ(SectionLines(text, "RecentMemory"),
              (std::vector<std::string>{"RM1=", "RM2=", "RM3=", "RM4=", "RM5=", "RM6=", "RM7=", "RM8="}));
    size_t at = 0;  // the sections in file order, each after an empty line
    for (const char* header : {"\n\n[New]\n", "\n\n[Tools]\n", "\n\n[Export]\n", "\n\n[Cammera]\n",
                               "\n\n[Brush Textures]\n", "\n\n[Editor Textures]\n", "\n\n[RecentMemory]\n"}) {
        at = text.find(header, at);
        ASSERT_NE(at, std::string::npos) << header;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '['), 8);
}

TEST(SettingsWrite, NumbersArePlainDecimalsWithUpToSevenSignificantDigits) {
    EditorState s = Fresh();
    s.NewMap.MaxSeed = 12345678;
    s.Camera.Sensitivity = 0.00001f;
    s.NewMap.MinNormal = -0.00000015f;
    s.Camera.WalkSpeed = 3.4e38f;
    s.Camera.StrafeSpeed = 0.7f;
    s.Window.WindowWidth = 1.5e7f;
    const std::string text = vh::SettingsText(s);
    for (const char* line : {"\nMaxSeed=12345680\n", "\nSensitivity=0.00001\n", "\nMinNormal=-0.00000015\n",
                             "\nWalkSpeed=340000000000000000000000000000000000000\n", "\nStrafeSpeed=0.7\n",
                             "\nWidth=15000000\n", "\nMaxNormal=4032\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("E+"), std::string::npos);
    EXPECT_EQ(text.find("E-"), std::string::npos);
}

TEST(SettingsWrite, EditorSectionWritesWindowAndViewItems) {
    EditorState s = Fresh();
    s.Window.WindowTop = 600;
    s.Window.WindowLeft = 450.5f;
    s.Window.WindowHeight = 9000;
    s.Window.WindowWidth = 12000;
    s.View.Sky = false;
    s.View.PointInfo = true;
    s.View.Mode = vh::RenderMode::Wireframe;
    EXPECT_EQ(SectionLines(vh::SettingsText(s), "Editor"),
              (std::vector<std::string>{"Top=600", "Left=450.5", "Height=9000", "Width=12000", "FPS=True",
                                        "Sky=False", "MipMap=True", "Highlight=True",
                                        "HighlightEffected=True", "HighlightLocked=True", "PointInfo=True",
                                        "Info=True", "WindowState=0", "RenderMode=Wireframe"}));
}

TEST(SettingsWrite, MaximisedWindowWritesTheStandardPlacement) {
    EditorState s = Fresh();
    s.Window.ScreenHeightTwips = 1080 * 15;
    s.Window.ScreenWidthTwips = 1920 * 15;
    s.Window.WindowTop = -60;
    s.Window.WindowHeight = 16000;
    for (int state : {2, 1}) {  // minimised is written as maximised
        s.Window.WindowState = state;
        std::vector<std::string> e = SectionLines(vh::SettingsText(s), "Editor");
        ASSERT_GE(e.size(), 13u);
        EXPECT_EQ((std::vector<std::string>{e[0], e[1], e[2], e[3], e[12]}),
                  (std::vector<std::string>{"Top=2025", "Left=3600", "Height=7410", "Width=8115",
                                            "WindowState=2"}));
    }
}

TEST(SettingsRoundTrip, BothSmoothThresholdsAndEverySettingComeBack) {
    TempDir dir;
    EditorState a = Fresh(dir.Path().string());
    a.NewMap.SmoothThreshold = 12.5f;
    a.Tools.SmoothToolThreshold = 99;
    a.NewMap.X = 33;
    a.NewMap.MinNormal = -100.25f;
    a.Tools.RaiseLowerRadius = 1;
    a.Tools.MountVallSmoothOuter = false;
    a.Brushes.TopScaleY = 0.125f;
    a.Textures.GroundTexture = "/tex/other ground.png";
    a.Recent[5] = "/m/five.vhm";
    a.View.Fps = false;
    a.View.Mode = vh::RenderMode::SolidWire;
    const vh::Status written = vh::WriteSettings(a);
    ASSERT_TRUE(written) << vh::MessageOf(written);
    EditorState b = Fresh(dir.Path().string());
    ASSERT_TRUE(vh::ReadSettings(b));
    EXPECT_EQ(b.NewMap.SmoothThreshold, 12.5f);
    EXPECT_EQ(b.Tools.SmoothToolThreshold, 99.0f);
    EXPECT_EQ(vh::SettingsText(b), vh::SettingsText(a));
}

TEST(SettingsWrite, LineBreaksCannotSplitTheFileAndFailuresAreReported) {
    EditorState s = Fresh();
    s.NewMap.BitMapPath = "/a\nX=5";
    s.Recent[2] = "/b\r\nY=9";
    TempDir dir;
    ASSERT_TRUE(vh::WriteSettingsFile(s, dir.File("c.ini")));
    EditorState t = Fresh();
    ASSERT_TRUE(vh::ReadSettingsFile(t, dir.File("c.ini")));
    EXPECT_EQ(t.NewMap.X, 17);
    EXPECT_EQ(t.NewMap.Y, 17);
    EXPECT_EQ(t.NewMap.BitMapPath, "/a X=5");
    vhtest::WriteFileBytes(dir.File("file"), "x");
    const vh::Status refused = vh::WriteSettingsFile(Fresh(), dir.File("file/config/Varnholm.ini"));
    ASSERT_FALSE(refused);
    EXPECT_FALSE(refused.Message().empty());
    EXPECT_EQ(vhtest::ReadFileBytes(dir.File("file")), "x");
}

}  // namespace
