#include "app/ConvertRules.h"

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdlib>

#include "framework/core/StringList.h"

namespace tw {

namespace {

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

// Reads the whole text as a decimal number with a point, in no locale.
std::optional<double> ReadDecimal(const std::string& text) {
    if (text.empty()) return std::nullopt;
    size_t i = 0;
    if (text[i] == '+' || text[i] == '-') ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits) return std::nullopt;
    errno = 0;
    double value = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::wstring ProbeCommandLine(const std::wstring& exeDir, const std::wstring& source) {
    return Quoted(exeDir + L"mplayer.exe") + L" -msglevel identify=6 -vo none -ao none " + Quoted(source) +
           L" 2>&1 |grep ID_LENGTH";
}

size_t FindLengthMarker(const std::string& lowerText) { return lowerText.find("id_length="); }

int ParseProbeDuration(const std::string& output) {
    size_t at = FindLengthMarker(LowerCase(output));
    if (at == std::string::npos) return 0;
    std::string after = output.substr(at + 10, 20);
    std::string collected;
    for (char c : after) {
        if (c == '\r' || c == '\n') break;
        if (c == '.' || (c >= '0' && c <= '9')) collected += c;
    }
    if (collected.empty()) return 0;
    std::optional<double> seconds = ReadDecimal(collected);
    if (!seconds) throw TProbeNumberError{collected};
    // Truncated toward zero: 59.99 s is 59 whole seconds.
    double whole = std::trunc(*seconds);
    return whole > 2147483647.0 ? 2147483647 : static_cast<int>(whole);
}

std::wstring EncoderCommandLine(const std::wstring& exeDir, const std::wstring& source, const TEncodeOptions& options,
                                bool overwrite, const std::wstring& output) {
    std::wstring line = Quoted(exeDir + L"ffmpeg.exe");
    line += L" -i " + Quoted(source);
    line += L" -vcodec mpeg4 -f 3gp";
    line += L" -b " + options.VideoKbps;
    line += L" -r " + options.VideoFrameRate;
    line += L" -s " + options.VideoSize;
    line += L" -ar " + options.AudioSampleRate;
    line += L" -ab " + options.AudioKbps;
    line += L" -ac " + std::to_wstring(options.AudioChannelIndex + 1);
    if (overwrite) line += L"  -y ";
    line += L" " + Quoted(output);
    return line;
}

std::wstring FileNamePart(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring OutputPathFor(const std::wstring& outputDir, const std::wstring& source) {
    std::wstring name = FileNamePart(source);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return outputDir + name + L".3GP";
}

std::wstring DistinctOutputPath(const std::wstring& path, TOutputNames& taken) {
    std::wstring candidate = path;
    size_t dot = path.find_last_of(L'.');
    size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) dot = path.size();
    for (int n = 2; taken.count(candidate); ++n)
        candidate = path.substr(0, dot) + L" (" + std::to_wstring(n) + L")" + path.substr(dot);
    taken.insert(candidate);
    return candidate;
}

std::optional<int> ParseProgressMarker(const std::string& line) {
    static const std::string open = "ffmpeg_release_time=";
    static const std::string close = "=ffmpeg_release_time";
    size_t start = line.find(open);
    if (start == std::string::npos) return std::nullopt;
    std::string rest = line.substr(start + open.size());
    size_t end = rest.find(close);
    if (end == std::string::npos) return std::nullopt;
    std::optional<double> seconds = ReadDecimal(rest.substr(0, end));
    if (!seconds) return std::nullopt;
    // Banker's rounding: 2.5 gives 2, 3.5 gives 4.
    int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    double rounded = std::nearbyint(*seconds);
    std::fesetround(saved);
    if (rounded > 2147483647.0) return 2147483647;
    if (rounded < -2147483647.0) return -2147483647;
    return static_cast<int>(rounded);
}

std::wstring ProgressStatusText(int position, int duration) {
    if (duration <= 0) return L"转换中";
    long long percent = static_cast<long long>(position) * 100 / duration;
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    return L"转换中 " + std::to_wstring(percent) + L"%";
}

std::vector<std::wstring> FolderPrefixes(const std::wstring& path) {
    std::vector<std::wstring> prefixes;
    // A network path's server and share cannot be created: start below them.
    size_t first = 1;
    if (path.rfind(L"\\\\", 0) == 0) {
        size_t share = path.find(L'\\', 2);
        size_t below = share == std::wstring::npos ? std::wstring::npos : path.find(L'\\', share + 1);
        first = below == std::wstring::npos ? path.size() : below + 1;
    }
    for (size_t i = first; i < path.size(); ++i)
        if (path[i] == L'\\') prefixes.push_back(path.substr(0, i));
    if (!path.empty() && path.back() != L'\\') prefixes.push_back(path);
    return prefixes;
}

std::wstring FolderResult(const std::wstring& path) {
    if (path.size() > 3 && path.back() != L'\\') return path + L"\\";
    return path;
}

}  // namespace tw
