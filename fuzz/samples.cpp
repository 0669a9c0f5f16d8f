#include "samples.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>

#include "core/document.h"
#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/rules.h"
#include "core/settings.h"

namespace vhfuzz {

namespace {

void PutU16(std::string& out, int v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

int Grey(int x, int y, int w, int h) {
    return (x * 255 / std::max(1, w - 1) + y * 255 / std::max(1, h - 1)) / 2;
}

// A GIF whose LZW stream holds only literal codes: a clear code every 250
// pixels keeps the code width at 9 bits, so no dictionary is needed.
std::string GreyGif(int w, int h, bool interlaced) {
    std::string g = "GIF89a";
    PutU16(g, w);
    PutU16(g, h);
    g += std::string{'\xF7', '\0', '\0'};  // 256-entry global colour table
    for (int i = 0; i < 256; ++i) g += std::string(3, static_cast<char>(i));
    g += '\x2C';
    PutU16(g, 0);
    PutU16(g, 0);
    PutU16(g, w);
    PutU16(g, h);
    g += interlaced ? '\x40' : '\0';
    g += '\x08';  // minimum code size

    std::string codes;
    uint32_t bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= static_cast<uint32_t>(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8) codes.push_back(static_cast<char>(bits & 0xFF));
    };
    // Interlaced files store rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
    std::vector<int> rows;
    for (auto [start, step] : interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                         : std::vector<std::pair<int, int>>{{0, 1}})
        for (int y = start; y < h; y += step) rows.push_back(y);
    int run = 0;
    put(256);
    for (int y : rows)
        for (int x = 0; x < w; ++x) {
            if (run++ == 250) {
                put(256);
                run = 1;
            }
            put(Grey(x, y, w, h));
        }
    put(257);
    if (count > 0) codes.push_back(static_cast<char>(bits & 0xFF));
    for (size_t at = 0; at < codes.size(); at += 255) {
        const std::string block = codes.substr(at, 255);
        g += static_cast<char>(block.size());
        g += block;
    }
    g += '\0';
    g += '\x3B';
    return g;
}

std::string Saved(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

}  // namespace

std::string TgaFile(int type, int width, int height, int depth, int descriptor, const std::string& body) {
    std::string t(18, '\0');
    t[2] = static_cast<char>(type);
    t[12] = static_cast<char>(width & 0xFF), t[13] = static_cast<char>(width >> 8);
    t[14] = static_cast<char>(height & 0xFF), t[15] = static_cast<char>(height >> 8);
    t[16] = static_cast<char>(depth), t[17] = static_cast<char>(descriptor);
    return t + body;
}

vh::EditorState SampleTerrain(int x, int y) {
    vh::EditorState s;
    vh::SetDefaults(s, "/prog");
    s.LogPath.clear();
    vh::ResetEditor(s);
    s.NewMap.X = static_cast<int16_t>(x);
    s.NewMap.Y = static_cast<int16_t>(y);
    vh::BuildGrid(s);
    return s;
}

std::string SampleDocument(bool withChoices) {
    vh::EditorState d = SampleTerrain(9, 7);
    if (withChoices) {
        d.Choices.CompileReady = d.Choices.Merge = true;
        d.Choices.Simplify = 24;
        d.Choices.SpawnSquare = 20;
    }
    for (int i = 1; i <= d.Terrain.PointCount; ++i) {
        d.Terrain.Points[i].Height = static_cast<float>(i % 13) * 16.0f;
        d.Terrain.Points[i].Locked = i % 5 == 0;
    }
    vh::Result<std::string> bytes = vh::EncodeDocument(d.Terrain, vh::DocumentSettingsOf(d));
    return bytes ? std::move(bytes).Value() : std::string();
}

std::string SampleSettings() {
    vh::EditorState s;
    vh::SetDefaults(s, "/prog");
    s.Recent[1] = "/maps/one.vhm";
    return vh::SettingsText(s);
}

std::vector<Sample> SampleTgas() {
    const int w = 6, h = 5;
    std::string bgr, bgra, grey, rle;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const char g = static_cast<char>(Grey(x, y, w, h));
            bgr += std::string{g, static_cast<char>(x * 40), static_cast<char>(y * 50)};
            bgra += std::string{g, static_cast<char>(x * 40), static_cast<char>(y * 50), '\x80'};
            grey += g;
        }
        // One run of three pixels and one raw packet of three per row.
        rle += std::string{'\x82', static_cast<char>(y), '\x10', '\x20', '\x02'};
        for (int x = 3; x < w; ++x) rle += std::string{static_cast<char>(x), static_cast<char>(y), '\x7F'};
    }
    return {{"bottom-up.tga", TgaFile(2, w, h, 24, 0x00, bgr)},
            {"top-down-alpha.tga", TgaFile(2, w, h, 32, 0x28, bgra)},
            {"grey.tga", TgaFile(3, w, h, 8, 0x20, grey)},
            {"rle.tga", TgaFile(10, w, h, 24, 0x00, rle)}};
}

std::vector<Sample> SampleImages() {
    const int w = 24, h = 17;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(Grey(x, y, w, h), x * 10, y * 15));
    return {{"gradient.bmp", Saved(image, "BMP")},
            {"gradient-8bit.bmp", Saved(image.convertToFormat(QImage::Format_Indexed8), "BMP")},
            {"gradient.jpg", Saved(image, "JPEG")},
            {"gradient.gif", GreyGif(w, h, false)},
            {"interlaced.gif", GreyGif(w, h, true)}};
}

}  // namespace vhfuzz
