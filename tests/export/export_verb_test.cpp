// varnholm-cli export-map / export-bmp, run as the user runs them. The
// command-line program is found beside this test program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdio>
#include <filesystem>

#include "core/document.h"
#include "export/map_export.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

std::string CliPath() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / "varnholm-cli").string();
}

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

// Exit status of the command line program with these arguments.
int RunCli(const std::string& args) {
    const std::string cmd = Quote(CliPath()) + " " + args + " >/dev/null 2>&1";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ExportVerb : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(CliPath())) GTEST_SKIP() << "varnholm-cli is not built";
        vhtest::MakeTerrain(s, 5, 4, 128);
        for (int i = 1; i <= s.PointTotal(); ++i)
            s.Points[i].Height = static_cast<float>((i * 7) % 5) * 24 - 40;
        s.ExportType = "X";
        s.ExportPosition = 1;
        s.AddHint = 0;
        s.AddSky = 0;
        doc = dir.File("hills.vhm");
        std::string error;
        ASSERT_TRUE(vh::WriteDocument(s, doc, &error)) << error;
    }
    // What the editor itself writes for the current state.
    std::string Expected() {
        const std::string path = dir.File("expected.map");
        EXPECT_TRUE(vh::ExportMap(s, path, vh::NoProgress(), nullptr));
        return vhtest::ReadFileBytes(path);
    }
    vh::EditorState s;
    vhtest::TempDir dir;
    std::string doc;
};

}  // namespace

TEST_F(ExportVerb, UsesTheDocumentsExportSettings) {
    const std::string out = dir.File("out.map");
    ASSERT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out)), 0);
    EXPECT_EQ(vhtest::ReadFileBytes(out), Expected());
}

TEST_F(ExportVerb, OptionsOverrideTheDocument) {
    const std::string out = dir.File("out.map");
    ASSERT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out) +
                     " --style // --position 0 --hint 1 --sky 1 --grid 32"),
              0);
    s.ExportType = "//";
    s.ExportPosition = 0;
    s.AddHint = -1;
    s.AddSky = -1;
    s.Grid = 32;
    EXPECT_EQ(vhtest::ReadFileBytes(out), Expected());
}

TEST_F(ExportVerb, ASeedMakesRandomRepeatable) {
    const std::string a = dir.File("a.map"), b = dir.File("b.map"), c = dir.File("c.map");
    ASSERT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(a) + " --style Random --seed 9"), 0);
    ASSERT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(b) + " --style Random --seed 9"), 0);
    ASSERT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(c) + " --style Random --seed 10"), 0);
    EXPECT_EQ(vhtest::ReadFileBytes(a), vhtest::ReadFileBytes(b));
    EXPECT_NE(vhtest::ReadFileBytes(a), vhtest::ReadFileBytes(c));
}

TEST_F(ExportVerb, BadOptionsAreUsageErrorsAndWriteNothing) {
    const std::string out = dir.File("bad.map");
    EXPECT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out) + " --style diagonal"), 2);
    EXPECT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out) + " --position 2"), 2);
    EXPECT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out) + " --grid 0"), 2);
    EXPECT_EQ(RunCli("export-map " + Quote(doc) + " " + Quote(out) + " --hint"), 2);
    EXPECT_EQ(RunCli("export-map " + Quote(doc)), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportVerb, AMissingOrDamagedDocumentFails) {
    const std::string out = dir.File("none.map");
    EXPECT_EQ(RunCli("export-map " + Quote(dir.File("missing.vhm")) + " " + Quote(out)), 1);
    vhtest::WriteFileBytes(dir.File("junk.vhm"), "not a map document");
    EXPECT_EQ(RunCli("export-map " + Quote(dir.File("junk.vhm")) + " " + Quote(out)), 1);
    EXPECT_EQ(RunCli("export-bmp " + Quote(dir.File("junk.vhm")) + " " + Quote(dir.File("x.bmp"))), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportVerb, HeightImageOfTheDocument) {
    const std::string out = dir.File("hills.bmp");
    ASSERT_EQ(RunCli("export-bmp " + Quote(doc) + " " + Quote(out)), 0);
    QImage img(QString::fromStdString(out));
    ASSERT_EQ(img.size(), QSize(5, 4));
    // Point 1 is (7 % 5) * 24 - 40 = 8 -> 128.25 -> 128; point 2: 4 * 24 - 40 = 56 -> 129.75 -> 130.
    EXPECT_EQ(qRed(img.pixel(0, 0)), 128);
    EXPECT_EQ(qRed(img.pixel(1, 0)), 130);
}
