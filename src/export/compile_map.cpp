#include "export/compile_map.h"

#include "export/map_faces.h"
#include "export/number_text.h"

namespace vh {

namespace {

class TextSink : public BrushSink {
public:
    TextSink(const TerrainExport& t, SaveFile& file, Progress& progress) : file_(file), progress_(progress) {
        const BrushTextures& x = t.Textures;
        suffix_[static_cast<int>(FaceTexture::Top)] = FaceSuffix(x.TopTexture, x.TopScaleX, x.TopScaleY);
        suffix_[static_cast<int>(FaceTexture::Side)] = FaceSuffix(x.SideTexture, x.SideScaleX, x.SideScaleY);
        suffix_[static_cast<int>(FaceTexture::Hint)] = FaceSuffix(x.HintTexture, 1, 1);
        suffix_[static_cast<int>(FaceTexture::Skip)] = FaceSuffix(x.SkipTexture, 1, 1);
        suffix_[static_cast<int>(FaceTexture::Sky)] = FaceSuffix(x.SkyTexture, 1, 1);
    }

    void BeginBrush() override { out_ += "    {\r\n"; }
    void EndBrush() override {
        out_ += "    }\r\n";
        if (++brushes_ % 256 == 0) progress_.Value(static_cast<int>(brushes_));
        if (out_.size() >= (1u << 20)) Flush();
    }
    void Face(const FacePoints& face, FaceTexture texture) override {
        out_ += "        ( ";
        for (int k = 0; k < 3; ++k) {
            if (k > 0) out_ += " ) ( ";
            for (int j = 0; j < 3; ++j) {
                if (j > 0) out_ += ' ';
                AppendNumberText(out_, face.P[k][j]);
            }
        }
        out_ += " ) ";
        out_ += suffix_[static_cast<int>(texture)];
    }

    void Line(const std::string& text) { out_.append(text).append("\r\n"); }
    void Key(const std::string& key, const std::string& value) {
        Line("    \"" + key + "\" \"" + value + "\"");
    }
    void Flush() {
        file_.Write(out_);
        out_.clear();
    }
    size_t Brushes() const { return brushes_; }

private:
    SaveFile& file_;
    Progress& progress_;
    std::string out_, suffix_[5];
    size_t brushes_ = 0;
};

std::string Numbers(std::initializer_list<float> values) {
    std::string t;
    for (float v : values) {
        if (!t.empty()) t += ' ';
        AppendNumberText(t, v);
    }
    return t;
}

}  // namespace

size_t WriteCompileMap(const TerrainExport& t, const MapPlan& plan, const CompileOptions& o, SaveFile& file,
                       Progress& progress) {
    TextSink w(t, file, progress);
    progress.Maximum(static_cast<int>(plan.Brushes.Size() + plan.Hints.size() + 8));
    progress.Value(0);
    w.Line("{");
    w.Key("classname", "worldspawn");
    if (!o.Wad.empty()) w.Key("wad", o.Wad);
    if (o.Light) {
        w.Key("light", Numbers({o.LightLevel}));
        w.Key("_sunlight", Numbers({o.Sunlight}));
        w.Key("_sun_mangle", Numbers({o.SunYaw, o.SunPitch, 0}));
    }
    if (!o.Detail) EmitTerrainBrushes(t, plan, w);
    if (!plan.Hints.empty()) {
        progress.Status("Exporting Hint Brushes...");
        EmitHintBrushes(plan, w);
    }
    EmitBoxBrushes(plan, w);
    w.Line("}");
    if (o.Detail && plan.Brushes.Size() > 0) {
        w.Line("{");
        w.Key("classname", "func_detail");
        EmitTerrainBrushes(t, plan, w);
        w.Line("}");
    }
    if (plan.Spawn.Found) {
        w.Line("{");
        w.Key("classname", "info_player_start");
        w.Key("origin", Numbers({plan.Spawn.X, plan.Spawn.Y, plan.Spawn.Z}));
        w.Line("}");
    }
    w.Flush();
    return w.Brushes();
}

}  // namespace vh
