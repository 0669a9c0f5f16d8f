#include "export/export_choice.h"

#include "core/document.h"
#include "core/rules.h"
#include "export/height_image.h"
#include "export/map_export.h"

namespace vh {

namespace {

// The path with its last four characters (its extension) replaced.
std::string WithExtension(const std::string& path, const std::string& ext) {
    return path.substr(0, path.size() >= 4 ? path.size() - 4 : 0) + ext;
}

}  // namespace

FileDialogRequest ProposeExportFile(const EditorState& s, const std::string& title, const std::string& filter,
                                    const std::string& ext) {
    FileDialogRequest r;
    r.Title = title;
    r.Filter = filter;
    r.InitialFolder = s.Paths.DialogFolder;
    if (!s.LastExportPath.empty() && EndsWithNoCase(s.LastExportPath, ".MAP")) {
        r.InitialFolder = FolderOf(s.LastExportPath);
        r.FileName = WithExtension(FileTitleOf(s.LastExportPath), ext);
    } else if (EndsWithNoCase(s.DocPath, ".VHM")) {
        r.InitialFolder = FolderOf(s.DocPath);
        r.FileName = WithExtension(s.DocPath, ext);
    } else if (EndsWithNoCase(s.Recent[1], ".VHM")) {
        r.InitialFolder = FolderOf(s.Recent[1]);
        r.FileName = "untitled" + ext;
    }
    return r;
}

std::string ChooseMapExportPath(EditorState& s, Prompts& prompts) {
    FileChoice c =
        prompts.SaveFile(ProposeExportFile(s, "Export Map File.", "Map Files (*.map)|*.map", ".map"));
    if (c.Path.empty() || !EndsWithNoCase(c.Path, ".MAP")) return {};
    // The document keeps its export path, so a new one is a change to it.
    EditDocumentSettings(s, [&](EditorState& e) { e.LastExportPath = c.Path; });
    s.Commands.cmdExportAgain.Enabled = true;
    return c.Path;
}

std::string ExportAgainPath(EditorState& s, Prompts& prompts) {
    if (s.LastExportPath.empty()) return ChooseMapExportPath(s, prompts);
    return s.LastExportPath;
}

std::string ChooseBmpExportPath(const EditorState& s, Prompts& prompts) {
    FileChoice c =
        prompts.SaveFile(ProposeExportFile(s, "Export Bitmap File.", "Bitmap Files (*.bmp)|*.bmp", ".bmp"));
    if (c.Path.empty() || !EndsWithNoCase(c.Path, ".BMP")) return {};
    return c.Path;
}

bool RunMapExport(EditorState& s, const std::string& path, Progress& progress, Prompts& prompts) {
    std::string error;
    if (ExportMap(s, path, progress, &error)) return true;
    prompts.Message("The map could not be exported.\n" + error, "Varnholm", PromptButtons::Ok,
                    PromptIcon::Exclamation);
    return false;
}

bool RunHeightImageExport(const EditorState& s, const std::string& path, Prompts& prompts) {
    std::string error;
    if (ExportHeightImage(s, path, &error)) return true;
    prompts.Message("The height image could not be exported.\n" + error, "Varnholm", PromptButtons::Ok,
                    PromptIcon::Exclamation);
    return false;
}

}  // namespace vh
