#include "core/document_commands.h"

#include "core/document.h"
#include "core/lifecycle.h"
#include "core/recent.h"
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

Status WriteDocument(EditorState& s, const std::string& path) {
    if (Status written = SaveDocumentFile(path, s.Terrain, DocumentSettingsOf(s)); !written) return written;
    LogLine(s, "VHM SAVE : Saving File " + path);
    s.Doc.DocClean = true;
    AddRecent(s, path);
    return {};
}

bool ReadDocument(EditorState& s, const std::string& path, const std::string& title, Prompts& prompts) {
    Result<DocumentData> r = LoadDocumentFile(path);
    if (!r && r.Kind() == ErrorKind::Version) {
        prompts.Message(kUnsupportedVersionText, "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
        LogLine(s, "VHM LOAD : Unsuported Format " + path);
        s.Doc.Caption = "Varnholm";
        s.Doc.DocClean = true;
        return false;
    }
    if (!r) {
        prompts.Message(r.Message(), "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
    s.Doc.DocPath = path;
    s.Doc.DocTitle = title;
    s.Doc.Caption = DocumentCaption(title);
    s.Doc.DocClean = true;
    ResetEditor(s);
    // The document knows where it was exported: "Export .MAP Again" can go there.
    if (!r->LastExportPath.empty()) s.Doc.ExportAgainOffered = true;
    LogLine(s, "VHM LOAD : Loading File " + s.Doc.DocPath);
    // The view builds its scene, textures, sky box and meshes as the terrain arrives.
    ApplyDocument(s, r.Value());
    s.Doc.DocClean = true;
    AddRecent(s, s.Doc.DocPath);
    s.LoopRunning = true;
    return true;
}

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
    const Status written = WriteDocument(s, s.Doc.DocPath);
    if (written) return true;
    prompts.Message(written.Message(), "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
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
    const Status written = WriteDocument(s, s.Doc.DocPath);
    if (written) return true;
    // Nothing was written there, so the document keeps its old name.
    s.Doc.DocPath = oldPath;
    s.Doc.DocTitle = oldTitle;
    s.Doc.Caption = oldCaption;
    prompts.Message(written.Message(), "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

bool Quit(EditorState& s, Prompts& prompts) {
    return Quit(s, prompts, SettingsPath(s));
}

bool Quit(EditorState& s, Prompts& prompts, const std::string& settingsPath) {
    if (!AskToSaveChanges(s, prompts)) return false;
    s.LoopRunning = false;
    if (const Status written = WriteSettingsFile(s, settingsPath); !written)
        prompts.Message("The settings could not be saved. " + written.Message(), "Varnholm",
                        PromptButtons::Ok, PromptIcon::Exclamation);
    return true;
}

}  // namespace vh
