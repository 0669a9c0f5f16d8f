#include "core/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

namespace vh {

namespace {

// Chains longer than this are loops (the system's own limit is 40).
constexpr int kMaxLinkHops = 40;

std::string FolderPart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: each symlink is replaced by its target
// (relative targets count from the link's folder). A missing final target is
// fine: it is created. Empty (with *why) for a loop or an unreadable link.
std::string FollowLinks(const std::string& path, std::string* why) {
    std::string p = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
        if (n < 0 || n >= static_cast<ssize_t>(sizeof buf)) {
            *why = "its link could not be followed";
            return {};
        }
        const std::string target(buf, static_cast<size_t>(n));
        p = target.front() == '/' ? target : FolderPart(p) + "/" + target;
    }
    *why = "its links form a loop";
    return {};
}

// Short and independent of the target's name, so any name the folder can
// hold works; unlikely to meet another writer's.
std::string TemporaryName() {
    static unsigned counter = 0;
    unsigned long long mix =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<unsigned long long>(::getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ull);
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".vh";
    for (int i = 0; i < 8; ++i) {
        name += kChars[mix % 36];
        mix /= 36;
    }
    return name + ".tmp";
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool SystemCanWrite(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

SaveFile::SaveFile(std::string path, WriteCheck canWrite)
    : path_(std::move(path)), canWrite_(canWrite ? std::move(canWrite) : SystemCanWrite) {}

SaveFile::~SaveFile() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!committed_) DropTemporary();
}

void SaveFile::DropTemporary() {
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

void SaveFile::Fail(const std::string& what) {
    if (failed_) return;
    failed_ = true;
    error_ = "Could not write \"" + path_ + "\": " + what + ".";
}

bool SaveFile::Open() {
    if (path_.empty()) {
        Fail("no file name");
        return false;
    }
    std::string why;
    target_ = FollowLinks(path_, &why);
    if (target_.empty()) {
        Fail(why);
        return false;
    }
    struct stat st;
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        Fail("it is a folder");
        return false;
    }
    if (exists && !canWrite_(target_)) {
        Fail("the file is read-only, so it was left as it was");
        return false;
    }
    const std::string folder = FolderPart(target_);
    if (!canWrite_(folder)) {
        struct stat fs;
        if (!exists) {
            Fail(::stat(folder.c_str(), &fs) != 0 ? "its folder does not exist" : "its folder is read-only");
            return false;
        }
        inPlace_ = true;
        opened_ = true;
        return true;
    }

    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempPath_ = (folder == "/" ? "" : folder) + "/" + TemporaryName();
        fd = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        tempPath_.clear();
        if (exists && (err == EACCES || err == EPERM)) {
            inPlace_ = true;
            opened_ = true;
            return true;
        }
        Fail(err == ENOENT ? "its folder does not exist" : std::strerror(err));
        return false;
    }
    // The replacement keeps the old file's permissions (a new file gets the
    // usual ones for the user).
    if (exists) (void)::fchmod(fd, st.st_mode & 07777);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        Fail(std::strerror(errno));
        ::close(fd);
        DropTemporary();
        return false;
    }
    // Large buffer: the export writes tens of megabytes in small pieces.
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    opened_ = true;
    return true;
}

void SaveFile::Write(const void* data, size_t size) {
    if (failed_ || !opened_ || size == 0) return;
    if (inPlace_) {
        pending_.append(static_cast<const char*>(data), size);
        return;
    }
    if (std::fwrite(data, 1, size, file_) != size) Fail(std::strerror(errno));
}

bool SaveFile::CommitInPlace() {
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        Fail(std::strerror(errno));
        return false;
    }
    // Claim the space first: a full disk then fails before the old
    // contents are touched.
    if (!pending_.empty()) {
        const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(pending_.size()));
        if (err == ENOSPC || err == EFBIG || err == EIO) {
            Fail(std::strerror(err));
            ::close(fd);
            return false;
        }
    }
    const bool ok = WriteAll(fd, pending_.data(), pending_.size()) &&
                    ::ftruncate(fd, static_cast<off_t>(pending_.size())) == 0 && ::fsync(fd) == 0;
    if (!ok) Fail(std::strerror(errno));
    if (::close(fd) != 0 && ok) Fail(std::strerror(errno));
    if (failed_) return false;
    committed_ = true;
    return true;
}

bool SaveFile::Commit() {
    if (!opened_) {
        if (!failed_) Fail("the file was not opened");
        return false;
    }
    if (failed_) {
        DropTemporary();
        return false;
    }
    if (inPlace_) return CommitInPlace();
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) Fail(std::strerror(errno));
    if (std::fclose(file_) != 0) Fail(std::strerror(errno));
    file_ = nullptr;
    if (!failed_ && ::rename(tempPath_.c_str(), target_.c_str()) != 0) Fail(std::strerror(errno));
    if (failed_) {
        DropTemporary();
        return false;
    }
    tempPath_.clear();
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         WriteCheck canWrite) {
    SaveFile f(path, std::move(canWrite));
    if (f.Open()) {
        f.Write(bytes);
        if (f.Commit()) return true;
    }
    if (error) *error = f.Error();
    return false;
}

}  // namespace vh
