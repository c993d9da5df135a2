// The converter's text rules: command lines, the probe's length, progress markers, output
// names and folder levels.
#include "app/ConvertRules.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(ProbeCommandLine, QuotesToolAndSourceAndKeepsTheTrailingWords) {
    EXPECT_EQ(ProbeCommandLine(L"C:\\Program Files\\Tarnwick\\", L"D:\\视频 文件\\a.rm"),
              L"\"C:\\Program Files\\Tarnwick\\mplayer.exe\" -msglevel identify=6 -vo none -ao none "
              L"\"D:\\视频 文件\\a.rm\" 2>&1 |grep ID_LENGTH");
}

TEST(ParseProbeDuration, TruncatesTowardZero) {
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=125.87\r\n"), 125);
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=59.99"), 59);
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=0.00\r\n"), 0);
}

TEST(ParseProbeDuration, FindsTheMarkerInAnyCaseAmongOtherLines) {
    EXPECT_EQ(ParseProbeDuration("Playing x.\r\nid_video_fps=25\r\nId_Length=7.5\r\nExiting\r\n"), 7);
}

TEST(ParseProbeDuration, ReadsOnlyTheFirstNumberBeforeTheLineEnd) {
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=12.5\r\nID_VIDEO_ID=0 and 99\r\n"), 12);
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=12.5\nmore 77"), 12);
}

TEST(ParseProbeDuration, SkipsOtherCharactersAndLooksAtTwentyOnly) {
    // Letters and blanks are skipped, digits past the twentieth character are not seen.
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH= 3 4 s"), 34);
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=xxxxxxxxxxxxxxxxxxx9123"), 9);
}

TEST(ParseProbeDuration, NoMarkerOrNoDigitsGivesZero) {
    EXPECT_EQ(ParseProbeDuration(""), 0);
    EXPECT_EQ(ParseProbeDuration("Error: cannot open file\r\n"), 0);
    EXPECT_EQ(ParseProbeDuration("ID_LENGTH=\r\n5"), 0);
}

TEST(ParseProbeDuration, TwoPointsAreNotANumber) {
    try {
        ParseProbeDuration("ID_LENGTH=1.2.3");
        FAIL() << "expected a number error";
    } catch (const TProbeNumberError& e) {
        EXPECT_EQ(e.Text, "1.2.3");
    }
}

TEST(EncoderCommandLine, StartupOptionsGiveTheFixedLine) {
    EXPECT_EQ(EncoderCommandLine(L"C:\\T\\", L"D:\\in\\a.avi", TEncodeOptions{}, true, L"E:\\out\\a.3GP"),
              L"\"C:\\T\\ffmpeg.exe\" -i \"D:\\in\\a.avi\" -vcodec mpeg4 -f 3gp -b 120K -r 14.985 -s 176x144 "
              L"-ar 8000 -ab 12.2K -ac 1  -y  \"E:\\out\\a.3GP\"");
}

TEST(EncoderCommandLine, WithoutOverwriteThereIsNoYesFlag) {
    TEncodeOptions options;
    options.VideoKbps = L"512K";
    options.AudioChannelIndex = 1;
    std::wstring line = EncoderCommandLine(L"C:\\T\\", L"a.avi", options, false, L"o.3GP");
    EXPECT_NE(line.find(L"-b 512K"), std::wstring::npos);
    EXPECT_NE(line.find(L"-ac 2 \"o.3GP\""), std::wstring::npos);
    EXPECT_EQ(line.find(L"-y"), std::wstring::npos);
}

TEST(OutputPathFor, ReplacesTheLastExtension) {
    EXPECT_EQ(OutputPathFor(L"E:\\out\\", L"D:\\in\\a.b.avi"), L"E:\\out\\a.b.3GP");
    EXPECT_EQ(OutputPathFor(L"E:\\out\\", L"D:\\in\\noext"), L"E:\\out\\noext.3GP");
    EXPECT_EQ(OutputPathFor(L"E:\\out\\", L"D:\\dir.v2\\clip"), L"E:\\out\\clip.3GP");
    EXPECT_EQ(OutputPathFor(L"E:\\", L"D:/in/片段 一.rmvb"), L"E:\\片段 一.3GP");
}

TEST(DistinctOutputPath, SameNamesInOneRunGetNumbers) {
    TOutputNames taken;
    EXPECT_EQ(DistinctOutputPath(L"E:\\out\\a.3GP", taken), L"E:\\out\\a.3GP");
    EXPECT_EQ(DistinctOutputPath(L"E:\\out\\A.3gp", taken), L"E:\\out\\A (2).3gp");
    EXPECT_EQ(DistinctOutputPath(L"E:\\out\\a.3GP", taken), L"E:\\out\\a (3).3GP");
    EXPECT_EQ(DistinctOutputPath(L"E:\\out\\b.3GP", taken), L"E:\\out\\b.3GP");
}

