// The one way files are written (documents, settings, .MAP, .bmp): the data
// goes to a temporary file beside the target, which replaces the target only
// when everything was written, so a failed write leaves the old file whole.
// A symlink is written through to its final target; the target keeps its
// permission bits; a file the user cannot write is refused, not replaced;
// in a folder the user cannot write, a writable file is rewritten in place.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace vh {

// Whether the user may write the file or folder at path. The program asks
// the system (access W_OK); tests can answer for it.
using WriteCheck = std::function<bool(const std::string& path)>;
bool SystemCanWrite(const std::string& path);

class SaveFile {
public:
    explicit SaveFile(std::string path, WriteCheck canWrite = SystemCanWrite);
    ~SaveFile();  // discards the temporary file unless Commit() succeeded
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // Decides how to write and opens the temporary file; fails when the file
    // cannot be written at all.
    Status Open();
    // Appends bytes; errors are remembered and reported by Commit().
    void Write(const void* data, size_t size);
    void Write(std::string_view text) { Write(text.data(), text.size()); }
    // Flushes, closes and renames over the target (or writes it in place).
    Status Commit();

    const std::string& Path() const { return path_; }
    // The file that is written: the path with its symlinks followed.
    const std::string& Target() const { return target_; }
    // True when the target is rewritten in place (its folder is read-only).
    bool InPlace() const { return inPlace_; }

private:
    // The first failure is the one reported.
    void Fail(const std::string& what);
    Status FailWith(const std::string& what);
    Status Failed() const;
    Status CommitInPlace();
    void DropTemporary();

    std::string path_;
    WriteCheck canWrite_;
    std::string target_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    bool inPlace_ = false;
    std::string pending_;  // the whole contents, when written in place
    bool opened_ = false;
    bool failed_ = false;
    bool committed_ = false;
    std::string error_;
};

// Whole-buffer convenience.
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           WriteCheck canWrite = SystemCanWrite);

}  // namespace vh
