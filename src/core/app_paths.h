// Where the program reads its own files (sky, ground texture, help) and where
// it keeps the user's: the settings file, the debug log, the folder the file
// dialogs start in. Decided once at start-up; everything else asks AppPaths.
//
// Portable layout: the executable's folder is writable and holds sky/, tex/
// and help/; everything lives there, as in a build folder.
// Installed layout (anything else): assets from ../share/varnholm beside the
// executable's folder, settings under $XDG_CONFIG_HOME/varnholm, the log under
// $XDG_STATE_HOME/varnholm, dialogs start in the home folder.
#pragma once

#include <functional>
#include <string>

namespace vh {

struct AppPaths {
    bool Portable = true;
    std::string AssetsFolder;  // holds sky/, tex/ and help/
    std::string SettingsFile;
    std::string StateFolder;  // the program's own files: debug log, probe pages
    std::string LogFile;
    std::string DialogFolder;  // where file dialogs start when nothing else is known
};

// What the decision depends on, injectable for tests.
struct PathEnvironment {
    std::string ExecutableFolder;
    std::string Home;
    std::string XdgConfigHome;  // empty or relative: ignored
    std::string XdgStateHome;
    std::function<bool(const std::string& folder)> Writable;
};

// Every path below one folder, as a build folder has it.
AppPaths PortablePaths(const std::string& folder);

AppPaths ResolveAppPaths(const PathEnvironment& env);

// The running process: HOME (or the password entry), XDG_CONFIG_HOME,
// XDG_STATE_HOME, and access(W_OK) as the writability check.
PathEnvironment ProcessEnvironment(const std::string& executableFolder);

// The folder of the running executable (from /proc/self/exe); "." if unknown.
std::string ExecutableFolder();

// Creates the folders the program writes into (the settings reader makes its
// own). False when StateFolder could not be created.
bool CreateStateFolder(const AppPaths& paths);

}  // namespace vh
