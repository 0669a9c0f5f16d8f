// Every writer of the program on a disk with no space left: the write is
// refused with the file's name, the old file stays whole, nothing is left
// behind, and once there is space again the same write succeeds.
#include "support/full_disk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/document.h"
#include "core/save_file.h"
#include "core/settings.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace fs = std::filesystem;
using vhtest::FullDisk;

namespace {

// Larger than a tmpfs page and than the lowered file size limit.
const std::string kBig(20000, 'n');

// A folder where the program cannot make its temporary file, so it writes
// the file in place (read-only folders; permissions do not stop root, so
// the check answers for the system).
bool OnlyFilesWritable(const std::string& path) {
    return !fs::is_directory(path);
}

struct Writer {
    const char* name;
    const char* file;
    // Writes version v (0 = the old file, 1 = the one the full disk refuses).
    std::function<vh::Status(const std::string& path, int v)> write;
};

std::vector<Writer> Writers() {
    return {
        {"document", "a.vhm",
         [](const std::string& path, int v) {
             vh::EditorState s;
             vhtest::MakeTerrain(s, v ? 17 : 5, v ? 17 : 5);
             return vh::SaveDocumentFile(path, s.Terrain, vh::DocumentSettingsOf(s));
         }},
        {"settings", "Varnholm.ini",
         [](const std::string& path, int v) {
             vh::Settings s;
             s.Brushes.SkyTexture = v ? "night" : "day";
             return vh::WriteSettingsFile(s, path);
         }},
        {"whole file", "a.map",
         [](const std::string& path, int v) {
             return vh::WriteFileAtomically(path, v ? kBig : "old contents of the file");
         }},
        {"in place", "b.map",
         [](const std::string& path, int v) {
             if (v == 0) return vh::WriteFileAtomically(path, "old contents of the file");
             return vh::WriteFileAtomically(path, kBig, OnlyFilesWritable);
         }},
    };
}

class FullDiskTest : public ::testing::TestWithParam<FullDisk::Kind> {};

}  // namespace

TEST_P(FullDiskTest, WritersRefuseWithTheNameAndKeepTheOldFile) {
    vhtest::TempDir dir;
    FullDisk disk(dir.Path() / "disk", GetParam());
    if (!disk.Ready()) GTEST_SKIP() << "this machine does not allow a tmpfs mount";
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.name);
        const std::string path = (dir.Path() / "disk" / w.file).string();
        const vh::Status first = w.write(path, 0);
        ASSERT_TRUE(first) << vh::MessageOf(first);
        const std::string old = vhtest::ReadFileBytes(path);
        const auto entries = [&] { return std::distance(fs::directory_iterator(dir.Path() / "disk"), {}); };
        const auto before = entries();

        disk.Fill();
        const vh::Status written = w.write(path, 1);
        const std::string after = vhtest::ReadFileBytes(path);
        const auto left = entries();
        disk.Free();

        ASSERT_FALSE(written);
        EXPECT_NE(written.Message().find(path), std::string::npos) << written.Message();
        EXPECT_EQ(after, old);
        EXPECT_EQ(left, before + (GetParam() == FullDisk::Kind::Tmpfs ? 1 : 0))
            << "a temporary file was left";
        const vh::Status again = w.write(path, 1);
        ASSERT_TRUE(again) << vh::MessageOf(again);
        EXPECT_NE(vhtest::ReadFileBytes(path), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FullDiskTest,
                         ::testing::Values(FullDisk::Kind::Tmpfs, FullDisk::Kind::FileSizeLimit),
                         [](const auto& info) {
                             return info.param == FullDisk::Kind::Tmpfs ? "Tmpfs" : "FileSizeLimit";
                         });