// Two sources whose names one Windows file system takes for the same file must get two
// outputs; names it keeps apart keep theirs. Run natively and, in the Windows build, against
// the system's own comparison.
TEST(DistinctOutputPath, NamesCollideExactlyWhereTheFileSystemFoldsCase) {
    struct TCase {
        const wchar_t* First;
        const wchar_t* Second;
        bool OneFile;
    };
    const TCase cases[] = {
        {L"clip", L"CLIP", true},
        {L"\u00C4", L"\u00E4", true},              // Ä ä
        {L"caf\u00E9", L"CAF\u00C9", true},        // café CAFÉ
        {L"\u00FF", L"\u0178", true},              // ÿ Ÿ, outside Latin-1 in upper case
        {L"\u0151", L"\u0150", true},              // ő Ő
        {L"\u03C3", L"\u03A3", true},              // σ Σ
        {L"\u044F\u0451", L"\u042F\u0401", true},  // яё ЯЁ
        {L"\u0561", L"\u0531", true},              // Armenian
        {L"\uFF41", L"\uFF21", true},              // fullwidth a A
        {L"\u2170", L"\u2160", true},              // small and capital roman numeral one
        {L"\u00DF", L"SS", false},                 // ß has no single upper case
        {L"\u0131", L"I", false},                  // dotless i
        {L"\u017F", L"S", false},                  // long s
        {L"\u00B5", L"\u039C", false},             // micro sign, Greek capital mu
        {L"\u03C2", L"\u03A3", false},             // final sigma
        {L"k", L"\u212A", false},                  // Kelvin sign
        {L"\U00010428", L"\U00010400", false},     // Deseret: surrogates are not mapped
        {L"\u7247\u6BB5", L"\u7247\u6BB5", true},  // 片段
        {L"a", L"\u00E0", false},
        {L"clip", L"clip ", false},
    };
    for (const TCase& c : cases) {
        TOutputNames taken;
        const std::wstring first = std::wstring(L"E:\\out\\") + c.First + L".3GP";
        const std::wstring second = std::wstring(L"E:\\out\\") + c.Second + L".3GP";
        EXPECT_EQ(DistinctOutputPath(first, taken), first);
        const std::wstring got = DistinctOutputPath(second, taken);
        const std::wstring renamed = std::wstring(L"E:\\out\\") + c.Second + L" (2).3GP";
        EXPECT_EQ(got, c.OneFile ? renamed : second) << "case " << (&c - cases);
    }
}

TEST(ParseProgressMarker, RoundsHalvesToEven) {
    EXPECT_EQ(ParseProgressMarker("ffmpeg_release_time=12.5=ffmpeg_release_time"), 12);
    EXPECT_EQ(ParseProgressMarker("ffmpeg_release_time=13.5=ffmpeg_release_time"), 14);
    EXPECT_EQ(ParseProgressMarker("x ffmpeg_release_time=2.5=ffmpeg_release_time y"), 2);
    EXPECT_EQ(ParseProgressMarker("ffmpeg_release_time=7.51=ffmpeg_release_time"), 8);
    EXPECT_EQ(ParseProgressMarker("ffmpeg_release_time=0=ffmpeg_release_time"), 0);
}

TEST(ParseProgressMarker, IgnoresLinesWithoutTheWholePairOrANumber) {
    EXPECT_FALSE(ParseProgressMarker("frame=  10 fps=0.0 q=2.0"));
    EXPECT_FALSE(ParseProgressMarker("ffmpeg_release_time=12.5"));
    EXPECT_FALSE(ParseProgressMarker("ffmpeg_release_time=abc=ffmpeg_release_time"));
    EXPECT_FALSE(ParseProgressMarker("ffmpeg_release_time==ffmpeg_release_time"));
    EXPECT_FALSE(ParseProgressMarker("=ffmpeg_release_time 3 ffmpeg_release_time="));
}

TEST(FolderPrefixes, OutermostFirst) {
    EXPECT_EQ(FolderPrefixes(L"C:\\Video\\Out\\"), (std::vector<std::wstring>{L"C:", L"C:\\Video", L"C:\\Video\\Out"}));
    EXPECT_EQ(FolderPrefixes(L"C:\\Video\\Out"), (std::vector<std::wstring>{L"C:", L"C:\\Video", L"C:\\Video\\Out"}));
    EXPECT_EQ(FolderPrefixes(L"\\\\srv\\share\\a\\b\\"),
              (std::vector<std::wstring>{L"\\\\srv\\share\\a", L"\\\\srv\\share\\a\\b"}));
}

TEST(FolderResult, DriveRootKeepsOneBackslashDeeperFoldersGetOne) {
    EXPECT_EQ(FolderResult(L"C:\\"), L"C:\\");
    EXPECT_EQ(FolderResult(L"C:\\Out"), L"C:\\Out\\");
    EXPECT_EQ(FolderResult(L"C:\\输出 目录"), L"C:\\输出 目录\\");
    EXPECT_EQ(FolderResult(L""), L"");
}

TEST(ProgressStatusText, WholePercentKeptInRangeAndPlainWithoutALength) {
    const struct {
        int Position, Duration;
        const wchar_t* Text;
    } cases[] = {
        {0, 60, L"转换中 0%"},
        {1, 3, L"转换中 33%"},    // truncated: 33.3
        {59, 60, L"转换中 98%"},  // 98.3: 100% only once the whole length is done
        {60, 60, L"转换中 100%"},
        {75, 60, L"转换中 100%"},  // FFmpeg may run past the probed length
        {-2, 60, L"转换中 0%"},
        {2147483647, 2147483647, L"转换中 100%"},  // no overflow on the way
        {1073741824, 2147483647, L"转换中 50%"},
        {12, 0, L"转换中"},
        {12, -1, L"转换中"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressStatusText(c.Position, c.Duration), c.Text) << c.Position << " of " << c.Duration;
}

}  // namespace
}  // namespace tw
