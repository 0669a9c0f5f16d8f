// The program's three-part version. The numbers come from the project's
// version in the top CMakeLists, so the programs, the man pages and the
// package all carry the same one.
#pragma once

namespace vh {

constexpr int kVersionMajor = VH_VERSION_MAJOR;
constexpr int kVersionMinor = VH_VERSION_MINOR;
constexpr int kVersionRevision = VH_VERSION_PATCH;
constexpr const char* kVersionString = VH_VERSION_STRING;

}  // namespace vh
