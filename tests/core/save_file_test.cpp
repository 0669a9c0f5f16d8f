#include "core/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

using namespace vh;

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
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    }
}

TEST(SaveFile, AnUnwritableFolderGivesAClearError) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-folder/x.vhm", "data", &error));
    EXPECT_NE(error.find("/nonexistent-folder/x.vhm"), std::string::npos);
    EXPECT_FALSE(WriteFileAtomically("", "data", &error));
}
