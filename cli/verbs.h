// varnholm-cli verbs register themselves here; main() dispatches by name.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app_paths.h"

namespace vhcli {

using VerbFn = std::function<int(const std::vector<std::string>& args)>;

struct Verb {
    std::string Name;
    std::string Usage;    // one line: "generate --out FILE.vhm [...]"
    std::string Summary;  // one line description
    VerbFn Run;
};

std::vector<Verb>& Verbs();

struct VerbRegistrar {
    VerbRegistrar(Verb verb) { Verbs().push_back(std::move(verb)); }
};

// The editor's paths for this executable (default texture paths in documents).
vh::AppPaths Paths();

}  // namespace vhcli
