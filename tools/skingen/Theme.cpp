#include "tools/skingen/Theme.h"

#include <map>
#include <set>
#include <sstream>

#include "framework/core/Exception.h"
#include "tools/skingen/Colour.h"

namespace tw::skingen {

namespace {

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// The design's keys with their line numbers; lookups mark keys as used.
class TDesign {
public:
    explicit TDesign(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            line = Trim(line);
            if (line.empty() || line[0] == '#') continue;
            const auto eq = line.find('=');
            if (eq == std::string::npos)
                throw tw::Exception("Design line " + std::to_string(number) + ": \"key = value\" expected");
            const std::string key = Trim(line.substr(0, eq));
            if (values_.count(key))
                throw tw::Exception("Design line " + std::to_string(number) + ": " + key + " given twice");
            values_[key] = {Trim(line.substr(eq + 1)), number};
        }
    }

    Rgb Colour(const std::string& key, Rgb fallback) {
        const auto* v = Find(key);
        if (!v) return fallback;
        try {
            return ParseHexColour(v->first);
        } catch (const tw::Exception& e) {
            throw tw::Exception(Where(key) + e.Message());
        }
    }

    int Number(const std::string& key, int fallback, int lo, int hi) {
        const auto* v = Find(key);
        if (!v) return fallback;
        size_t used = 0;
        int n = 0;
        try {
            n = std::stoi(v->first, &used);
        } catch (...) {
            used = 0;
        }
        if (used == 0 || used != v->first.size())
            throw tw::Exception(Where(key) + "not a number: \"" + v->first + "\"");
        if (n < lo || n > hi)
            throw tw::Exception(Where(key) + key + " must lie in " + std::to_string(lo) + ".." + std::to_string(hi));
        return n;
    }

    bool Switch(const std::string& key, bool fallback) {
        const auto* v = Find(key);
        if (!v) return fallback;
        if (v->first == "yes") return true;
        if (v->first == "no") return false;
        throw tw::Exception(Where(key) + "yes or no expected, not \"" + v->first + "\"");
    }

    std::string Text(const std::string& key, const std::string& fallback) {
        const auto* v = Find(key);
        return v ? v->first : fallback;
    }

    std::string Where(const std::string& key) const {
        return "Design line " + std::to_string(values_.at(key).second) + ": ";
    }

    void RejectUnused() const {
        for (const auto& [key, v] : values_)
            if (!used_.count(key))
                throw tw::Exception("Design line " + std::to_string(v.second) + ": unknown key " + key);
    }

private:
    const std::pair<std::string, int>* Find(const std::string& key) {
        used_.insert(key);
        const auto it = values_.find(key);
        return it == values_.end() ? nullptr : &it->second;
    }

    std::map<std::string, std::pair<std::string, int>> values_;
    std::set<std::string> used_;
};

}  // namespace

