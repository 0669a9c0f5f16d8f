#include "support/full_disk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <csignal>
#include <vector>

namespace vhtest {

FullDisk::FullDisk(std::filesystem::path folder, Kind kind) : folder_(std::move(folder)), kind_(kind) {
    std::filesystem::create_directories(folder_);
    if (kind_ == Kind::FileSizeLimit) {
        ready_ = true;
        return;
    }
    mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
    ready_ = mounted_;
}

FullDisk::~FullDisk() {
    Free();
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void FullDisk::Fill() {
    if (kind_ == Kind::FileSizeLimit) {
        // Going over the limit raises SIGXFSZ, which would end the process;
        // ignored, the write fails with EFBIG instead.
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit low = saved_;
        low.rlim_cur = 16;
        limited_ = ::setrlimit(RLIMIT_FSIZE, &low) == 0;
        return;
    }
    const std::string filler = (folder_ / ".filler").string();
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

void FullDisk::Free() {
    if (limited_) ::setrlimit(RLIMIT_FSIZE, &saved_);
    limited_ = false;
    if (mounted_) {
        std::error_code ec;
        std::filesystem::remove(folder_ / ".filler", ec);
    }
}

}  // namespace vhtest
