// Reading a skin description (the INI sections and keys, in their fixed order) into the skin
// objects and colours of a TSkinData, with the images loaded from the skin archive.
#pragma once

#include <string>

#include "skin/data/Bitmap.h"

namespace tw {

class TSkinData;
class TQuickIni;
class TSkinReader;

// The file-name part of an image value when it names a ".bmp" member (extension exactly in
// lower case), else empty.
std::string SkinImageMemberName(const std::string& value);

// Loads the member an image value names into bitmap; empty when the name is not a ".bmp" one,
// the member is missing or empty, or its bytes are no bitmap.
void LoadSkinImage(TBitmap& bitmap, const std::string& value, const TSkinReader& reader);

// Steps 1 to 11 of a parse: sections, objects, colours and fixed frame counts.
class TSkinSchemaReader {
public:
    TSkinSchemaReader(TSkinData& data, const TQuickIni& ini, const TSkinReader& reader)
        : data_(data), ini_(ini), reader_(reader) {}
    void Run();

private:
    void ReadBorders();
    void ReadColours();
    void ReadCaptionButtons();
    void ReadMdiButtons();
    void ReadButtons();
    void ReadTitle();
    void ReadSectionObjects();
    void FixFrameCounts();

    int Int(const std::string& section, const std::string& key, int def) const;
    std::string Str(const std::string& section, const std::string& key) const;
    TColor Colour(const std::string& section, const std::string& key, TColor def) const;
    void Image(TBitmap& bitmap, const std::string& value) const;

    TSkinData& data_;
    const TQuickIni& ini_;
    const TSkinReader& reader_;
};

}  // namespace tw
