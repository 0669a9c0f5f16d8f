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
// fine: it is created. Fails (with why, for the message) for a loop or an
// unreadable link.
Result<std::string> FollowLinks(const std::string& path) {
    std::string p = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
        if (n < 0 || n >= static_cast<ssize_t>(sizeof buf))
            return Fail(ErrorKind::Unwritable, "its link could not be followed");
        const std::string target(buf, static_cast<size_t>(n));
        p = target.front() == '/' ? target : FolderPart(p) + "/" + target;
    }
    return Fail(ErrorKind::Unwritable, "its links form a loop");
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

Status SaveFile::FailWith(const std::string& what) {
    Fail(what);
    return Failed();
}

Status SaveFile::Failed() const {
    if (!failed_) return {};
    return vh::Fail(ErrorKind::Unwritable, error_);
}

Status SaveFile::Open() {
    if (path_.empty()) return FailWith("no file name");
    Result<std::string> target = FollowLinks(path_);
    if (!target) return FailWith(target.Message());
    target_ = std::move(target).Value();
    struct stat st;
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return FailWith("it is a folder");
    if (exists && !canWrite_(target_)) return FailWith("the file is read-only, so it was left as it was");
    const std::string folder = FolderPart(target_);
    if (!canWrite_(folder)) {
        struct stat fs;
        if (!exists)
            return FailWith(::stat(folder.c_str(), &fs) != 0 ? "its folder does not exist"
                                                             : "its folder is read-only");
        inPlace_ = true;
        opened_ = true;
        return {};
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
            return {};
        }
        return FailWith(err == ENOENT ? "its folder does not exist" : std::strerror(err));
    }
    // The replacement keeps the old file's permissions (a new file gets the
    // usual ones for the user).
    if (exists) (void)::fchmod(fd, st.st_mode & 07777);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        const Status failed = FailWith(std::strerror(errno));
        ::close(fd);
        DropTemporary();
        return failed;
    }
    // Large buffer: the export writes tens of megabytes in small pieces.
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    opened_ = true;
    return {};
}

void SaveFile::Write(const void* data, size_t size) {
    if (failed_ || !opened_ || size == 0) return;
    if (inPlace_) {
        pending_.append(static_cast<const char*>(data), size);
        return;
    }
    if (std::fwrite(data, 1, size, file_) != size) Fail(std::strerror(errno));
}

Status SaveFile::CommitInPlace() {
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return FailWith(std::strerror(errno));
    // Claim the space first: a full disk then fails before the old
    // contents are touched.
    if (!pending_.empty()) {
        const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(pending_.size()));
        if (err == ENOSPC || err == EFBIG || err == EIO) {
            const Status failed = FailWith(std::strerror(err));
            ::close(fd);
            return failed;
        }
    }
    const bool ok = WriteAll(fd, pending_.data(), pending_.size()) &&
                    ::ftruncate(fd, static_cast<off_t>(pending_.size())) == 0 && ::fsync(fd) == 0;
    if (!ok) Fail(std::strerror(errno));
    if (::close(fd) != 0 && ok) Fail(std::strerror(errno));
    if (failed_) return Failed();
    committed_ = true;
    return {};
}

Status SaveFile::Commit() {
    if (!opened_) return FailWith("the file was not opened");
    if (failed_) {
        DropTemporary();
        return Failed();
    }
    if (inPlace_) return CommitInPlace();
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) Fail(std::strerror(errno));
    if (std::fclose(file_) != 0) Fail(std::strerror(errno));
    file_ = nullptr;
    if (!failed_ && ::rename(tempPath_.c_str(), target_.c_str()) != 0) Fail(std::strerror(errno));
    if (failed_) {
        DropTemporary();
        return Failed();
    }
    tempPath_.clear();
    committed_ = true;
    return {};
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes, WriteCheck canWrite) {
    SaveFile f(path, std::move(canWrite));
    if (Status opened = f.Open(); !opened) return opened;
    f.Write(bytes);
    return f.Commit();
}

}  // namespace vh
