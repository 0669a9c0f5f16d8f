#include "ui/file_commands.h"

#include <QWidget>

#include "core/document_commands.h"
#include "core/undo.h"
#include "export/export_choice.h"
#include "export/height_image.h"
#include "export/map_export.h"
#include "ui/frm_export_options.h"
#include "ui/frm_new.h"

namespace vh::ui {

namespace {

void ShowExportFailure(MainWindowServices& sv, const char* what, const std::string& error) {
    sv.UserPrompts().Message(std::string(what) + " could not be exported.\n" + error, "Varnholm",
                             PromptButtons::Ok, PromptIcon::Exclamation);
}

void WriteMapExport(MainWindowServices& sv, const std::string& path) {
    if (path.empty()) return;
    // The export runs without yielding; the status line and the bar are
    // painted as it goes.
    sv.SetWaitCursor(true);
    if (QWidget* window = sv.Window()) window->repaint();
    std::string error;
    ExportSummary done;
    const bool written = ExportMap(sv.State(), path, sv.StatusProgress(), &error, &done);
    sv.SetWaitCursor(false);
    if (!written) return ShowExportFailure(sv, "The map", error);
    sv.State().Doc.Notice = ExportedText(done, path);
    sv.StatusProgress().Status(sv.State().Doc.Notice);
}

}  // namespace

void NewMap(MainWindowServices& sv, int) {
    if (CommandNew(sv.State(), sv.UserPrompts())) sv.OpenDialog(new FrmNew(sv, sv.Window()));
}

void OpenMap(MainWindowServices& sv, int) {
    CommandOpen(sv.State(), sv.UserPrompts());
}

void SaveMap(MainWindowServices& sv, int) {
    CommandSave(sv.State(), sv.UserPrompts());
}

void SaveMapAs(MainWindowServices& sv, int) {
    CommandSaveAs(sv.State(), sv.UserPrompts());
}

void OpenRecentMap(MainWindowServices& sv, int k) {
    CommandOpenRecent(sv.State(), sv.UserPrompts(), k);
}

void CloseProgram(MainWindowServices& sv, int) {
    if (!sv.Quit()) return;
    if (QWidget* window = sv.Window()) window->close();
}

void ExportToMap(MainWindowServices& sv, int) {
    WriteMapExport(sv, ChooseMapExportPath(sv.State(), sv.UserPrompts()));
}

void ExportMapAgain(MainWindowServices& sv, int) {
    WriteMapExport(sv, ExportAgainPath(sv.State(), sv.UserPrompts()));
}

void ExportOptions(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmExportOptions(sv, sv.Window()));
}

void ExportToBmp(MainWindowServices& sv, int) {
    const std::string path = ChooseBmpExportPath(sv.State(), sv.UserPrompts());
    if (path.empty()) return;
    sv.SetWaitCursor(true);
    std::string error;
    const bool written = ExportHeightImage(sv.State(), path, &error);
    sv.SetWaitCursor(false);
    if (!written) ShowExportFailure(sv, "The height image", error);
}

void UndoEdit(MainWindowServices& sv, int) {
    Undo(sv.State());
}

void RedoEdit(MainWindowServices& sv, int) {
    Redo(sv.State());
}

}  // namespace vh::ui
