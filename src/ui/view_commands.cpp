#include "ui/view_commands.h"

#include "ui/frm_cammera.h"
#include "ui/frm_ed_textures.h"
#include "view/terrain_view.h"

namespace vh::ui {

void ShowRenderMode(MainWindowServices& sv, int mode) {
    sv.State().View.Mode = static_cast<RenderMode>(mode);
}

void ToggleView(MainWindowServices& sv, int which) {
    static constexpr bool ViewOptions::*kSwitches[] = {
        &ViewOptions::Highlight,  &ViewOptions::HighlightEffected,
        &ViewOptions::ShowLocked, &ViewOptions::PointInfo,
        &ViewOptions::Fps,        &ViewOptions::Sky,
        &ViewOptions::MipMap,     &ViewOptions::Info,
        &ViewOptions::Walkability};
    bool& on = sv.State().View.*kSwitches[which];
    on = !on;
}

void ResetCameraView(MainWindowServices& sv, int) {
    if (view::TerrainView* view = sv.View()) view->ResetCamera();
}

void FrameTerrainView(MainWindowServices& sv, int) {
    if (view::TerrainView* view = sv.View()) view->FrameTerrain();
}

void CameraOptions(MainWindowServices& sv, int) {
    sv.OpenDialog(new FrmCammera(sv.State(), sv.Window()));
}

void EditorTexturesOptions(MainWindowServices& sv, int) {
    auto* dialog = new FrmEdTextures(sv, sv.Window());
    MainWindowServices* services = &sv;
    QObject::connect(dialog, &QDialog::accepted, dialog, [services] {
        view::TerrainView* view = services->View();
        if (view && services->State().Doc.TerrainExists) {
            view->LoadGroundTexture();
            view->LoadSkyBox();
        }
    });
    sv.OpenDialog(dialog);
}

}  // namespace vh::ui
