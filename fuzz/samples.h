// Small valid inputs for every reader: the bases the mutation tests mutate
// and the seed corpora of the fuzz targets.
#pragma once

#include <string>
#include <vector>

#include "core/editor_state.h"

namespace vhfuzz {

struct Sample {
    std::string Name;  // file name, with the extension the reader expects
    std::string Bytes;
};

// Defaults, logging off and an x by y grid of zero heights, as New Map makes.
vh::EditorState SampleTerrain(int x, int y);
// The document of a 9 x 7 terrain with varied heights and locks; with
// choices, its compile-ready choices follow the squares.
std::string SampleDocument(bool withChoices = false);
// The settings file of a default start-up with one recent document.
std::string SampleSettings();
// TGA types 2 (24 and 32 bits), 3 and 10, bottom-up and top-down.
std::vector<Sample> SampleTgas();
// BMP, GIF (plain and interlaced) and JPEG images of a grey gradient.
std::vector<Sample> SampleImages();

// A TGA file: the 18-byte header, then `body` as given.
std::string TgaFile(int type, int width, int height, int depth, int descriptor, const std::string& body);

}  // namespace vhfuzz
