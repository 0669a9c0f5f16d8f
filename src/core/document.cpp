#include "core/document.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/grid.h"
#include "core/lifecycle.h"
#include "core/recent.h"
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

bool PutString(std::string& out, const std::string& text, const char* what, std::string* error) {
    if (text.size() > 0xFFFF) {
        if (error) *error = std::string("The ") + what + " is longer than a map document can hold.";
        return false;
    }
    PutU16(out, static_cast<uint16_t>(text.size()));
    out.append(text);
    return true;
}

// Header fields 1 to 25.
bool EncodeHeader(const EditorState& s, std::string& out, std::string* error) {
    bool ok = PutString(out, kDocumentVersion, "version", error);
    PutF32(out, s.PointCount);
    PutF32(out, s.SquareCount);
    PutF32(out, s.PointsPerRow);
    ok = ok && PutString(out, s.LastExportPath, "last export path", error);
    ok = ok && PutString(out, s.ExportType, "export type", error);
    PutI16(out, s.ExportPosition);
    PutI16(out, s.AddHint);
    PutI16(out, s.AddSky);
    ok = ok && PutString(out, s.TopTexture, "top texture name", error);
    ok = ok && PutString(out, s.SideTexture, "side texture name", error);
    ok = ok && PutString(out, s.HintTexture, "hint texture name", error);
    ok = ok && PutString(out, s.SkipTexture, "skip texture name", error);
    ok = ok && PutString(out, s.SkyTexture, "sky texture name", error);
    PutF32(out, s.TopScaleX);
    PutF32(out, s.TopScaleY);
    PutF32(out, s.SideScaleX);
    PutF32(out, s.SideScaleY);
    for (const std::string* t :
         {&s.SkyUP, &s.SkyDN, &s.SkyFT, &s.SkyBK, &s.SkyRT, &s.SkyLF, &s.GroundTexture})
        ok = ok && PutString(out, *t, "editor texture path", error);
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

// The square records the grid builder makes for w + 1 points per row; a
// document must hold exactly these.
TerrainSquare ExpectedSquare(int n, int w, int rows) {
    const int c = (n - 1) % w + 1;        // column 1..w
    const int r = (n - 1) / w + 1;        // row 1..rows-1
    const int p = (r - 1) * (w + 1) + c;  // low-x, low-z corner point
    const bool first = r == 1, last = r == rows - 1, left = c == 1, right = c == w;
    TerrainSquare q;
    q.SqNext = last ? 0 : n + w;
    q.SqPrev = first ? 0 : n - w;
    q.SqLeft = left ? 0 : n - 1;
    q.SqRight = right ? 0 : n + 1;
    q.SqNextLeft = (last || left) ? 0 : n + w - 1;
    q.SqNextRight = (last || right) ? 0 : n + w + 1;
    q.SqPrevLeft = (first || left) ? 0 : n - w - 1;
    q.SqPrevRight = (first || right) ? 0 : n - w + 1;
    q.CornerNextLeft = p + w + 1;
    q.CornerNextRight = p + w + 2;
    q.CornerLeft = p;
    q.CornerRight = p + 1;
    return q;
}

bool SameSquare(const TerrainSquare& a, const TerrainSquare& b) {
    return a.SqNext == b.SqNext && a.SqPrev == b.SqPrev && a.SqLeft == b.SqLeft && a.SqRight == b.SqRight &&
           a.SqNextLeft == b.SqNextLeft && a.SqNextRight == b.SqNextRight && a.SqPrevLeft == b.SqPrevLeft &&
           a.SqPrevRight == b.SqPrevRight && a.CornerNextLeft == b.CornerNextLeft &&
           a.CornerNextRight == b.CornerNextRight && a.CornerLeft == b.CornerLeft &&
           a.CornerRight == b.CornerRight;
}

DocumentLoad Damaged(const std::string& name, const std::string& why) {
    DocumentLoad r;
    r.Error = DocumentError::Damaged;
    r.Message = "The file \"" + name + "\" is damaged and was not opened: " + why + ".";
    return r;
}

// Any finite coordinate and height can be shown, edited and exported; the
// grid's shape is fixed by the square records, not by the coordinates.
std::string CheckPointValues(const DocumentData& d) {
    const auto& pts = d.Points;
    for (size_t i = 1; i < pts.size(); ++i) {
        const TerrainPoint& p = pts[i];
        if (!std::isfinite(p.X) || !std::isfinite(p.Z) || !std::isfinite(p.Height))
            return "point " + std::to_string(i) + " has a coordinate or height that is not a number";
    }
    return {};
}

}  // namespace

int DocumentData::Rows() const {
    return PointsPerRow > 0 ? static_cast<int>(PointCount / PointsPerRow) : 0;
}

