#include "ui/view_commands.h"

#include <QWidget>

#include "ui/frm_cammera.h"
#include "ui/frm_ed_textures.h"
#include "view/terrain_view.h"

namespace vh::ui {

void InstallViewCommands(MainWindowServices& services) {
    MainWindowServices* sv = &services;
    sv->RegisterCommand("cmdCammera", [sv] { sv->OpenDialog(new FrmCammera(sv->State(), sv->Window())); });
    sv->RegisterCommand("cmdTextures", [sv] {
        auto* dialog = new FrmEdTextures(*sv, sv->Window());
        QObject::connect(dialog, &QDialog::accepted, dialog, [sv] {
            QWidget* window = sv->Window();
            TerrainView* view = window ? window->findChild<TerrainView*>() : nullptr;
            if (view && sv->State().Doc.TerrainExists) {
                view->LoadGroundTexture();
                view->LoadSkyBox();
            }
        });
        sv->OpenDialog(dialog);
    });
}

}  // namespace vh::ui
