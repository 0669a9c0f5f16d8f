// Atomic file writing: data goes to a temporary file beside the target, which
// replaces the target only when everything was written. A failed write leaves
// the old file whole.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vh {

class SaveFile {
public:
    explicit SaveFile(std::string path);
    ~SaveFile();  // discards the temporary file unless Commit() succeeded
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // Opens the temporary file; false (with Error()) when that is impossible.
    bool Open();
    // Appends bytes; errors are remembered and reported by Commit().
    void Write(const void* data, size_t size);
    void Write(std::string_view text) { Write(text.data(), text.size()); }
    // Flushes, closes and renames over the target.
    bool Commit();

    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

private:
    void Fail(const std::string& what);

    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool committed_ = false;
    std::string error_;
};

// Whole-buffer convenience; error text in *error when it fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace vh
