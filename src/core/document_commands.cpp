#include "core/document_commands.h"

#include "core/document.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "core/settings.h"

namespace vh {

namespace {

bool IsMapFileName(const std::string& path) {
    return !path.empty() && EndsWithNoCase(path, ".VHM");
}

FileDialogRequest MapDialog(const EditorState& s, const char* title, const std::string& fileName) {
    FileDialogRequest r;
    r.Title = title;
    r.Filter = kMapFileFilter;
    r.InitialFolder = DocumentDialogFolder(s);
    r.FileName = fileName;
    r.DefaultSuffix = "vhm";
    return r;
}

}  // namespace

bool AskToSaveChanges(EditorState& s, Prompts& prompts) {
    if (s.Doc.DocClean) return true;
    PromptAnswer a = prompts.Message("Save changes to " + s.Doc.DocTitle, "Save File?",
                                     PromptButtons::YesNoCancel, PromptIcon::None);
    if (a == PromptAnswer::Cancel) return false;
    // Yes goes on only when the changes were saved: a cancelled or failed
    // save must not end in the terrain being thrown away.
    if (a == PromptAnswer::Yes) return CommandSave(s, prompts);
    return true;
}

std::string DocumentDialogFolder(const EditorState& s) {
    if (EndsWithNoCase(s.Doc.DocPath, ".VHM")) return FolderOf(s.Doc.DocPath);
    if (EndsWithNoCase(s.Recent[1], ".VHM")) return FolderOf(s.Recent[1]);
    return s.Paths.DialogFolder;
}

bool CommandNew(EditorState& s, Prompts& prompts) {
    if (!AskToSaveChanges(s, prompts)) return false;
    StopMainLoop(s);
    return true;
}

bool CommandOpen(EditorState& s, Prompts& prompts) {
    if (!AskToSaveChanges(s, prompts)) return false;
    const FileChoice c = WithDefaultSuffix(prompts.OpenFile(MapDialog(s, kOpenMapTitle, "")), "vhm");
    if (!IsMapFileName(c.Path)) return false;
    return ReadDocument(s, c.Path, c.Title.empty() ? FileTitleOf(c.Path) : c.Title, prompts);
}

bool CommandOpenRecent(EditorState& s, Prompts& prompts, int k) {
    if (k < 1 || k > 8) return false;
    // Taken before the prompt: saving there reorders the list, and the user
    // asked for the document the item showed.
    const std::string path = s.Recent[k];
    if (!AskToSaveChanges(s, prompts)) return false;
    if (path.empty()) return false;
    return ReadDocument(s, path, FileTitleOf(path), prompts);
}

bool CommandSave(EditorState& s, Prompts& prompts) {
    if (s.Doc.DocPath.empty()) return CommandSaveAs(s, prompts);
    std::string error;
    if (WriteDocument(s, s.Doc.DocPath, &error)) return true;
    prompts.Message(error, "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

bool CommandSaveAs(EditorState& s, Prompts& prompts) {
    const FileChoice c =
        WithDefaultSuffix(prompts.SaveFile(MapDialog(s, kSaveMapTitle, s.Doc.DocPath)), "vhm");
    if (!IsMapFileName(c.Path)) return false;
    const std::string oldPath = s.Doc.DocPath, oldTitle = s.Doc.DocTitle, oldCaption = s.Doc.Caption;
    s.Doc.DocPath = c.Path;
    s.Doc.DocTitle = c.Title.empty() ? FileTitleOf(c.Path) : c.Title;
    s.Doc.Caption = DocumentCaption(s.Doc.DocTitle);
    std::string error;
    if (WriteDocument(s, s.Doc.DocPath, &error)) return true;
    // Nothing was written there, so the document keeps its old name.
    s.Doc.DocPath = oldPath;
    s.Doc.DocTitle = oldTitle;
    s.Doc.Caption = oldCaption;
    prompts.Message(error, "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

bool Quit(EditorState& s, Prompts& prompts) {
    return Quit(s, prompts, SettingsPath(s));
}

bool Quit(EditorState& s, Prompts& prompts, const std::string& settingsPath) {
    if (!AskToSaveChanges(s, prompts)) return false;
    s.LoopRunning = false;
    std::string error;
    if (!WriteSettingsFile(s, settingsPath, &error))
        prompts.Message("The settings could not be saved. " + error, "Varnholm", PromptButtons::Ok,
                        PromptIcon::Exclamation);
    return true;
}

}  // namespace vh
