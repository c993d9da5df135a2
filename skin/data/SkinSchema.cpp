#include "skin/data/SkinSchema.h"

#include <algorithm>

#include "framework/core/StringList.h"
#include "skin/data/BitmapRoutines.h"
#include "skin/data/BmpCodec.h"
#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/SkinColour.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace tw {

namespace {

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// Frame counts a skin keeps from its own values; 0 (or less) would divide by zero later.
int AtLeastOne(int frames) { return frames < 1 ? 1 : frames; }

}  // namespace

std::string SkinImageMemberName(const std::string& value) {
    const size_t cut = value.find_last_of("\\/:");
    const std::string name = cut == std::string::npos ? value : value.substr(cut + 1);
    const size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string::npos || name.compare(dot, std::string::npos, ".bmp") != 0) return {};
    return name;
}

void LoadSkinImage(TBitmap& bitmap, const std::string& value, const TSkinReader& reader) {
    bitmap.Clear();
    const std::string member = SkinImageMemberName(value);
    if (member.empty()) return;
    TMemoryStream bytes;
    reader.ExtractMember(member, bytes);
    if (bytes.Size() == 0) return;
    LoadBmp(bytes.Memory(), bytes.Size(), bitmap);
}

int TSkinSchemaReader::Int(const std::string& section, const std::string& key, int def) const {
    return ini_.ReadInteger(section, key, def);
}

std::string TSkinSchemaReader::Str(const std::string& section, const std::string& key) const {
    return ini_.ReadString(section, key, "");
}

TColor TSkinSchemaReader::Colour(const std::string& section, const std::string& key, TColor def) const {
    return ParseColour(Str(section, key), def);
}

void TSkinSchemaReader::Image(TBitmap& bitmap, const std::string& value) const {
    LoadSkinImage(bitmap, value, reader_);
}

void TSkinSchemaReader::Run() {
    data_.FSkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
    ReadBorders();
    ReadColours();
    ReadCaptionButtons();
    ReadMdiButtons();
    ReadButtons();
    ReadTitle();
    ReadSectionObjects();
    FixFrameCounts();
}

void TSkinSchemaReader::ReadBorders() {
    const char* names[4] = {"Left", "Right", "Top", "Bottom"};
    TDataSkinBorder* borders[4] = {data_.Left.get(), data_.Right.get(), data_.Top.get(), data_.Bottom.get()};
    for (int i = 0; i < 4; ++i) {
        const std::string b = names[i];
        TDataSkinBorder& o = *borders[i];
        o.Name = b;
        Image(o.Image, Str("Personality", b));
        o.SecondImage.Clear();
        const int first = Int("Personality", b + "TopHeight", 0), second = Int("Personality", b + "BotHeight", 0);
        const bool sideways = i < 2;
        o.LeftWidth = sideways ? 0 : first;
        o.RightWidth = sideways ? 0 : second;
        o.TopHeight = sideways ? first : 0;
        o.BottomHeight = sideways ? second : 0;
        o.FrameCount = AtLeastOne(Int("Personality", b + "Frame", 1));
        o.Tile = std::min(Int("Personality", b + "Stretch", 1), 1);
        o.Trans = Int("Personality", b + "Trans", 1);
        o.Style = 0;
        o.NormalColour = o.MouseOverColour = o.PressedColour = -1;
        o.NormalColour2 = o.MouseOverColour2 = o.PressedColour2 = 0;
    }
}

