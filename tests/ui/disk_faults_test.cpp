// Saving, exporting and writing the settings through the window when the
// disk fails under it: no space left, the folder removed while the editor
// runs, a folder where the file should be. Each gets one clear message, the
// old file stays whole, and the editor keeps running (a later write there
// succeeds once the disk is fine again).
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "core/settings.h"
#include "main_window_fixture.h"
#include "support/full_disk.h"

namespace fs = std::filesystem;
using vhtest::FullDisk;
using vhtest::ScriptedPrompts;
using vhtest::WindowRig;

namespace {

enum class Fault { NoSpaceTmpfs, NoSpaceLimit, FolderRemoved, PathIsAFolder };

const struct {
    Fault fault;
    const char* name;
} kFaults[] = {{Fault::NoSpaceTmpfs, "no space (tmpfs)"},
               {Fault::NoSpaceLimit, "no space (file size limit)"},
               {Fault::FolderRemoved, "folder removed"},
               {Fault::PathIsAFolder, "path is a folder"}};

// The disk under one folder, failing the chosen way once Break() is called.
class BrokenDisk {
public:
    BrokenDisk(fs::path folder, Fault fault)
        : folder_(std::move(folder)),
          fault_(fault),
          full_(fault == Fault::NoSpaceTmpfs || fault == Fault::NoSpaceLimit
                    ? std::make_unique<FullDisk>(folder_, fault == Fault::NoSpaceTmpfs
                                                              ? FullDisk::Kind::Tmpfs
                                                              : FullDisk::Kind::FileSizeLimit)
                    : nullptr) {
        fs::create_directories(folder_);
    }
    // False when this machine cannot give the fault (no right to mount).
    bool Ready() const { return !full_ || full_->Ready(); }
    // A folder in the file's place (with a file in it that must stay).
    void Prepare(const fs::path& file) {
        if (fault_ != Fault::PathIsAFolder) return;
        fs::remove(file);
        fs::create_directories(file);
        vhtest::WriteFileBytes((file / "keep").string(), "kept");
    }
    void Break() {
        if (full_) full_->Fill();
        if (fault_ == Fault::FolderRemoved) fs::remove_all(folder_);
    }
    void Mend() {
        if (full_) full_->Free();
        fs::create_directories(folder_);
    }

private:
    fs::path folder_;
    Fault fault_;
    std::unique_ptr<FullDisk> full_;
};

// What the disk holds at a path: a file's bytes, or the marker of a folder.
std::string Contents(const fs::path& p) {
    if (fs::is_directory(p)) return "folder:" + vhtest::ReadFileBytes((p / "keep").string());
    return fs::exists(p) ? vhtest::ReadFileBytes(p.string()) : "missing";
}

struct Flow {
    const char* command;
    const char* file;
};
const Flow kFlows[] = {{"cmdSave", "a.vhm"}, {"cmdExport", "a.map"}, {"cmdExportBMP", "a.bmp"}};

}  // namespace

TEST(DiskFaults, SaveAndExportsShowAMessageKeepTheOldFileAndTheEditorRuns) {
    for (const auto& [fault, name] : kFaults)
        for (const Flow& flow : kFlows) {
            SCOPED_TRACE(std::string(name) + ", " + flow.command);
            WindowRig rig;
            rig.GiveTerrain();
            vh::ui::MainWindow& w = *rig.window;
            BrokenDisk disk(rig.folder.Path() / "disk", fault);
            if (!disk.Ready()) {
                std::printf("[   SKIP   ] %s: this machine does not allow a tmpfs mount\n", name);
                continue;
            }
            const fs::path file = rig.folder.Path() / "disk" / flow.file;
            auto run = [&] {
                rig.prompts.FileAnswers.assign({ScriptedPrompts::Choose(file.string())});
                w.Action(flow.command)->trigger();
                rig.prompts.FileAnswers.clear();
            };
            // The file written once while the disk was fine (or a folder there).
            disk.Prepare(file);
            if (fault != Fault::PathIsAFolder) run();
            const std::string old = Contents(file);
            ASSERT_NE(old, "missing");
            const std::string oldPath = rig.State().Doc.DocPath;
            rig.State().Terrain.Points[1].Height += 640.0f;  // 20 grey levels
            rig.State().Doc.DocClean = false;

            const size_t messages = rig.prompts.Messages.size();
            disk.Break();
            run();
            const std::string after = Contents(file);
            disk.Mend();

            ASSERT_EQ(rig.prompts.Messages.size(), messages + 1) << "one message for the failed write";
            const vhtest::RecordedMessage& m = rig.prompts.Messages.back();
            EXPECT_EQ(m.Title, "Varnholm");
            EXPECT_NE(m.Text.find(file.string()), std::string::npos) << m.Text;
            const std::string why = fault == Fault::PathIsAFolder   ? "it is a folder"
                                    : fault == Fault::FolderRemoved ? "its folder does not exist"
                                                                    : "";
            EXPECT_NE(m.Text.find(why), std::string::npos) << m.Text;
            EXPECT_EQ(after, fault == Fault::FolderRemoved ? "missing" : old);
            EXPECT_EQ(rig.State().Doc.DocPath, oldPath);
            EXPECT_FALSE(rig.State().Doc.DocClean);
            EXPECT_FALSE(w.Ended());
            EXPECT_TRUE(w.LoopTicking());

            // The disk is fine again: the same command writes the new terrain.
            if (fault == Fault::PathIsAFolder) continue;
            run();
            EXPECT_EQ(rig.prompts.Messages.size(), messages + 1);
            EXPECT_NE(Contents(file), old);
        }
}

TEST(DiskFaults, SettingsAtTheEndKeepTheOldFileOrComeBackWithTheirFolder) {
    for (const auto& [fault, name] : kFaults) {
        SCOPED_TRACE(name);
        WindowRig rig;
        const fs::path file = rig.SettingsPath();
        BrokenDisk disk(file.parent_path(), fault);
        if (!disk.Ready()) continue;
        disk.Prepare(file);
        if (fault != Fault::PathIsAFolder) vhtest::WriteFileBytes(file.string(), "[Tools]\nRadius=2\n");
        const std::string old = Contents(file);
        rig.State().Brushes.SkyTexture = "night";

        disk.Break();
        rig.window->Action("cmdQuit")->trigger();
        const std::string after = Contents(file);
        disk.Mend();

        EXPECT_TRUE(rig.window->Ended());
        if (fault == Fault::FolderRemoved) {
            // The folder is made again, as at a first start.
            EXPECT_TRUE(rig.prompts.Messages.empty());
            EXPECT_EQ(after, vh::SettingsText(rig.State()));
            continue;
        }
        ASSERT_EQ(rig.prompts.Messages.size(), 1u);
        EXPECT_EQ(rig.prompts.Messages[0].Text.rfind("The settings could not be saved. ", 0), 0u);
        EXPECT_NE(rig.prompts.Messages[0].Text.find(file.string()), std::string::npos);
        EXPECT_EQ(after, old);
    }
}
