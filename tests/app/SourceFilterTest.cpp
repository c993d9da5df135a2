// Which dropped files the program takes: the extensions of its open dialog's filter.
#include "app/SourceFilter.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(FilterExtensions, ReadsEveryPlainExtensionOfTheProgramsFilterOnce) {
    // "*.ASF*.3PG" in the first list names no extension of its own; both are listed later.
    const std::vector<std::wstring> expected = {L"RM",  L"RMVB", L"AVI", L"MPG", L"MPEG", L"WMV", L"MP4",
                                                L"AVS", L"VOB",  L"DAT", L"MOV", L"QT",   L"ASF", L"3PG"};
    EXPECT_EQ(FilterExtensions(kSourceFilter), expected);
}

TEST(FilterExtensions, SkipsNamesWildcardsAndEmptyParts) {
    EXPECT_EQ(FilterExtensions(L"*.NAME|*.avi;;*.*;*.m?v;x.mp4;*.|Other|*.Mkv"),
              (std::vector<std::wstring>{L"AVI", L"MKV"}));
    EXPECT_EQ(FilterExtensions(L""), std::vector<std::wstring>{});
    EXPECT_EQ(FilterExtensions(L"Odd name only"), std::vector<std::wstring>{});
}

TEST(HasListedExtension, LastExtensionOfTheFileNameInAnyCase) {
    const std::vector<std::wstring> listed = FilterExtensions(kSourceFilter);
    const struct {
        const wchar_t* Path;
        bool Taken;
    } cases[] = {
        {L"Z:\\in\\clip.avi", true},      {L"Z:\\in\\clip.AvI", true}, {L"Z:\\in\\中文 目录\\测试 视频.mp4", true},
        {L"Z:/in/sub/clip.rmvb", true},   {L"clip.mpeg", true},        {L"Z:\\in\\notes.txt", false},
        {L"Z:\\in\\clip.avi.txt", false},  // the last extension counts
        {L"Z:\\in\\clip.3gp", false},      // the filter lists 3PG, not 3GP
        {L"Z:\\in.avi\\README", false},    // a folder's dot is not the file's
        {L"Z:\\in\\avi", false},          {L"Z:\\in\\clip.", false},   {L"Z:\\in\\.avi", true},
    };
    for (const auto& c : cases) EXPECT_EQ(HasListedExtension(c.Path, listed), c.Taken) << c.Path;
}

}  // namespace
}  // namespace tw
