#include "core/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

using namespace vh;
namespace fs = std::filesystem;

namespace {

size_t Entries(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
}

ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

mode_t Mode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Permission bits do not stop the superuser, so real read-only cases only
// show something for an ordinary user.
bool PermissionsApply() {
    return ::geteuid() != 0;
}

}  // namespace

TEST(SaveFile, ReplacesTheTargetOnlyOnCommitAndLeavesNoTemporary) {
    for (bool commit : {true, false}) {
        vhtest::TempDir dir;
        std::string path = dir.File("a.vhm");
        vhtest::WriteFileBytes(path, "old");
        {
            SaveFile f(path);
            ASSERT_TRUE(f.Open());
            f.Write("new contents");
            EXPECT_EQ(vhtest::ReadFileBytes(path), "old");  // not yet
            if (commit) {
                ASSERT_TRUE(f.Commit());
            }
        }
        EXPECT_EQ(vhtest::ReadFileBytes(path), commit ? "new contents" : "old");
        EXPECT_EQ(Entries(dir.Path()), 1u);
    }
}

TEST(SaveFile, AMissingFolderOrNameGivesAClearError) {
    const Status missing = WriteFileAtomically("/nonexistent-folder/x.vhm", "data");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Kind(), ErrorKind::Unwritable);
    EXPECT_NE(missing.Message().find("/nonexistent-folder/x.vhm"), std::string::npos);
    EXPECT_NE(missing.Message().find("does not exist"), std::string::npos) << missing.Message();
    EXPECT_FALSE(WriteFileAtomically("", "data"));
}

TEST(SaveFile, WritesThroughSymlinkChainsToTheFinalTarget) {
    vhtest::TempDir dir;
    fs::create_directories(dir.Path() / "game/maps");
    fs::create_directories(dir.Path() / "work");
    const std::string real = dir.File("game/maps/valley.map");
    vhtest::WriteFileBytes(real, "old");
    // work/valley.map -> work/link2.map -> ../game/maps/valley.map (relative)
    fs::create_symlink("../game/maps/valley.map", dir.Path() / "work/link2.map");
    fs::create_symlink(dir.File("work/link2.map"), dir.Path() / "work/valley.map");
    Status w = WriteFileAtomically(dir.File("work/valley.map"), "new");
    ASSERT_TRUE(w) << MessageOf(w);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "work/valley.map"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "work/link2.map"));
    EXPECT_EQ(vhtest::ReadFileBytes(real), "new");
    EXPECT_EQ(Entries(dir.Path() / "game/maps"), 1u);
    EXPECT_EQ(Entries(dir.Path() / "work"), 2u);

    // A link whose target does not exist yet creates the target.
    fs::create_symlink("../game/maps/fresh.map", dir.Path() / "work/fresh.map");
    w = WriteFileAtomically(dir.File("work/fresh.map"), "made");
    ASSERT_TRUE(w) << MessageOf(w);
    EXPECT_EQ(vhtest::ReadFileBytes(dir.File("game/maps/fresh.map")), "made");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "work/fresh.map"));

    // A loop is refused without leaving anything behind.
    fs::create_symlink("loop-b", dir.Path() / "work/loop-a");
    fs::create_symlink("loop-a", dir.Path() / "work/loop-b");
    w = WriteFileAtomically(dir.File("work/loop-a"), "x");
    EXPECT_NE(MessageOf(w).find("loop"), std::string::npos) << MessageOf(w);
    EXPECT_EQ(Entries(dir.Path() / "work"), 5u);
}

TEST(SaveFile, TheReplacementKeepsThePermissionBitsAndLongNamesWork) {
    vhtest::TempDir dir;
    const std::string path = dir.File("shared.map");
    vhtest::WriteFileBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(Mode(path), 0640u);

    // The temporary name does not grow with the target's name.
    const std::string longName = dir.File(std::string(246, 'n') + ".map");
    ASSERT_EQ(fs::path(longName).filename().string().size(), 250u);
    SaveFile f(longName);
    ASSERT_TRUE(f.Open());
    f.Write("long");
    for (const auto& e : fs::directory_iterator(dir.Path())) {
        if (e.path().filename() != "shared.map") {
            EXPECT_LE(e.path().filename().string().size(), 16u);
        }
    }
    ASSERT_TRUE(f.Commit());
    EXPECT_EQ(vhtest::ReadFileBytes(longName), "long");
    EXPECT_EQ(Entries(dir.Path()), 2u);
}

TEST(SaveFile, AFailedRenameRemovesTheTemporaryFile) {
    vhtest::TempDir dir;
    const std::string path = dir.File("x.vhm");
    SaveFile f(path);
    ASSERT_TRUE(f.Open());
    f.Write("data");
    // Something else puts a folder with contents where the file should go.
    fs::create_directories(dir.Path() / "x.vhm/inside");
    const Status committed = f.Commit();
    EXPECT_NE(MessageOf(committed).find(path), std::string::npos);
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

// The read-only cases with the access check answered by the test, so they
// hold whoever runs them.
TEST(SaveFile, AReadOnlyFileIsRefusedAndAReadOnlyFolderIsWrittenInPlace) {
    vhtest::TempDir dir;
    const std::string path = dir.File("locked.vhm");
    vhtest::WriteFileBytes(path, "precious");
    const std::string folder = dir.Path().string();

    auto fileLocked = [&](const std::string& p) { return p != path; };
    Status w = WriteFileAtomically(path, "new", fileLocked);
    EXPECT_NE(MessageOf(w).find("read-only"), std::string::npos) << MessageOf(w);
    EXPECT_EQ(vhtest::ReadFileBytes(path), "precious");
    EXPECT_EQ(Entries(dir.Path()), 1u);

    auto folderLocked = [&](const std::string& p) { return p != folder; };
    const ino_t before = Inode(path);
    {
        SaveFile f(path, folderLocked);
        ASSERT_TRUE(f.Open());
        EXPECT_TRUE(f.InPlace());
        f.Write("short");
        EXPECT_EQ(vhtest::ReadFileBytes(path), "precious");  // nothing touched before the commit
        ASSERT_TRUE(f.Commit());
    }
    EXPECT_EQ(vhtest::ReadFileBytes(path), "short");  // the longer old contents are cut off
    EXPECT_EQ(Inode(path), before);
    EXPECT_EQ(Entries(dir.Path()), 1u);

    // A new file cannot be made in such a folder.
    w = WriteFileAtomically(dir.File("new.vhm"), "x", folderLocked);
    EXPECT_NE(MessageOf(w).find("folder is read-only"), std::string::npos) << MessageOf(w);
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(SaveFile, RealReadOnlyFileAndFolder) {
    if (!PermissionsApply()) GTEST_SKIP() << "permission bits do not apply to the superuser";
    vhtest::TempDir dir;
    const std::string path = dir.File("a.vhm");
    vhtest::WriteFileBytes(path, "old");
    ::chmod(path.c_str(), 0444);
    const Status refused = WriteFileAtomically(path, "new");
    EXPECT_NE(MessageOf(refused).find("read-only"), std::string::npos) << MessageOf(refused);
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old");
    EXPECT_EQ(Entries(dir.Path()), 1u);

    ::chmod(path.c_str(), 0644);
    ::chmod(dir.Path().c_str(), 0555);
    const Status written = WriteFileAtomically(path, "new");
    const Status created = WriteFileAtomically(dir.File("b.vhm"), "new");
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_TRUE(written) << MessageOf(written);
    EXPECT_EQ(vhtest::ReadFileBytes(path), "new");
    EXPECT_FALSE(created);
    EXPECT_EQ(Entries(dir.Path()), 1u);
}
