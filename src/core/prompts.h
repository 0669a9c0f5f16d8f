// Message boxes and file dialogs, behind one small interface so the file,
// export and quit flows run headless with scripted answers.
#pragma once

#include <string>

namespace vh {

enum class PromptButtons { Ok, YesNoCancel };
enum class PromptIcon { None, Information, Exclamation, Critical, Question };
enum class PromptAnswer { Ok, Yes, No, Cancel };

struct FileChoice {
    std::string Path;   // empty when the dialog was cancelled
    std::string Title;  // the file-name part of Path
};

struct FileDialogRequest {
    std::string Title;
    std::string Filter;         // "Description (*.ext)|*.ext"
    std::string InitialFolder;  // may be empty
    std::string FileName;       // proposed name or path
    std::string DefaultSuffix;  // added to a typed name without one ("vhm")
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer Message(const std::string& text, const std::string& title,
                                 PromptButtons buttons, PromptIcon icon) = 0;
    virtual FileChoice OpenFile(const FileDialogRequest& request) = 0;
    virtual FileChoice SaveFile(const FileDialogRequest& request) = 0;
};

// The part of a path after its last separator.
std::string FileTitleOf(const std::string& path);
// Everything up to and including the last separator; empty when none.
std::string FolderOf(const std::string& path);

// The choice with "." + suffix added when its file name has no extension
// ("mymap" -> "mymap.vhm"), as the dialog adds it; otherwise unchanged.
FileChoice WithDefaultSuffix(FileChoice choice, const std::string& suffix);

}  // namespace vh
