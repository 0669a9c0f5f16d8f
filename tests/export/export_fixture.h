// Helpers for the export tests: small terrains, exporting to text, and a
// progress recorder.
#pragma once

#include <string>
#include <vector>

#include "core/editor_state.h"
#include "core/progress.h"

namespace vhtest {

// A 2 x 2 point terrain with spacing 64 (x and z at -32 and 32) and the given
// heights of the square's corners C0 (x -32, z 32), C1 (32, 32), C2 (-32, -32)
// and C3 (32, -32). Hint and sky off, grid 16, default textures.
void MakeOneSquare(vh::EditorState& s, float h0, float h1, float h2, float h3);

// Exports to a temporary file and returns its bytes; fails the test on error.
std::string ExportToText(vh::EditorState& s);

// Lines joined, each ended by CR LF.
std::string CrLf(const std::vector<std::string>& lines);

// All lines of a CR LF text (without their ends).
std::vector<std::string> SplitCrLf(const std::string& text);

struct RecordingProgress : vh::Progress {
    struct Event {
        char Kind;  // 'S' status, 'M' maximum, 'V' value
        std::string Text;
        int Number = 0;
    };
    std::vector<Event> Events;
    void Status(const std::string& text) override { Events.push_back({'S', text, 0}); }
    void Maximum(int max) override { Events.push_back({'M', {}, max}); }
    void Value(int value) override { Events.push_back({'V', {}, value}); }
};

}  // namespace vhtest
