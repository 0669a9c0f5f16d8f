// A folder that runs out of space, two ways. Tmpfs mounts a 256 KiB tmpfs over
// the folder and fills it to the last block (writers see ENOSPC); that needs
// the right to mount, which a CI container may not give. FileSizeLimit lowers
// the process's file size limit instead (writers see EFBIG), which works
// everywhere but also stops every other file the process writes meanwhile.
#pragma once

#include <sys/resource.h>

#include <filesystem>
#include <string>

namespace vhtest {

class FullDisk {
public:
    enum class Kind { Tmpfs, FileSizeLimit };

    FullDisk(std::filesystem::path folder, Kind kind);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // False when this kind cannot be had here (the mount was refused).
    bool Ready() const { return ready_; }
    // From now on writes in the folder fail.
    void Fill();
    // Space again.
    void Free();

    static const char* Name(Kind kind) { return kind == Kind::Tmpfs ? "tmpfs" : "file size limit"; }

private:
    std::filesystem::path folder_;
    Kind kind_;
    bool ready_ = false, mounted_ = false, limited_ = false;
    rlimit saved_{};
};

}  // namespace vhtest