std::string DocumentCaption(const std::string& title) {
    return title + " - Varnholm";
}

void EditDocumentSettings(EditorState& s, const std::function<void(EditorState&)>& edit) {
    std::string before, after;
    const bool hadBefore = EncodeHeader(s, before, nullptr);
    edit(s);
    // A header that cannot be encoded compares as a change.
    if (!hadBefore || !EncodeHeader(s, after, nullptr) || before != after) MarkDocumentChanged(s);
}

bool EncodeDocument(const EditorState& s, std::string* bytes, std::string* error) {
    const int np = s.PointTotal(), ns = s.SquareTotal();
    if (np <= 0 || ns <= 0 || static_cast<int>(s.Points.size()) != np + 1 ||
        static_cast<int>(s.Squares.size()) != ns + 1) {
        if (error) *error = "There is no complete terrain to save.";
        return false;
    }
    std::string out;
    out.reserve(2048 + static_cast<size_t>(np) * kPointRecordBytes +
                static_cast<size_t>(ns) * kSquareRecordBytes);
    if (!EncodeHeader(s, out, error)) return false;
    for (int i = 1; i <= np; ++i) {
        const TerrainPoint& p = s.Points[i];
        PutF32(out, p.X);
        PutF32(out, p.Height);
        PutF32(out, p.Z);
        PutI16(out, p.Locked);
    }
    for (int i = 1; i <= ns; ++i) {
        const TerrainSquare& q = s.Squares[i];
        for (float v : {q.SqNext, q.SqPrev, q.SqLeft, q.SqRight, q.SqNextLeft, q.SqNextRight, q.SqPrevLeft,
                        q.SqPrevRight, q.CornerNextLeft, q.CornerNextRight, q.CornerLeft, q.CornerRight})
            PutF32(out, v);
    }
    *bytes = std::move(out);
    return true;
}

DocumentLoad DecodeDocument(std::string_view bytes, const std::string& name) {
    Reader in(bytes);
    // An empty or cut-off version reads as a different version.
    if (in.String() != kDocumentVersion || in.Failed()) {
        DocumentLoad r;
        r.Error = DocumentError::Version;
        r.Message = kUnsupportedVersionText;
        return r;
    }
    DocumentLoad r;
    DocumentData& d = r.Data;
    d.PointCount = in.F32();
    d.SquareCount = in.F32();
    d.PointsPerRow = in.F32();
    d.LastExportPath = in.String();
    d.ExportType = in.String();
    d.ExportPosition = in.I16();
    d.AddHint = in.I16();
    d.AddSky = in.I16();
    d.TopTexture = in.String();
    d.SideTexture = in.String();
    d.HintTexture = in.String();
    d.SkipTexture = in.String();
    d.SkyTexture = in.String();
    d.TopScaleX = in.F32();
    d.TopScaleY = in.F32();
    d.SideScaleX = in.F32();
    d.SideScaleY = in.F32();
    for (std::string* t : {&d.SkyUP, &d.SkyDN, &d.SkyFT, &d.SkyBK, &d.SkyRT, &d.SkyLF, &d.GroundTexture})
        *t = in.String();
    if (in.Failed()) return Damaged(name, "its header is cut short");

    if (!IsWholeCount(d.PointCount) || !IsWholeCount(d.SquareCount) || !IsWholeCount(d.PointsPerRow))
        return Damaged(name, "its point and square counts are impossible");
    const int np = static_cast<int>(d.PointCount), ns = static_cast<int>(d.SquareCount);
    const int w = static_cast<int>(d.PointsPerRow);
    if (w < 2 || np % w != 0 || np / w < 2 || ns != (w - 1) * (np / w - 1))
        return Damaged(name, "its point and square counts do not describe a grid");
    for (float v : {d.TopScaleX, d.TopScaleY, d.SideScaleX, d.SideScaleY})
        if (!std::isfinite(v)) return Damaged(name, "a texture scale is not a number");

    const size_t need =
        static_cast<size_t>(np) * kPointRecordBytes + static_cast<size_t>(ns) * kSquareRecordBytes;
    if (in.Remaining() < need) return Damaged(name, "it is shorter than its counts say");

    d.Points.assign(static_cast<size_t>(np) + 1, TerrainPoint{});
    for (int i = 1; i <= np; ++i) {
        TerrainPoint& p = d.Points[i];
        p.X = in.F32();
        p.Height = in.F32();
        p.Z = in.F32();
        p.Locked = in.I16() != 0 ? kTrue : kFalse;
    }
    d.Squares.assign(static_cast<size_t>(ns) + 1, TerrainSquare{});
    for (int i = 1; i <= ns; ++i) {
        TerrainSquare& q = d.Squares[i];
        for (float* v :
             {&q.SqNext, &q.SqPrev, &q.SqLeft, &q.SqRight, &q.SqNextLeft, &q.SqNextRight, &q.SqPrevLeft,
              &q.SqPrevRight, &q.CornerNextLeft, &q.CornerNextRight, &q.CornerLeft, &q.CornerRight})
            *v = in.F32();
    }
    if (in.Failed()) return Damaged(name, "it is shorter than its counts say");

    if (std::string why = CheckPointValues(d); !why.empty()) return Damaged(name, why);
    const int rows = np / w;
    for (int i = 1; i <= ns; ++i)
        if (!SameSquare(d.Squares[i], ExpectedSquare(i, w - 1, rows)))
            return Damaged(name, "square " + std::to_string(i) + " does not match its place in the grid");
    return r;
}

