#include "ui/file_commands.h"

#include <QWidget>

#include "core/document_commands.h"
#include "core/undo.h"
#include "export/export_commands.h"
#include "ui/frm_export_options.h"
#include "ui/frm_new.h"

namespace vh::ui {

namespace {

void WriteMapExport(MainWindowServices& sv, const std::string& path) {
    if (path.empty()) return;
    // The export runs without yielding; the status line and the bar are
    // painted as it goes.
    sv.SetWaitCursor(true);
    if (QWidget* window = sv.Window()) window->repaint();
    const Result<ExportSummary> written = RunMapExport(sv.State(), path, sv.StatusProgress());
    sv.SetWaitCursor(false);
    if (!written) return ShowExportFailure(sv.UserPrompts(), "map", written.Error());
    sv.State().Doc.Notice = ExportedText(written.Value(), path);
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
    const Status written = RunHeightImageExport(sv.State(), path);
    sv.SetWaitCursor(false);
    ShowExportFailure(sv.UserPrompts(), "height image", written);
}

void UndoEdit(MainWindowServices& sv, int) {
    Undo(sv.State());
}

void RedoEdit(MainWindowServices& sv, int) {
    Redo(sv.State());
}

}  // namespace vh::ui
