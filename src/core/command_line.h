// The editor's command line: varnholm [--help | --version] [FILE.vhm].
// Parsed before any window exists, so --help and --version need no display.
#pragma once

#include <string>
#include <vector>

#include "core/app_paths.h"

namespace vh {

enum class StartAction { Run, Help, Version, Error };

struct StartRequest {
    StartAction Action = StartAction::Run;
    std::string File;     // made absolute; empty: start without a document
    std::string Message;  // for Error: what was wrong
};

// args without the program's name. --help (-h) and --version win wherever
// they stand before "--"; any other option is an error; at most one file.
StartRequest ParseCommandLine(const std::vector<std::string>& args);

// The --help text, naming where this run keeps its settings and log.
std::string HelpText(const AppPaths& paths);

// "varnholm 2.2.0" and a line break.
std::string VersionText();

}  // namespace vh
