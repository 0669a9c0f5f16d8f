#include "core/recent.h"

#include "core/rules.h"

namespace vh {

void AddRecent(EditorState& s, const std::string& path) {
    auto& r = s.Recent;
    if (r[1] != path) {
        int found = 0;
        for (int j = 2; j <= kRecentCount; ++j)
            if (r[j] == path) {
                found = j;
                break;
            }
        // Without a match the last entry falls off the end.
        const int from = found ? found : kRecentCount;
        for (int j = from; j > 1; --j) r[j] = r[j - 1];
        r[1] = path;
    }
    RefreshRecentMenu(s);
}

std::string RecentCaption(int k, const std::string& path) {
    if (path.size() < 32) return path;
    std::string tail = path.substr(path.size() - 26);
    size_t slash = tail.find('/');
    if (slash != std::string::npos) tail = tail.substr(slash);
    std::string caption = "&";
    caption.append(std::to_string(k)).append(". ").append(path, 0, 3).append("...").append(tail);
    return caption;
}

void RefreshRecentMenu(EditorState& s) {
    bool any = false;
    for (int k = 1; k <= kRecentCount; ++k) {
        s.Recent[k] = Trim(s.Recent[k]);
        ControlState& item = s.Commands.cmdRM[k];
        if (s.Recent[k].empty()) {
            item.Visible = false;
            item.Caption.clear();
        } else {
            item.Visible = true;
            item.Caption = RecentCaption(k, s.Recent[k]);
            any = true;
        }
    }
    s.Commands.cmdRmbSpace.Visible = any;
}

}  // namespace vh
