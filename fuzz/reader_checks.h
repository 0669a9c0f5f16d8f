// One input handed to one reader through the program's own path, checked
// against the rules every reader keeps: the input is taken and what was read
// is consistent, or it is refused with a message and nothing else changes.
// Crashes, hangs and unbounded allocations are left to the sanitizers and
// the caller. Shared by the mutation tests and the libFuzzer targets.
#pragma once

#include <string>
#include <string_view>

namespace vhfuzz {

struct Verdict {
    bool Loaded = false;
    std::string Fault;  // the rule the reader broke; empty when it behaved
};

// Opened as a .vhm document over a small current terrain.
Verdict CheckDocument(std::string_view bytes);
// Read as the settings file at start-up, written and read back, and handed
// to the New Map dialog.
Verdict CheckSettings(std::string_view text);
// Loaded as a .tga editor texture.
Verdict CheckTga(std::string_view bytes);
// Loaded as a height image (preview, then generation) and as an editor
// texture; the format is decided by the content (BMP, GIF, JPEG).
Verdict CheckImage(std::string_view bytes);

}  // namespace vhfuzz
