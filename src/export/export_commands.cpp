#include "export/export_commands.h"

#include "core/document.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "export/height_image.h"
#include "export/map_export.h"

namespace vh {

namespace {

// The path with its last four characters (its extension) replaced.
std::string WithExtension(const std::string& path, const std::string& ext) {
    return path.substr(0, path.size() >= 4 ? path.size() - 4 : 0) + ext;
}

// A stored export path can be written again only when it is a full path of
// this system; one the Windows program stored ("C:\maps\x.map") would
// become a strange file in the current folder.
bool IsWritableHere(const std::string& path) {
    return !path.empty() && path.front() == '/' && path.find('\\') == std::string::npos;
}

// The file-name part of a path of either system.
std::string NamePart(const std::string& path) {
    const size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace

FileDialogRequest ProposeExportFile(const EditorState& s, const std::string& title, const std::string& filter,
                                    const std::string& ext) {
    FileDialogRequest r;
    r.Title = title;
    r.Filter = filter;
    r.DefaultSuffix = ext.substr(1);
    r.InitialFolder = s.Paths.DialogFolder;
    const bool exported = EndsWithNoCase(s.Doc.LastExportPath, ".MAP");
    if (exported && IsWritableHere(s.Doc.LastExportPath)) {
        r.InitialFolder = FolderOf(s.Doc.LastExportPath);
        r.FileName = WithExtension(FileTitleOf(s.Doc.LastExportPath), ext);
        return r;
    }
    if (EndsWithNoCase(s.Doc.DocPath, ".VHM")) {
        r.InitialFolder = FolderOf(s.Doc.DocPath);
        r.FileName = WithExtension(s.Doc.DocPath, ext);
    } else if (EndsWithNoCase(s.Recent[1], ".VHM")) {
        r.InitialFolder = FolderOf(s.Recent[1]);
        r.FileName = "untitled" + ext;
    }
    // An export path from another system still names the file.
    if (exported) r.FileName = WithExtension(NamePart(s.Doc.LastExportPath), ext);
    return r;
}

std::string ChooseMapExportPath(EditorState& s, Prompts& prompts) {
    const FileChoice c = WithDefaultSuffix(
        prompts.SaveFile(ProposeExportFile(s, "Export Map File.", "Map Files (*.map)|*.map", ".map")), "map");
    if (c.Path.empty() || !EndsWithNoCase(c.Path, ".MAP")) return {};
    // The document keeps its export path, so a new one is a change to it.
    EditDocumentSettings(s, [&](EditorState& e) { e.Doc.LastExportPath = c.Path; });
    s.Doc.ExportAgainOffered = true;
    return c.Path;
}

std::string ExportAgainPath(EditorState& s, Prompts& prompts) {
    if (!IsWritableHere(s.Doc.LastExportPath)) return ChooseMapExportPath(s, prompts);
    return s.Doc.LastExportPath;
}

std::string ChooseBmpExportPath(const EditorState& s, Prompts& prompts) {
    const FileChoice c = WithDefaultSuffix(
        prompts.SaveFile(ProposeExportFile(s, "Export Bitmap File.", "Bitmap Files (*.bmp)|*.bmp", ".bmp")),
        "bmp");
    if (c.Path.empty() || !EndsWithNoCase(c.Path, ".BMP")) return {};
    return c.Path;
}

Result<ExportSummary> RunMapExport(EditorState& s, const std::string& path, Progress& progress) {
    return RunMapExport(s, path, CompileOptionsOf(s.Choices, s.Export), progress);
}

Result<ExportSummary> RunMapExport(EditorState& s, const std::string& path, const CompileOptions& options,
                                   Progress& progress) {
    StopMainLoop(s);
    Result<ExportSummary> written =
        ExportMap(s.Terrain, s.Export, s.Brushes, s.Tools.Grid, s.Rnd, options, path, progress);
    if (written) LogLine(s, "MAP EXPORT : Map Exporting " + path);
    CloseDialogAndResume(s);
    return written;
}

Status RunHeightImageExport(const EditorState& s, const std::string& path) {
    const Status written = ExportHeightImage(s.Terrain, path);
    if (written) LogLine(s, "BMP EXPORT : BitMap Exporting " + path);
    return written;
}

void ShowExportFailure(Prompts& prompts, const std::string& what, const Status& failed) {
    if (failed) return;
    prompts.Message("The " + what + " could not be exported.\n" + failed.Message(), "Varnholm",
                    PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace vh