void TSkinSchemaReader::ReadColours() {
    TSkinColours& c = data_.Colours;
    const std::string s = "Colours";
    c.WindowText = Colour(s, "WindowText", SystemColorValue(COLOR_INDEX_WINDOWTEXT));
    c.ButtonFace = Colour(s, "ButtonFace", SystemColorValue(COLOR_INDEX_BTNFACE));
    c.Scrollbar = Colour(s, "Scrollbar", SystemColorValue(COLOR_INDEX_SCROLLBAR));
    c.HilightText = Colour(s, "HilightText", SystemColorValue(COLOR_INDEX_HIGHLIGHTTEXT));
    c.Hilight = Colour(s, "Hilight", SystemColorValue(COLOR_INDEX_HIGHLIGHT));
    c.Menubar = Colour(s, "Menubar", c.ButtonFace);
    c.Menu = Colour(s, "Menu", SystemColorValue(COLOR_INDEX_MENU));
    c.MenuText = Colour(s, "MenuText", SystemColorValue(COLOR_INDEX_MENUTEXT));
    c.ButtonText = Colour(s, "ButtonText", SystemColorValue(COLOR_INDEX_BTNTEXT));
    c.ButtonHilight = Colour(s, "ButtonHilight", SystemColorValue(COLOR_INDEX_BTNHIGHLIGHT));
    c.Buttonlight = Colour(s, "Buttonlight", SystemColorValue(COLOR_INDEX_BTNHIGHLIGHT));
    c.ButtonShadow = Colour(s, "ButtonShadow", SystemColorValue(COLOR_INDEX_BTNSHADOW));
    c.ButtonDkShadow = Colour(s, "ButtonDkShadow", SystemColorValue(COLOR_INDEX_3DDKSHADOW));
    c.MenuBarText = Colour(s, "MenuBarText", SystemColorValue(COLOR_INDEX_MENUTEXT));
    c.TitleTextActive = Colour(s, "TitleTextActive", SystemColorValue(COLOR_INDEX_CAPTIONTEXT));
    c.TitleTextNoActive = Colour(s, "TitleTextNoActive", SystemColorValue(COLOR_INDEX_INACTIVECAPTIONTEXT));

    TStringList sections;
    ini_.ReadSections(sections);
    data_.FExtraColours.clear();
    for (const std::string& name : sections.Items()) {
        const std::string upper = UpperCase(name);
        if (StartsWith(upper, "COLOUR") && upper != "COLOURS")
            data_.FExtraColours.push_back(Colour(name, "color", SystemColorValue(COLOR_INDEX_WINDOWTEXT)));
    }
    for (int i = 0; i < 10; ++i)
        data_.FCustomColors[static_cast<size_t>(i)] = Colour("Customcolors", "Color" + std::to_string(i), kColorWhite);
}

void TSkinSchemaReader::ReadCaptionButtons() {
    data_.SysButtons.clear();
    TStringList sections;
    ini_.ReadSections(sections);
    for (const std::string& name : sections.Items()) {
        const std::string upper = UpperCase(name);
        if (!StartsWith(upper, "BUTTON") || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
            upper == "BUTTON.CHECKBOX")
            continue;
        const int action = Int(name, "Action", 0);
        if (action == -1 && Int(name, "Visibility", -1) != 0) continue;
        auto b = std::make_unique<TDataSkinSysButton>(upper);
        Image(b->Image, Str(name, "ButtonImage"));
        b->Action = action;
        b->Align = Int(name, "Align", 0);
        b->Xcoord = Int(name, "Xcoord", 0);
        b->Ycoord = Int(name, "Ycoord", 0);
        b->Visibility = Int(name, "Visibility", 0);
        b->Visibility1 = Int(name, "Visibility1", action == -1 ? -1 : 0);
        b->CombineOp = Int(name, "CombineOp", -1);
        b->FrameCount = Int(name, "frame", 0);
        if (b->FrameCount < 0) b->FrameCount = 1;  // painters divide by it
        if (b->FrameCount == 0) {
            b->FrameCount = 6;
            if (!b->Image.Empty()) {
                const double ratio = static_cast<double>(b->Image.Width()) / b->Image.Height();
                b->FrameCount = ratio <= 3.8 ? 3 : 6;
                if (b->Action < 0) b->FrameCount = 6;
            }
            if (b->Action == 3 || b->Action == 11) b->Image.Clear();
        }
        data_.SysButtons.push_back(std::move(b));
    }
}

void TSkinSchemaReader::ReadMdiButtons() {
    TBitmap strip;
    Image(strip, Str("MDICONTROLS", "Image"));
    const int w = strip.Width() / 12;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
        b->Action = 7 + i;
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->FrameCount = 4;
        if (!strip.Empty()) {
            b->Xcoord = (w + 4) * (3 - i);
            if (w > 0 && b->Image.SetSize(4 * w, strip.Height()))
                for (int y = 0; y < strip.Height(); ++y)
                    for (int x = 0; x < 4 * w; ++x) b->Image.SetPixel(x, y, strip.Pixel(4 * w * i + x, y));
        }
        data_.SysButtons.push_back(std::move(b));
    }
}

