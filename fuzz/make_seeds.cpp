// Writes the seed corpus of each fuzz target into FOLDER/<target>/: our own
// samples and, when given, files such as the default sky and ground images.
//   make_seeds FOLDER [FILE...]
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/document.h"
#include "samples.h"

namespace {

void Put(const std::filesystem::path& dir, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER [FILE...]\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    Put(root / "document", "sample.vhm", vhfuzz::SampleDocument());
    Put(root / "document", "choices.vhm", vhfuzz::SampleDocument(true));
    // Values at the ends of the float range and off the spacing, which the
    // reader keeps and every writer then meets.
    vh::EditorState far = vhfuzz::SampleTerrain(5, 4);
    const float extremes[] = {3.4e38f, -3.4e38f, 1e20f, -1e-40f, 16777217.0f};
    for (int i = 1; i <= far.Terrain.PointCount; ++i) {
        far.Terrain.Points[i].Height = extremes[i % 5];
        far.Terrain.Points[i].X += static_cast<float>(i % 3) * 0.1f;
    }
    std::string bytes;
    if (vh::EncodeDocument(far.Terrain, vh::DocumentSettingsOf(far), &bytes, nullptr))
        Put(root / "document", "far.vhm", bytes);
    Put(root / "settings", "Varnholm.ini", vhfuzz::SampleSettings());
    for (const vhfuzz::Sample& s : vhfuzz::SampleTgas()) Put(root / "tga", s.Name, s.Bytes);
    for (const vhfuzz::Sample& s : vhfuzz::SampleImages()) Put(root / "image", s.Name, s.Bytes);
    for (int i = 2; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const std::string bytes = f.readAll().toStdString();
        const std::filesystem::path p = argv[i];
        const std::string ext = p.extension().string();
        const char* target = ext == ".vhm"   ? "document"
                             : ext == ".ini" ? "settings"
                             : ext == ".tga" ? "tga"
                                             : "image";
        Put(root / target, p.filename().string(), bytes);
    }
    return 0;
}
