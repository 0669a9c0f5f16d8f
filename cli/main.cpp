// varnholm-cli: the headless front end to the editor core.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/verbs.h"
#include "core/version.h"

namespace vhcli {

std::vector<Verb>& Verbs() {
    static std::vector<Verb> verbs;
    return verbs;
}

vh::AppPaths Paths() {
    return vh::ResolveAppPaths(vh::ProcessEnvironment(vh::ExecutableFolder()));
}

}  // namespace vhcli

namespace {

void PrintHelp() {
    std::printf("Usage: varnholm-cli VERB [ARGS...]\n\n");
    std::printf("Headless front end of the Varnholm terrain editor.\n\n");
    std::printf("Verbs:\n");
    auto verbs = vhcli::Verbs();
    std::sort(verbs.begin(), verbs.end(),
              [](const vhcli::Verb& a, const vhcli::Verb& b) { return a.Name < b.Name; });
    for (const auto& v : verbs) std::printf("  %s\n      %s\n", v.Usage.c_str(), v.Summary.c_str());
    std::printf("\nOptions:\n  --help     show this help\n  --version  show the version\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp();
        return 2;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp();
        return 0;
    }
    if (first == "--version") {
        std::printf("varnholm-cli %s\n", vh::kVersionString);
        return 0;
    }
    for (const auto& v : vhcli::Verbs()) {
        if (v.Name == first) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
                std::printf("Usage: varnholm-cli %s\n%s\n", v.Usage.c_str(), v.Summary.c_str());
                return 0;
            }
            return v.Run(rest);
        }
    }
    std::fprintf(stderr, "varnholm-cli: unknown verb \"%s\" (try --help)\n", first.c_str());
    return 2;
}
