#include "core/save_file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vh {

SaveFile::SaveFile(std::string path) : path_(std::move(path)) {
    tempPath_ = path_ + ".tmp-" + std::to_string(::getpid());
}

SaveFile::~SaveFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(tempPath_.c_str());
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
    file_ = std::fopen(tempPath_.c_str(), "wb");
    if (!file_) {
        Fail(std::strerror(errno));
        return false;
    }
    // Large buffer: the export writes tens of megabytes in small pieces.
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    return true;
}

void SaveFile::Write(const void* data, size_t size) {
    if (failed_ || !file_ || size == 0) return;
    if (std::fwrite(data, 1, size, file_) != size) Fail(std::strerror(errno));
}

bool SaveFile::Commit() {
    if (!file_) {
        if (!failed_) Fail("the file was not opened");
        return false;
    }
    if (std::fflush(file_) != 0) Fail(std::strerror(errno));
    if (std::fclose(file_) != 0) Fail(std::strerror(errno));
    file_ = nullptr;
    if (failed_) return false;
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        Fail(std::strerror(errno));
        return false;
    }
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    SaveFile f(path);
    if (f.Open()) {
        f.Write(bytes);
        if (f.Commit()) return true;
    }
    if (error) *error = f.Error();
    return false;
}

}  // namespace vh