void TSkinSchemaReader::ReadButtons() {
    TDataSkinButton& b = *data_.Buttons;
    const std::string s = "Buttons";
    b.Name = s;
    Image(b.Image, Str(s, "Bitmap"));
    Image(b.CheckImage, Str(s, "CheckButton"));
    Image(b.RadioImage, Str(s, "RadioButton"));
    b.LeftWidth = Int(s, "LeftWidth", 0);
    b.RightWidth = Int(s, "RightWidth", 0);
    b.TopHeight = Int(s, "TopHeight", 0);
    b.BottomHeight = Int(s, "BottomHeight", 0);
    b.Trans = Int(s, "Trans", 0);
    const int tile = Int(s, "Tile", 0);
    b.Tile = tile > 1 ? 0 : tile;
    b.Style = 0;
    b.NormalColour = Int(s, "NormalColour", -1);
    b.MouseOverColour = Int(s, "MouseOverColour", -1);
    b.PressedColour = Int(s, "PressedColour", -1);
    b.RadioButtonFrame = Int(s, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int(s, "CheckButtonFrame", 0);
    const TColor text = data_.Colours.ButtonText;
    b.HasNormalColour2 = !Str(s, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Str(s, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Str(s, "PressedColour2").empty();
    b.NormalColour2 = Colour(s, "NormalColour2", text);
    b.MouseOverColour2 = Colour(s, "MouseOverColour2", text);
    b.PressedColour2 = Colour(s, "PressedColour2", text);
}

void TSkinSchemaReader::ReadTitle() {
    TDataSkinTitle& t = *data_.Title;
    const std::string s = "Personality";
    t.Name = "Title";
    Image(t.Image, Str(s, "TextBack"));
    t.LeftWidth = Int(s, "TextShift", 0);
    t.TopHeight = Int(s, "TextShiftVert", 0);
    t.RightWidth = Int(s, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = Int(s, "TextAlignment", 0);
    t.Textbackground = Int(s, "Textbackground", 0);
    t.TXTBackleft = Int(s, "TXTBackleft", 0);
    t.TXTBackRight = Int(s, "TXTBackRight", 0);
    auto rgb = [&](const std::string& prefix) {
        const int r = Int(s, prefix + "R", -1), g = Int(s, prefix + "G", -1), b = Int(s, prefix + "B", -1);
        return r >= 0 && g >= 0 && b >= 0 ? RGBColor(r % 256, g % 256, b % 256) : kTitleColourNotGiven;
    };
    t.ActiveText = rgb("ActiveText");
    t.InActiveText = rgb("InActiveText");
    t.FontHeight = Int("Fonts", "FontHeight", 14);
}

namespace {

// What a "Tile" value above 1 stands for.
enum class TTileRule { AboveOneIsZero, AboveOneIsOne };

// Which of the keys that image objects share are read from a section.
struct TSharedKeys {
    bool Frame;  // "Frame"; objects read without it get their count fixed after the parse
    TTileRule Tile;
    bool Colours;  // the fill colours of the three states and their text colours

    // An object of a section of its own: every shared key.
    static constexpr TSharedKeys Object() { return {true, TTileRule::AboveOneIsZero, true}; }
    // An object whose frame count the painters fix: the two-image objects and the group box.
    static constexpr TSharedKeys FixedFrames() { return {false, TTileRule::AboveOneIsZero, true}; }
    // The progress bar's track: a fixed frame count, no colours, and any Tile above 1 tiles.
    static constexpr TSharedKeys ProgressTrack() { return {false, TTileRule::AboveOneIsOne, false}; }
};

}  // namespace

void TSkinSchemaReader::ReadSectionObjects() {
    // The keys every image object shares, as far as `keys` reads them.
    auto common = [&](TDataSkinObject& o, const std::string& s, TSharedKeys keys) {
        o.Style = Int(s, "Style", 0);
        o.LeftWidth = Int(s, "LeftWidth", 0);
        o.RightWidth = Int(s, "RightWidth", 0);
        o.TopHeight = Int(s, "TopHeight", 0);
        o.BottomHeight = Int(s, "BottomHeight", 0);
        o.FrameCount = keys.Frame ? Int(s, "Frame", 0) : 0;
        o.Trans = Int(s, "Trans", 0);
        const int tile = Int(s, "Tile", 0);
        o.Tile = tile > 1 ? (keys.Tile == TTileRule::AboveOneIsOne ? 1 : 0) : tile;
        if (!keys.Colours) return;
        o.NormalColour = Int(s, "NormalColour", -1);
        o.MouseOverColour = Int(s, "MouseOverColour", -1);
        o.PressedColour = Int(s, "PressedColour", -1);
        const TColor text = data_.Colours.ButtonText;
        o.NormalColour2 = Colour(s, "NormalColour2", text);
        o.MouseOverColour2 = Colour(s, "MouseOverColour2", text);
        o.PressedColour2 = Colour(s, "PressedColour2", text);
    };
    auto object = [&](std::unique_ptr<TDataSkinObject>& member, const std::string& s) {
        member.reset();
        const std::string image = Str(s, "Image");
        if (image.empty()) return;
        member = std::make_unique<TDataSkinObject>(s);
        Image(member->Image, image);
        common(*member, s, TSharedKeys::Object());
    };
    auto twoImage = [&](std::unique_ptr<TDataSkinBorder>& member, const std::string& s, const char* secondKey) {
        member.reset();
        const std::string image = Str(s, "Image");
        if (image.empty()) return;
        member = std::make_unique<TDataSkinBorder>(s);
        Image(member->Image, image);
        common(*member, s, TSharedKeys::FixedFrames());
        if (secondKey) {
            const std::string second = Str(s, secondKey);
            if (!second.empty()) Image(member->SecondImage, second);
        }
    };

    data_.Progress.reset();
    const std::string progressImage = Str("Progress", "Bitmap");
    if (!progressImage.empty()) {
        data_.Progress = std::make_unique<TDataSkinBorder>("Progress");
        Image(data_.Progress->Image, progressImage);
        common(*data_.Progress, "Progress", TSharedKeys::ProgressTrack());
    }
    object(data_.ProgressChunk, "Progress.Chunk");

    data_.MenuBar.reset();
    const std::string menuBar = Str("Personality", "menuBar");
    if (!menuBar.empty()) {
        auto& m = data_.MenuBar = std::make_unique<TDataSkinObject>("Personality");
        Image(m->Image, menuBar);
        m->Tile = std::min(Int("Personality", "TileMenu", 1), 1);
        m->LeftWidth = Int("Personality", "TileLeftMenu", 1);
        m->RightWidth = Int("Personality", "TileRightMenu", 1);
    }
    object(data_.GroupBoxEdge, "GroupBoxEdge");

    data_.GroupBox.reset();
    const std::string groupImage = Str("GroupBox", "Image");
    if (!groupImage.empty()) {
        data_.GroupBox = std::make_unique<TDataSkinBoxLabel>("GroupBox");
        TDataSkinBoxLabel& g = *data_.GroupBox;
        Image(g.Image, groupImage);
        common(g, "GroupBox", TSharedKeys::FixedFrames());
        g.BackgroundAlignment = Int("GroupBox", "BackgroundAlignment", 0);
        g.BackgroundLeftShift = Int("GroupBox", "BackgroundLeftShift", 0);
        g.BackgroundRightShift = Int("GroupBox", "BackgroundRightShift", 0);
    }
    twoImage(data_.Tabs, "Tabs", "Border");
    object(data_.StatusBarEdges, "StatusBarEdges");
    object(data_.TabPane, "Tab.Pane");
    if (TDataSkinObject* pane = data_.TabPane.get()) {
        pane->LeftWidth = std::min(pane->LeftWidth, 4);
        pane->TopHeight = std::min(pane->TopHeight, 4);
        pane->RightWidth = std::min(pane->RightWidth, 4);
        pane->BottomHeight = std::min(pane->BottomHeight, 4);
    }
    object(data_.ToolBars, "ToolBars");
    twoImage(data_.ComboButton, "ComboButton", nullptr);
    object(data_.SunkEdge, "SunkEdge");

    if (data_.ComboButton && !data_.ComboButton->Image.Empty()) {
        data_.ComboButton->SecondImage = data_.ComboButton->Image;
        MirrorBitmap(data_.ComboButton->SecondImage);
    }

    object(data_.ExtraImages, "ExtraImages");
    object(data_.Headerbar, "Headerbar");
    object(data_.MenuItem, "MenuItem");
    object(data_.MenuBackground, "MenuBackground");
    object(data_.Scrollbar, "Scrollbar");
    object(data_.HorzScroll, "HorzScroll");
    object(data_.VertScroll, "VertScroll");
    object(data_.HorzScrollThumb, "HorzScrollThumb");
    object(data_.VertScrollThumb, "VertScrollThumb");
    object(data_.TrackbarThumbHorz, "Trackbar.ThumbHorz");
    object(data_.TrackbarThumbVert, "Trackbar.ThumbVert");
    object(data_.TrackbarThumbLeft, "Trackbar.ThumbLeft");
    object(data_.TrackbarThumbRight, "Trackbar.ThumbRight");
    object(data_.TrackbarThumbUp, "Trackbar.ThumbUp");
    object(data_.TrackbarThumbDown, "Trackbar.ThumbDown");
    twoImage(data_.UpDownHorz, "UpDown.Horz", "GlyphImage");
    twoImage(data_.UpDownVert, "UpDown.Vert", "GlyphImage");
    object(data_.Track, "Track");
    object(data_.TrackVert, "TRACKVERT");

    auto builtin = [](std::unique_ptr<TDataSkinObject>& member, const char* name, TBitmap image) {
        if (member) return;
        member = std::make_unique<TDataSkinObject>(name);
        member->Image = std::move(image);
        member->LeftWidth = member->TopHeight = member->RightWidth = member->BottomHeight = 3;
        member->Tile = 0;
        member->FrameCount = 1;
    };
    builtin(data_.Track, "TRACK", BuiltinTrackBitmap());
    builtin(data_.TrackVert, "TRACKVERT", BuiltinTrackVertBitmap());
}

void TSkinSchemaReader::FixFrameCounts() {
    auto fix = [](const auto& member, int frames) {
        if (member) member->FrameCount = frames;
    };
    TDataSkinButton& b = *data_.Buttons;
    b.FrameCount = 5;
    auto autoFrames = [](const TBitmap& image) { return std::max(4, image.Width() / (image.Height() < 16 ? 13 : 16)); };
    if (b.RadioButtonFrame == 0) b.RadioButtonFrame = autoFrames(b.RadioImage);
    if (b.CheckButtonFrame == 0) b.CheckButtonFrame = autoFrames(b.CheckImage);
    data_.Title->FrameCount = 2;
    if (data_.Progress) data_.Progress->FrameCount = data_.Progress->Style != 0 ? 1 : 2;
    fix(data_.MenuBar, 2);
    fix(data_.GroupBoxEdge, 2);
    fix(data_.ToolBars, 5);
    fix(data_.Tabs, 5);
    fix(data_.TabPane, 1);
    fix(data_.StatusBarEdges, 3);
    fix(data_.GroupBox, 1);
    fix(data_.ExtraImages, 5);
    if (data_.Headerbar)
        data_.Headerbar->FrameCount = data_.Headerbar->FrameCount == 0 ? 5 : AtLeastOne(data_.Headerbar->FrameCount);
    fix(data_.MenuItem, 5);
    fix(data_.MenuBackground, 1);
    fix(data_.Scrollbar, 23);
    fix(data_.HorzScroll, 4);
    fix(data_.VertScroll, 4);
    fix(data_.UpDownHorz, 8);
    fix(data_.UpDownVert, 8);
    for (auto* thumb : {&data_.TrackbarThumbHorz, &data_.TrackbarThumbVert, &data_.TrackbarThumbLeft,
                        &data_.TrackbarThumbRight, &data_.TrackbarThumbUp, &data_.TrackbarThumbDown})
        fix(*thumb, 5);
    if (data_.HorzScrollThumb) data_.HorzScrollThumb->FrameCount = AtLeastOne(Int("HorzScrollThumb", "FrameCount", 3));
    if (data_.VertScrollThumb) data_.VertScrollThumb->FrameCount = AtLeastOne(Int("VertScrollThumb", "FrameCount", 3));
    fix(data_.ComboButton, 4);
    fix(data_.SunkEdge, 4);
    if (data_.ProgressChunk) data_.ProgressChunk->FrameCount = AtLeastOne(data_.ProgressChunk->FrameCount);
    data_.Track->FrameCount = AtLeastOne(data_.Track->FrameCount);
    data_.TrackVert->FrameCount = AtLeastOne(data_.TrackVert->FrameCount);
}

}  // namespace tw
