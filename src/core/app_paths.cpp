#include "core/app_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vh {

namespace fs = std::filesystem;

namespace {

bool HoldsAssets(const std::string& folder) {
    std::error_code ec;
    for (const char* sub : {"sky", "tex", "help"})
        if (!fs::is_directory(fs::path(folder) / sub, ec)) return false;
    return true;
}

// An XDG base folder: the variable when it is an absolute path, else the
// fallback below home (the base-directory rules ignore relative values).
std::string BaseFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && fs::path(variable).is_absolute()) return variable;
    return (fs::path(home) / fallback).string();
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

AppPaths PortablePaths(const std::string& folder) {
    AppPaths p;
    p.Portable = true;
    p.AssetsFolder = folder;
    p.SettingsFile = folder + "/config/Varnholm.ini";
    p.StateFolder = folder;
    p.LogFile = folder + "/debugVH.txt";
    p.DialogFolder = folder;
    return p;
}

AppPaths ResolveAppPaths(const PathEnvironment& env) {
    const std::string& exe = env.ExecutableFolder;
    if (env.Writable && env.Writable(exe) && HoldsAssets(exe)) return PortablePaths(exe);

    AppPaths p;
    p.Portable = false;
    // Lexically, so the paths shown and stored carry no "..".
    p.AssetsFolder = (fs::path(exe).lexically_normal().parent_path() / "share" / "varnholm").string();
    const fs::path config = BaseFolder(env.XdgConfigHome, env.Home, ".config");
    const fs::path state = BaseFolder(env.XdgStateHome, env.Home, ".local/state");
    p.SettingsFile = (config / "varnholm" / "Varnholm.ini").string();
    p.StateFolder = (state / "varnholm").string();
    p.LogFile = p.StateFolder + "/debugVH.txt";
    p.DialogFolder = env.Home;
    return p;
}

PathEnvironment ProcessEnvironment(const std::string& executableFolder) {
    PathEnvironment env;
    env.ExecutableFolder = executableFolder;
    env.Home = Env("HOME");
    if (env.Home.empty())
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) env.Home = pw->pw_dir;
    env.XdgConfigHome = Env("XDG_CONFIG_HOME");
    env.XdgStateHome = Env("XDG_STATE_HOME");
    env.Writable = [](const std::string& folder) { return access(folder.c_str(), W_OK) == 0; };
    return env;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

bool CreateStateFolder(const AppPaths& paths) {
    std::error_code ec;
    fs::create_directories(paths.StateFolder, ec);
    return fs::is_directory(paths.StateFolder, ec);
}

}  // namespace vh
