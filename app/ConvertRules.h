// The converter's text rules, apart from any window: command lines of the probe and the
// encoder, reading the probe's length line and the encoder's progress marker, output names
// and folder prefixes. Portable, so they are tested natively.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/FileNameOrder.h"

namespace tw {

// Thrown when the probe's length digits do not read as a number.
struct TProbeNumberError {
    std::string Text;
};

// `"<exeDir>mplayer.exe" -msglevel identify=6 -vo none -ao none "<source>" 2>&1 |grep ID_LENGTH`
std::wstring ProbeCommandLine(const std::wstring& exeDir, const std::wstring& source);

// Position of "id_length=" in the lower-cased text, or npos.
size_t FindLengthMarker(const std::string& lowerText);

// The whole seconds after the marker: of the next 20 characters, '.' and digits are collected
// until CR or LF; others are skipped. 0 when nothing was collected. Throws TProbeNumberError
// when the collected text is not a number (two points, say).
int ParseProbeDuration(const std::string& output);

struct TEncodeOptions {
    std::wstring VideoKbps = L"120K";
    std::wstring VideoFrameRate = L"14.985";
    std::wstring VideoSize = L"176x144";
    std::wstring AudioSampleRate = L"8000";
    std::wstring AudioKbps = L"12.2K";
    int AudioChannelIndex = 0;  // selected index of the channel list; the encoder gets index + 1
};

std::wstring EncoderCommandLine(const std::wstring& exeDir, const std::wstring& source, const TEncodeOptions& options,
                                bool overwrite, const std::wstring& output);

// The file-name part of a path (after the last '\' or '/').
std::wstring FileNamePart(const std::wstring& path);
// outputDir + the source's file name with its last extension replaced by ".3GP".
std::wstring OutputPathFor(const std::wstring& outputDir, const std::wstring& source);
// The output paths of one run, told apart as the file system tells them apart.
using TOutputNames = std::set<std::wstring, TFileNameLess>;
// path itself, or "name (2).3GP", "name (3).3GP", ... whichever is not in taken; the result is
// added to taken.
std::wstring DistinctOutputPath(const std::wstring& path, TOutputNames& taken);

// The media seconds between "ffmpeg_release_time=" and "=ffmpeg_release_time", rounded to
// the nearest whole second with halves to even; nothing when the pair is absent or the text
// between is not a number.
std::optional<int> ParseProgressMarker(const std::string& line);

// The running job's status: "转换中 NN%", NN the whole percent of the media seconds done out
// of the job's length (kept within 0..100); plain "转换中" when the length is unknown.
std::wstring ProgressStatusText(int position, int duration);

// The folders to create for a path, outermost first: the text before every backslash, then
// the whole path (without a trailing backslash). "C:\Video\Out\" gives C:, C:\Video, C:\Video\Out.
std::vector<std::wstring> FolderPrefixes(const std::wstring& path);

// A confirmed folder from the folder browser: a drive root ("C:\") stays as it is, a deeper
// folder gets one trailing backslash.
std::wstring FolderResult(const std::wstring& path);

}  // namespace tw
