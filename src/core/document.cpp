#include "core/document.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/grid.h"
#include "core/prompts.h"
#include "core/rules.h"
#include "core/save_file.h"

namespace vh {

namespace {

// Header strings cost at most 25 x 65537 bytes and the arrays about 2 MB, so
// a document always lies within the first 8 MB of its file; whatever
// follows the last square is not read.
constexpr size_t kMaxDocumentBytes = 8u << 20;

// ---- encoding ----

void PutU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void PutI16(std::string& out, int16_t v) {
    PutU16(out, static_cast<uint16_t>(v));
}

void PutF32(std::string& out, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// A string field; the first text too long for the format is remembered in
// `status` (the bytes are then of no use).
void PutString(std::string& out, const std::string& text, const char* what, Status& status) {
    if (text.size() > 0xFFFF) {
        if (status)
            status = Fail(ErrorKind::Invalid,
                          std::string("The ") + what + " is longer than a map document can hold.");
        return;
    }
    PutU16(out, static_cast<uint16_t>(text.size()));
    out.append(text);
}

// A document's booleans are 16-bit: -1 true, 0 false. Any other value
// reads as true.
void PutBool(std::string& out, bool v) {
    PutI16(out, v ? -1 : 0);
}

// Header fields 1 to 25. The counts are whole numbers of at most 32767, so
// their floats are exact.
Status EncodeHeader(const Terrain& t, const DocumentSettings& d, std::string& out) {
    const ExportSettings& e = d.Export;
    const BrushTextures& b = d.Brushes;
    const EditorTextures& x = d.Textures;
    Status ok;
    PutString(out, kDocumentVersion, "version", ok);
    PutF32(out, static_cast<float>(t.PointCount));
    PutF32(out, static_cast<float>(t.SquareCount));
    PutF32(out, static_cast<float>(t.PointsPerRow));
    PutString(out, d.LastExportPath, "last export path", ok);
    PutString(out, e.ExportType, "export type", ok);
    // A 16-bit field; every position the editor sets (0, 1 or one read from
    // a document or the settings file) fits it.
    PutI16(out, static_cast<int16_t>(e.ExportPosition));
    PutBool(out, e.AddHint);
    PutBool(out, e.AddSky);
    PutString(out, b.TopTexture, "top texture name", ok);
    PutString(out, b.SideTexture, "side texture name", ok);
    PutString(out, b.HintTexture, "hint texture name", ok);
    PutString(out, b.SkipTexture, "skip texture name", ok);
    PutString(out, b.SkyTexture, "sky texture name", ok);
    PutF32(out, b.TopScaleX);
    PutF32(out, b.TopScaleY);
    PutF32(out, b.SideScaleX);
    PutF32(out, b.SideScaleY);
    for (const std::string* p :
         {&x.SkyUP, &x.SkyDN, &x.SkyFT, &x.SkyBK, &x.SkyRT, &x.SkyLF, &x.GroundTexture})
        PutString(out, *p, "editor texture path", ok);
    return ok;
}

// ---- decoding ----

class Reader {
public:
    explicit Reader(std::string_view bytes) : b_(bytes) {}

    bool Failed() const { return failed_; }
    size_t Remaining() const { return b_.size() - pos_; }

    uint16_t U16() {
        if (!Need(2)) return 0;
        uint16_t v = static_cast<uint16_t>(Byte(0) | (Byte(1) << 8));
        pos_ += 2;
        return v;
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    bool Bool() { return I16() != 0; }
    float F32() {
        if (!Need(4)) return 0;
        uint32_t bits = Byte(0) | (Byte(1) << 8) | (Byte(2) << 16) | (static_cast<uint32_t>(Byte(3)) << 24);
        pos_ += 4;
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    std::string String() {
        uint16_t n = U16();
        if (!Need(n)) return std::string(b_.substr(pos_));
        std::string s(b_.substr(pos_, n));
        pos_ += n;
        return s;
    }

private:
    bool Need(size_t n) {
        if (failed_ || Remaining() < n) {
            failed_ = true;
            return false;
        }
        return true;
    }
    uint32_t Byte(size_t i) const { return static_cast<unsigned char>(b_[pos_ + i]); }

    std::string_view b_;
    size_t pos_ = 0;
    bool failed_ = false;
};

bool IsWholeCount(float v) {
    return std::isfinite(v) && v >= 1 && v <= kMaxPoints && v == std::floor(v);
}

// A square as a document stores it: its eight neighbours and four corners
// as whole-number floats, in this order. A document holds exactly the
// records of its grid.
using SquareRecord = std::array<float, 12>;

SquareRecord RecordOf(const Terrain& t, int k) {
    const SquareCorners c = t.Corners(k);
    auto n = [&](Dir d) { return static_cast<float>(t.Neighbour(k, d)); };
    auto f = [](int v) { return static_cast<float>(v); };
    return {n(Dir::Next),     n(Dir::Prev),      n(Dir::Left),     n(Dir::Right),
            n(Dir::NextLeft), n(Dir::NextRight), n(Dir::PrevLeft), n(Dir::PrevRight),
            f(c.c0),          f(c.c1),           f(c.c2),          f(c.c3)};
}

Failure Damaged(const std::string& name, const std::string& why) {
    return Fail(ErrorKind::Damaged, "The file \"" + name + "\" is damaged and was not opened: " + why + ".");
}

// Any finite coordinate and height can be shown, edited and exported; the
// grid's shape is fixed by the counts, not by the coordinates.
std::string CheckPointValues(const Terrain& t) {
    const auto& pts = t.Points;
    for (size_t i = 1; i < pts.size(); ++i) {
        const TerrainPoint& p = pts[i];
        if (!std::isfinite(p.X) || !std::isfinite(p.Z) || !std::isfinite(p.Height))
            return "point " + std::to_string(i) + " has a coordinate or height that is not a number";
    }
    return {};
}

}  // namespace

DocumentSettings DocumentSettingsOf(const EditorState& s) {
    return {s.Doc.LastExportPath, s.Export, s.Brushes, s.Textures, s.Choices};
}

std::string DocumentCaption(const std::string& title) {
    return title + " - Varnholm";
}

void EditDocumentSettings(EditorState& s, const std::function<void(EditorState&)>& edit) {
    std::string before, after;
    const bool hadBefore = EncodeHeader(s.Terrain, DocumentSettingsOf(s), before).Ok();
    AppendMapChoices(s.Choices, before);
    edit(s);
    // A header that cannot be encoded compares as a change.
    const bool hasAfter = EncodeHeader(s.Terrain, DocumentSettingsOf(s), after).Ok();
    AppendMapChoices(s.Choices, after);
    if (!hadBefore || !hasAfter || before != after) MarkDocumentChanged(s);
}

Result<std::string> EncodeDocument(const Terrain& t, const DocumentSettings& d) {
    const int np = t.PointCount, ns = t.SquareCount;
    if (np <= 0 || ns <= 0 || static_cast<int>(t.Points.size()) != np + 1)
        return Fail(ErrorKind::Invalid, "There is no complete terrain to save.");
    std::string out;
    out.reserve(2048 + static_cast<size_t>(np) * kPointRecordBytes +
                static_cast<size_t>(ns) * kSquareRecordBytes);
    if (Status header = EncodeHeader(t, d, out); !header) return header.Error();
    for (int i = 1; i <= np; ++i) {
        const TerrainPoint& p = t.Points[i];
        PutF32(out, p.X);
        PutF32(out, p.Height);
        PutF32(out, p.Z);
        PutBool(out, p.Locked);
    }
    for (int i = 1; i <= ns; ++i)
        for (float v : RecordOf(t, i)) PutF32(out, v);
    AppendMapChoices(d.Choices, out);
    return out;
}

Result<DocumentData> DecodeDocument(std::string_view bytes, const std::string& name) {
    Reader in(bytes);
    // An empty or cut-off version reads as a different version.
    if (in.String() != kDocumentVersion || in.Failed())
        return Fail(ErrorKind::Version, kUnsupportedVersionText);
    DocumentData d;
    ExportSettings& e = d.Export;
    BrushTextures& b = d.Brushes;
    EditorTextures& x = d.Textures;
    const float pointCount = in.F32(), squareCount = in.F32(), pointsPerRow = in.F32();
    d.LastExportPath = in.String();
    e.ExportType = in.String();
    e.ExportPosition = in.I16();
    e.AddHint = in.Bool();
    e.AddSky = in.Bool();
    b.TopTexture = in.String();
    b.SideTexture = in.String();
    b.HintTexture = in.String();
    b.SkipTexture = in.String();
    b.SkyTexture = in.String();
    b.TopScaleX = in.F32();
    b.TopScaleY = in.F32();
    b.SideScaleX = in.F32();
    b.SideScaleY = in.F32();
    for (std::string* p : {&x.SkyUP, &x.SkyDN, &x.SkyFT, &x.SkyBK, &x.SkyRT, &x.SkyLF, &x.GroundTexture})
        *p = in.String();
    if (in.Failed()) return Damaged(name, "its header is cut short");

    if (!IsWholeCount(pointCount) || !IsWholeCount(squareCount) || !IsWholeCount(pointsPerRow))
        return Damaged(name, "its point and square counts are impossible");
    const int np = static_cast<int>(pointCount), ns = static_cast<int>(squareCount);
    const int w = static_cast<int>(pointsPerRow);
    if (w < 2 || np % w != 0 || np / w < 2 || ns != (w - 1) * (np / w - 1))
        return Damaged(name, "its point and square counts do not describe a grid");
    for (float v : {b.TopScaleX, b.TopScaleY, b.SideScaleX, b.SideScaleY})
        if (!std::isfinite(v)) return Damaged(name, "a texture scale is not a number");

    const size_t need =
        static_cast<size_t>(np) * kPointRecordBytes + static_cast<size_t>(ns) * kSquareRecordBytes;
    if (in.Remaining() < need) return Damaged(name, "it is shorter than its counts say");

    Terrain& t = d.Terrain;
    t.Resize(w, np / w);
    for (int i = 1; i <= np; ++i) {
        TerrainPoint& p = t.Points[i];
        p.X = in.F32();
        p.Height = in.F32();
        p.Z = in.F32();
        p.Locked = in.Bool();
    }
    std::vector<SquareRecord> squares(static_cast<size_t>(ns));
    for (SquareRecord& q : squares)
        for (float& v : q) v = in.F32();
    if (in.Failed()) return Damaged(name, "it is shorter than its counts say");

    if (std::string why = CheckPointValues(t); !why.empty()) return Damaged(name, why);
    for (int i = 1; i <= ns; ++i)
        if (squares[static_cast<size_t>(i - 1)] != RecordOf(t, i))
            return Damaged(name, "square " + std::to_string(i) + " does not match its place in the grid");
    std::string why;
    if (!ReadMapChoices(bytes.substr(bytes.size() - in.Remaining()), ns, &d.Choices, &why))
        return Damaged(name, why);
    return d;
}

Result<DocumentData> LoadDocumentFile(const std::string& path) {
    auto unreadable = [&](const std::string& why) {
        return Fail(ErrorKind::Unreadable, "The file \"" + path + "\" could not be opened: " + why + ".");
    };
    std::error_code ec;
    if (path.empty()) return unreadable("no file name was given");
    if (std::filesystem::is_directory(path, ec)) return unreadable("it is a folder");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return unreadable(std::strerror(errno));
    std::string bytes;
    char buf[65536];
    size_t n;
    while (bytes.size() < kMaxDocumentBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) return unreadable("the file could not be read");
    return DecodeDocument(bytes, path);
}

void ApplyDocument(EditorState& s, const DocumentData& d) {
    s.Doc.LastExportPath = d.LastExportPath;
    // The export keys the settings file alone keeps (headroom, wad, light) stay.
    s.Export.ExportType = d.Export.ExportType;
    s.Export.ExportPosition = d.Export.ExportPosition;
    s.Export.AddHint = d.Export.AddHint;
    s.Export.AddSky = d.Export.AddSky;
    s.Brushes = d.Brushes;
    s.Textures = d.Textures;
    s.Choices = d.Choices;
    ReplaceTerrain(s, d.Terrain);
}

Status SaveDocumentFile(const std::string& path, const Terrain& t, const DocumentSettings& d) {
    Result<std::string> bytes = EncodeDocument(t, d);
    if (!bytes) return bytes.Error();
    // Never write a file that could not be opened again (a NaN height, say).
    if (!DecodeDocument(bytes.Value(), path))
        return Fail(ErrorKind::Invalid,
                    "The map was not saved, because the terrain holds values a map document cannot keep.");
    return WriteFileAtomically(path, bytes.Value());
}

Status LoadDocumentInto(EditorState& s, const std::string& path) {
    Result<DocumentData> r = LoadDocumentFile(path);
    if (!r) {
        if (r.Kind() == ErrorKind::Version)
            return Fail(ErrorKind::Version, "\"" + path + "\": " + r.Message());
        return r.Error();
    }
    ApplyDocument(s, r.Value());
    s.History.UndoLevels = 0;
    s.Doc.DocPath = path;
    s.Doc.DocTitle = FileTitleOf(path);
    s.Doc.TerrainExists = true;
    s.Doc.DocClean = true;
    return {};
}

}  // namespace vh