DocumentLoad LoadDocumentFile(const std::string& path) {
    auto unreadable = [&](const std::string& why) {
        DocumentLoad r;
        r.Error = DocumentError::Unreadable;
        r.Message = "The file \"" + path + "\" could not be opened: " + why + ".";
        return r;
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
    s.PointCount = d.PointCount;
    s.SquareCount = d.SquareCount;
    s.PointsPerRow = d.PointsPerRow;
    SizeTerrainArrays(s);
    s.Points = d.Points;
    s.Squares = d.Squares;
    s.LastExportPath = d.LastExportPath;
    s.ExportType = d.ExportType;
    s.ExportPosition = d.ExportPosition;
    s.AddHint = d.AddHint;
    s.AddSky = d.AddSky;
    s.TopTexture = d.TopTexture;
    s.SideTexture = d.SideTexture;
    s.HintTexture = d.HintTexture;
    s.SkipTexture = d.SkipTexture;
    s.SkyTexture = d.SkyTexture;
    s.TopScaleX = d.TopScaleX;
    s.TopScaleY = d.TopScaleY;
    s.SideScaleX = d.SideScaleX;
    s.SideScaleY = d.SideScaleY;
    s.SkyUP = d.SkyUP;
    s.SkyDN = d.SkyDN;
    s.SkyFT = d.SkyFT;
    s.SkyBK = d.SkyBK;
    s.SkyRT = d.SkyRT;
    s.SkyLF = d.SkyLF;
    s.GroundTexture = d.GroundTexture;
}

bool LoadDocumentInto(EditorState& s, const std::string& path, std::string* error) {
    DocumentLoad r = LoadDocumentFile(path);
    if (!r.Ok()) {
        if (error) *error = r.Error == DocumentError::Version ? "\"" + path + "\": " + r.Message : r.Message;
        return false;
    }
    ApplyDocument(s, r.Data);
    s.UndoLevels = 0;
    s.DocPath = path;
    s.DocTitle = FileTitleOf(path);
    s.TerrainExists = kTrue;
    s.DocClean = kTrue;
    return true;
}

bool WriteDocument(EditorState& s, const std::string& path, std::string* error) {
    std::string bytes;
    if (!EncodeDocument(s, &bytes, error)) return false;
    // Never write a file that could not be opened again (a NaN height, say).
    if (DocumentLoad check = DecodeDocument(bytes, path); !check.Ok()) {
        if (error)
            *error = "The map was not saved, because the terrain holds values a map document cannot keep.";
        return false;
    }
    if (!WriteFileAtomically(path, bytes, error)) return false;
    LogLine(s, "VHM SAVE : Saving File " + path);
    s.Commands.cmdSave.Enabled = true;
    s.DocClean = kTrue;
    AddRecent(s, path);
    return true;
}

bool ReadDocument(EditorState& s, const std::string& path, const std::string& title, Prompts& prompts) {
    DocumentLoad r = LoadDocumentFile(path);
    if (r.Error == DocumentError::Version) {
        prompts.Message(kUnsupportedVersionText, "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
        LogLine(s, "VHM LOAD : Unsuported Format " + path);
        s.Caption = "Varnholm";
        s.DocClean = kTrue;
        return false;
    }
    if (!r.Ok()) {
        prompts.Message(r.Message, "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
    s.DocPath = path;
    s.DocTitle = title;
    s.Caption = DocumentCaption(title);
    s.DocClean = kTrue;
    ResetEditor(s);
    ApplyDocument(s, r.Data);
    // The document knows where it was exported: "Export .MAP Again" can go there.
    if (!s.LastExportPath.empty()) s.Commands.cmdExportAgain.Enabled = true;
    LogLine(s, "VHM LOAD : Loading File " + s.DocPath);
    // The view builds its scene, textures, sky box and meshes here.
    if (s.OnTerrainReplaced) s.OnTerrainReplaced();
    s.DocClean = kTrue;
    AddRecent(s, s.DocPath);
    s.LoopRunning = kTrue;
    return true;
}

}  // namespace vh
