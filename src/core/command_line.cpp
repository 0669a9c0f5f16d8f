#include "core/command_line.h"

#include <filesystem>

#include "core/version.h"

namespace vh {

StartRequest ParseCommandLine(const std::vector<std::string>& args) {
    StartRequest r;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& a : args) {
        const bool option = !optionsEnded && a.size() > 1 && a[0] == '-';
        if (!option) {
            files.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            return {StartAction::Help, {}, {}};
        } else if (a == "--version") {
            r = {StartAction::Version, {}, {}};
        } else if (r.Action == StartAction::Run) {
            r = {StartAction::Error, {}, "unknown option \"" + a + "\""};
        }
    }
    if (r.Action != StartAction::Run) return r;
    if (files.size() > 1) return {StartAction::Error, {}, "only one map file can be opened"};
    if (!files.empty() && !files[0].empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(files[0], ec);
        r.File = ec ? files[0] : absolute.lexically_normal().string();
    }
    return r;
}

std::string HelpText(const AppPaths& paths) {
    std::string text =
        "Usage: varnholm [OPTION] [FILE.vhm]\n"
        "\n"
        "Varnholm, a terrain editor for Quake-engine level designers.\n"
        "Opens FILE.vhm at start-up when one is given.\n"
        "\n"
        "Options:\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "\n"
        "Files of this run:\n";
    text += "  settings   " + paths.SettingsFile + "\n";
    text += "  debug log  " + paths.LogFile + "\n";
    text += "  assets     " + paths.AssetsFolder + "\n";
    text += "\nvarnholm-cli is the same editor without a window (varnholm-cli --help).\n";
    return text;
}

std::string VersionText() {
    return std::string("varnholm ") + kVersionString + "\n";
}

}  // namespace vh
