#include "tools/tool_selection.h"

#include "core/rules.h"
#include "tools/tool_common.h"

namespace vh {

namespace {

struct ToolControls {
    Tool tool;
    ControlState CommandStates::*menu;
    ControlState CommandStates::*button;
};

constexpr ToolControls kTools[] = {
    {Tool::RaiseLower, &CommandStates::cmdRaiseLower, &CommandStates::tbRaiseLower},
    {Tool::Mountain, &CommandStates::cmdMountain, &CommandStates::tbMountain},
    {Tool::Smooth, &CommandStates::cmdSmooth, &CommandStates::tbSmooth},
    {Tool::Noise, &CommandStates::cmdNoise, &CommandStates::tbNoise},
    {Tool::Flatten, &CommandStates::cmdFlatten, &CommandStates::tbFlatten},
    {Tool::TouchUp, &CommandStates::cmdTouchUp, &CommandStates::tbTouchUp},
};

// Radius mode 1..4 -> its menu item and toolbar entry.
ControlState& RadiusItem(CommandStates& c, int mode) {
    switch (mode) {
        case 1:
            return c.cmdRadSmall;
        case 2:
            return c.cmdRadLarge;
        case 3:
            return c.cmdRadXLarge;
        default:
            return c.cmdRadYLarge;
    }
}

ControlState& RadiusEntry(CommandStates& c, int mode) {
    switch (mode) {
        case 1:
            return c.tbSmall;
        case 2:
            return c.tbLarge;
        case 3:
            return c.tbXLarge;
        default:
            return c.tbYLarge;
    }
}

bool UsesCommonRadius(Tool t) {
    return t == Tool::RaiseLower || t == Tool::Smooth || t == Tool::Noise;
}

void ShowCommonRadius(CommandStates& c, int radius) {
    const bool small = radius == 1;
    c.cmdRadSmall.Checked = small;
    c.cmdRadLarge.Checked = !small;
    c.tbSmall.Enabled = !small;
    c.tbLarge.Enabled = small;
}

void ShowFlattenRadius(CommandStates& c, int radius) {
    if (radius < 1 || radius > 4) return;
    for (int m = 1; m <= 4; ++m) {
        RadiusItem(c, m).Checked = m == radius;
        RadiusEntry(c, m).Enabled = m != radius;
    }
}

}  // namespace

void SelectTool(EditorState& s, Tool tool) {
    if (tool == Tool::None) return;
    CommandStates& c = s.Commands;

    for (const auto& t : kTools) (c.*t.menu).Checked = t.tool == tool;

    if (UsesCommonRadius(tool)) {
        c.cmdRadious.Enabled = true;
        c.cmdRadXLarge.Enabled = false;
        c.cmdRadXLarge.Checked = false;
        c.cmdRadYLarge.Enabled = false;
        c.cmdRadYLarge.Checked = false;
        c.tbRadius.Enabled = true;
        c.tbXLarge.Enabled = false;
        c.tbYLarge.Enabled = false;
    } else if (tool == Tool::Flatten) {
        c.cmdRadious.Enabled = true;
        c.cmdRadXLarge.Enabled = true;
        c.cmdRadYLarge.Enabled = true;
        c.tbRadius.Enabled = true;
        c.tbXLarge.Enabled = true;
        c.tbYLarge.Enabled = true;
    } else {
        c.cmdRadious.Enabled = false;
        c.tbRadius.Enabled = false;
    }

    const bool configurable = tool != Tool::Flatten && tool != Tool::TouchUp;
    c.cmdConfiguration.Enabled = configurable;
    c.tbDetails.Enabled = configurable;

    // The six buttons behave as one group: exactly the chosen one is down.
    for (const auto& t : kTools) (c.*t.button).Checked = t.tool == tool;

    switch (tool) {
        case Tool::RaiseLower:
            ShowCommonRadius(c, s.Tools.RaiseLowerRadius);
            break;
        case Tool::Smooth:
            ShowCommonRadius(c, s.Tools.SmoothRadius);
            break;
        case Tool::Noise:
            ShowCommonRadius(c, s.Tools.NoiseRadius);
            break;
        case Tool::Flatten:
            ShowFlattenRadius(c, s.Tools.FlattenRadius);
            break;
        default:
            break;
    }

    if (tool == Tool::TouchUp) s.Stroke.TouchUpCorner = 1;
}

int* CurrentRadiusField(EditorState& s) {
    const CommandStates& c = s.Commands;
    if (c.cmdRaiseLower.Checked) return &s.Tools.RaiseLowerRadius;
    if (c.cmdSmooth.Checked) return &s.Tools.SmoothRadius;
    if (c.cmdNoise.Checked) return &s.Tools.NoiseRadius;
    if (c.cmdFlatten.Checked) return &s.Tools.FlattenRadius;
    return nullptr;
}

void RadiusCommand(EditorState& s, int mode) {
    if (mode < 1 || mode > 4) return;
    CommandStates& c = s.Commands;
    for (int m = 1; m <= 4; ++m) RadiusItem(c, m).Checked = m == mode;

    if (mode <= 2) {
        if (int* field = CurrentRadiusField(s)) *field = mode;
    } else {
        s.Tools.FlattenRadius = mode;
    }

    c.tbSmall.Enabled = mode != 1;
    c.tbLarge.Enabled = mode != 2;
    if (mode <= 2) {
        if (c.cmdFlatten.Checked) {
            c.tbXLarge.Enabled = true;
            c.tbYLarge.Enabled = true;
        }
    } else {
        c.tbXLarge.Enabled = mode != 3;
        c.tbYLarge.Enabled = mode != 4;
    }
}

void GridCommand(EditorState& s, int index) {
    if (index < 1 || index > 8) return;
    CommandStates& c = s.Commands;
    for (int k = 1; k <= 8; ++k) {
        c.cmdGrid[k].Checked = k == index;
        c.GridEntry(k).Enabled = k != index;
    }
    s.Tools.Grid = kGridChoices[index];
}

void ToolbarClearPick(EditorState& s) {
    s.Stroke.PickedSquare = 0;
    s.Stroke.ToolActive = false;
}

void ToolbarRadiusClick(EditorState& s) {
    ToolbarClearPick(s);
    RadiusCommand(s, s.Commands.cmdRadLarge.Checked ? 1 : 2);
}

void ToolbarGridClick(EditorState& s) {
    ToolbarClearPick(s);
    for (int k = 1; k <= 8; ++k) {
        if (kGridChoices[k] == s.Tools.Grid) {
            GridCommand(s, k % 8 + 1);
            return;
        }
    }
}

void UnlockAll(EditorState& s) {
    const int n = s.Terrain.PointCount;
    bool changed = false;
    for (int i = 1; i <= n && i < static_cast<int>(s.Terrain.Points.size()); ++i) {
        changed = changed || s.Terrain.Points[i].Locked;
        s.Terrain.Points[i].Locked = false;
    }
    if (changed) MarkDocumentChanged(s);
}

void ToggleIgnoreLocked(EditorState& s) {
    ControlState& item = s.Commands.cmdIgnoreLocked;
    item.Checked = !item.Checked;
    s.Tools.IgnoreLocked = item.Checked;
}

}  // namespace vh
