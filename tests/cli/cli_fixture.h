// Running the built varnholm-cli, which sits beside the test program.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vhtest {

inline std::string CliPath() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / "varnholm-cli").string();
}

// Exit status of the CLI with the given arguments; both streams go to `log`.
inline int RunCli(const std::string& args, const std::string& log) {
    // Appended piece by piece: chained operator+ trips a false -Wrestrict in GCC 12.
    std::string cmd;
    for (const std::string& part : {std::string("\""), CliPath(), std::string("\" "), args,
                                    std::string(" >\""), log, std::string("\" 2>&1")})
        cmd.append(part);
    const int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

}  // namespace vhtest