TTheme LoadTheme(const std::string& text) {
    TDesign d(text);
    TTheme t;
    t.Name = d.Text("Name", "");
    if (t.Name.empty()) throw tw::Exception("Design has no Name");

    t.Face = d.Colour("Face", {236, 233, 225});
    t.Text = d.Colour("Text", {20, 20, 20});
    t.Accent = d.Colour("Accent", {40, 90, 160});
    t.AccentText = d.Colour("AccentText", kWhite);
    t.Light = d.Colour("Light", Lighten(t.Face, 0.7));
    t.Shadow = d.Colour("Shadow", Darken(t.Face, 0.45));
    t.DkShadow = d.Colour("DkShadow", Darken(t.Face, 0.75));
    t.Field = d.Colour("Field", kWhite);
    t.FieldBorder = d.Colour("FieldBorder", Darken(t.Face, 0.35));
    t.FieldBorderHot = d.Colour("FieldBorderHot", t.Accent);

    t.TitleTop = d.Colour("TitleTop", Lighten(t.Accent, 0.25));
    t.TitleBottom = d.Colour("TitleBottom", t.Accent);
    t.TitleInactiveTop = d.Colour("TitleInactiveTop", Desaturate(Lighten(t.TitleTop, 0.35), 0.7));
    t.TitleInactiveBottom = d.Colour("TitleInactiveBottom", Desaturate(Lighten(t.TitleBottom, 0.35), 0.7));
    t.FrameEdge = d.Colour("FrameEdge", t.TitleBottom);
    t.FrameEdgeInactive = d.Colour("FrameEdgeInactive", t.TitleInactiveBottom);
    t.FrameOutline = d.Colour("FrameOutline", Darken(t.FrameEdge, 0.4));
    t.FrameOutlineInactive = d.Colour("FrameOutlineInactive", Darken(t.FrameEdgeInactive, 0.3));
    t.FrameInner = d.Colour("FrameInner", Darken(t.FrameEdge, 0.25));
    t.FrameInnerInactive = d.Colour("FrameInnerInactive", Mix(t.FrameInner, t.FrameEdgeInactive, 0.65));
    t.TitleText = d.Colour("TitleText", kWhite);
    t.TitleTextInactive = d.Colour("TitleTextInactive", Darken(t.TitleInactiveBottom, 0.65));

    t.CapFace = d.Colour("CapFace", Lighten(t.TitleBottom, 0.15));
    t.CapFaceHot = d.Colour("CapFaceHot", Lighten(t.CapFace, 0.3));
    t.CapFacePressed = d.Colour("CapFacePressed", Darken(t.CapFace, 0.25));
    t.CapOutline = d.Colour("CapOutline", Darken(t.TitleBottom, 0.35));
    t.CapGlyph = d.Colour("CapGlyph", t.TitleText);
    t.CapGlyphInactive = d.Colour("CapGlyphInactive", t.TitleTextInactive);
    t.CloseFace = d.Colour("CloseFace", t.CapFace);
    t.CloseHot = d.Colour("CloseHot", {208, 64, 52});
    t.ClosePressed = d.Colour("ClosePressed", Darken(t.CloseHot, 0.25));
    t.CloseGlyph = d.Colour("CloseGlyph", t.CapGlyph);

    t.ButtonTop = d.Colour("ButtonTop", Lighten(t.Face, 0.6));
    t.ButtonBottom = d.Colour("ButtonBottom", Darken(t.Face, 0.06));
    t.ButtonHotTop = d.Colour("ButtonHotTop", Lighten(Mix(t.ButtonTop, t.Accent, 0.12), 0.3));
    t.ButtonHotBottom = d.Colour("ButtonHotBottom", Mix(t.ButtonBottom, t.Accent, 0.12));
    t.ButtonPressedTop = d.Colour("ButtonPressedTop", Darken(t.ButtonBottom, 0.08));
    t.ButtonPressedBottom = d.Colour("ButtonPressedBottom", t.ButtonTop);
    t.ButtonDisabledTop = d.Colour("ButtonDisabledTop", Mix(t.Face, kWhite, 0.3));
    t.ButtonDisabledBottom = d.Colour("ButtonDisabledBottom", t.Face);
    t.ButtonBorder = d.Colour("ButtonBorder", Darken(t.Face, 0.45));
    t.ButtonHotBorder = d.Colour("ButtonHotBorder", t.Accent);
    t.Focus = d.Colour("Focus", Mix(t.Accent, kWhite, 0.35));
    t.ButtonText = d.Colour("ButtonText", t.Text);
    t.ButtonHotText = d.Colour("ButtonHotText", t.ButtonText);
    t.ButtonPressedText = d.Colour("ButtonPressedText", t.ButtonText);
    t.Mark = d.Colour("Mark", t.Accent);

    t.ScrollTrack = d.Colour("ScrollTrack", Mix(t.Face, kWhite, 0.35));
    t.ThumbTop = d.Colour("ThumbTop", t.ButtonTop);
    t.ThumbBottom = d.Colour("ThumbBottom", t.ButtonBottom);
    t.ThumbBorder = d.Colour("ThumbBorder", t.ButtonBorder);
    t.Glyph = d.Colour("Glyph", Darken(t.Face, 0.7));
    t.ProgressTrough = d.Colour("ProgressTrough", Mix(t.Face, kWhite, 0.5));
    t.ProgressTop = d.Colour("ProgressTop", Lighten(t.Accent, 0.35));
    t.ProgressBottom = d.Colour("ProgressBottom", t.Accent);
    t.TrackGroove = d.Colour("TrackGroove", Darken(t.Face, 0.3));

    t.TabTop = d.Colour("TabTop", Mix(t.Face, kWhite, 0.2));
    t.TabBottom = d.Colour("TabBottom", Darken(t.Face, 0.05));
    t.TabSelTop = d.Colour("TabSelTop", Mix(t.Face, kWhite, 0.7));
    t.TabSelBottom = d.Colour("TabSelBottom", t.Face);
    t.TabText = d.Colour("TabText", t.Text);
    t.TabSelText = d.Colour("TabSelText", t.Text);
    t.HeaderTop = d.Colour("HeaderTop", Mix(t.Face, kWhite, 0.6));
    t.HeaderBottom = d.Colour("HeaderBottom", t.Face);
    t.HeaderHotTop = d.Colour("HeaderHotTop", Mix(t.HeaderTop, t.Accent, 0.1));
    t.HeaderHotBottom = d.Colour("HeaderHotBottom", Mix(t.HeaderBottom, t.Accent, 0.15));
    t.HeaderText = d.Colour("HeaderText", t.Text);
    t.StatusTop = d.Colour("StatusTop", t.Face);
    t.StatusBottom = d.Colour("StatusBottom", Darken(t.Face, 0.05));
    t.StatusText = d.Colour("StatusText", t.Text);

    t.Menu = d.Colour("Menu", Mix(t.Face, kWhite, 0.6));
    t.MenuText = d.Colour("MenuText", t.Text);
    t.MenuGutter = d.Colour("MenuGutter", t.Face);
    t.MenuBorder = d.Colour("MenuBorder", t.Shadow);
    t.MenuBar = d.Colour("MenuBar", t.Face);
    t.MenuBarText = d.Colour("MenuBarText", t.Text);
    t.MenuSelTop = d.Colour("MenuSelTop", Lighten(t.Accent, 0.1));
    t.MenuSelBottom = d.Colour("MenuSelBottom", t.Accent);
    t.MenuSelText = d.Colour("MenuSelText", t.AccentText);

    t.SideWidth = d.Number("SideWidth", 5, 1, 16);
    t.BottomHeight = d.Number("BottomHeight", t.SideWidth, 1, 16);
    t.TitleHeight = d.Number("TitleHeight", 26, 16, 48);
    t.TopRadius = d.Number("TopRadius", 0, 0, 16);
    t.BottomRadius = d.Number("BottomRadius", 0, 0, 16);
    t.ButtonRadius = d.Number("ButtonRadius", 3, 0, 8);
    t.FontHeight = d.Number("FontHeight", 12, 8, 24);
    t.Shaped = d.Switch("Shaped", t.TopRadius > 0 || t.BottomRadius > 0);
    t.Gloss = d.Switch("Gloss", false);
    t.Flat = d.Switch("Flat", false);
    t.Bevel = d.Switch("Bevel", false);
    t.Grain = d.Switch("Grain", false);
    t.CaptionFrames = d.Number("CaptionFrames", 3, 3, 6);
    if (t.CaptionFrames != 3 && t.CaptionFrames != 6)
        throw tw::Exception(d.Where("CaptionFrames") + "CaptionFrames must be 3 or 6");
    t.CaptionWidth = d.Number("CaptionWidth", 21, 12, 48);
    t.CaptionHeight = d.Number("CaptionHeight", 19, 10, t.TitleHeight);
    t.CaptionGap = d.Number("CaptionGap", 2, 0, 10);
    t.CaptionShape = d.Text("CaptionShape", "round");
    if (t.CaptionShape != "square" && t.CaptionShape != "round" && t.CaptionShape != "circle" &&
        t.CaptionShape != "flat")
        throw tw::Exception(d.Where("CaptionShape") + "CaptionShape must be square, round, circle or flat");
    t.CheckFrames = d.Number("CheckFrames", 4, 4, 12);
    if (t.CheckFrames != 4 && t.CheckFrames != 12)
        throw tw::Exception(d.Where("CheckFrames") + "CheckFrames must be 4 or 12");
    t.RadioFrames = d.Number("RadioFrames", 4, 4, 8);
    if (t.RadioFrames != 4 && t.RadioFrames != 8)
        throw tw::Exception(d.Where("RadioFrames") + "RadioFrames must be 4 or 8");
    t.ProgressStyle = d.Number("ProgressStyle", 0, 0, 1);
    t.TabsStyle = d.Number("TabsStyle", 0, 0, 1);
    t.TrackImages = d.Switch("TrackImages", true);
    if (t.Shaped && t.TopRadius == 0 && t.BottomRadius == 0)
        throw tw::Exception(d.Where("Shaped") + "a shaped frame needs TopRadius or BottomRadius");
    d.RejectUnused();
    return t;
}

}  // namespace tw::skingen
