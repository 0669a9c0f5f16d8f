// Writes the seed corpus of each fuzz target into FOLDER/<target>/: our own
// samples and, when given, files such as the default sky and ground images.
//   make_seeds FOLDER [FILE...]
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <fstream>

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
