// TFrmMain: the conversion run — output folder, one encoder run per job, progress.
#include "app/FrmMain.h"

#include "app/TaskbarProgress.h"
#include "framework/core/Exception.h"
#include "framework/win/RedrawFreeze.h"
#include "framework/win/SystemError.h"
#include "process/DosCommand.h"

namespace tw {

namespace {

constexpr UINT kProgressMessage = WM_APP + 1;  // wParam: the position

bool DirectoryExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ErrorText(DWORD code) {
    std::string text = SystemErrorText(code);
    return text.empty() ? "System error " + std::to_string(code) : text;
}

// What a file looked like before an encoder run, to tell whether the run wrote it.
struct TFileStamp {
    bool Exists = false;
    ULONGLONG Size = 0;
    ULONGLONG Written = 0;
};

TFileStamp StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
    return {true, (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
            (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime};
}

// Lets the window go on answering for a while; once the program quits, only waits (the quit
// message stays queued for the main loop and would wake every wait at once).
void WaitAnswering(DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        const DWORD left = static_cast<DWORD>(deadline - now);
        if (Application->Terminated()) {
            Sleep(left);
            return;
        }
        Application->WaitForHandleOrMessage(nullptr, left);
        Application->ProcessMessages();
    }
}

// The encoder's own child may hold the file for a moment after it was ended.
void DeleteWhenReleased(const std::wstring& path) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return;
        WaitAnswering(50);
    }
}

// Keeps the machine awake while files are converted.
class TKeepAwake {
public:
    TKeepAwake() { SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED); }
    ~TKeepAwake() { SetThreadExecutionState(ES_CONTINUOUS); }
};

}  // namespace

void TFrmMain::ForceFolder(const std::wstring& path) {
    if (DirectoryExists(path)) return;
    for (const std::wstring& prefix : FolderPrefixes(path)) {
        if (DirectoryExists(prefix)) continue;
        if (!CreateDirectoryW(prefix.c_str(), nullptr)) {
            DWORD error = GetLastError();
            std::wstring text = L"建立目录：" + path + L"出错！\r\n\r\n请检查目录名是否正确。";
            ::MessageBoxW(Handle(), text.c_str(), Application->Title().c_str(), MB_OK | MB_ICONERROR);
            throw Exception(Utf8FromWide(prefix) + ": " + ErrorText(error));
        }
    }
}

void TFrmMain::btnConvertClick(TObject*) {
    if (converting_) {
        RequestStop();
        return;
    }
    if (busy_) return;
    const std::wstring saveDir = edtSaveDir->Text();
    if (saveDir.empty()) {
        ::MessageBoxW(Handle(), L"请选择保存的文件夹", Application->Title().c_str(), MB_OK);
        return;
    }
    ForceFolder(saveDir);

    // The controls come back however the run ends. The convert button alone stays usable:
    // during the run it stops it.
    struct TRunControls {
        TFrmMain& form;
        explicit TRunControls(TFrmMain& f) : form(f) {
            Set(false);
            form.converting_ = true;
            form.stopRequested_ = false;
            form.btnConvert->SetCaption(L"停止转换");
            form.btnConvert->SetEnabled(true);
        }
        ~TRunControls() {
            form.converting_ = false;
            form.runningJob_ = -1;
            Set(true);
            form.btnConvert->SetCaption(L"立即转换");
        }
        void Set(bool enabled) {
            // The list and its buttons sit in the options group too: all of it paints once.
            TRedrawFreeze options(form.GroupBox3->HandleAllocated() ? form.GroupBox3->Handle() : nullptr);
            form.GroupBox3->SetEnabled(enabled);
            form.GroupBox6->SetEnabled(enabled);
            form.lvwFiles->SetEnabled(enabled);
            form.SetBusy(!enabled);
        }
    } controls(*this);
    TKeepAwake keepAwake;

    const int count = JobCount();
    int failed = 0;
    TOutputNames outputsOfThisRun;
    for (int i = 0; i < count && !Closing() && !stopRequested_; ++i) {
        TJobInfo* job = JobAt(i);
        lblInfo->SetCaption(L"正在转换 " + job->FileName);
        // Two sources of one name must not overwrite each other within a run.
        std::wstring output = DistinctOutputPath(OutputPathFor(saveDir, job->FileName), outputsOfThisRun);
        job->Status = ProgressStatusText(0, job->Duration);
        job->Details.clear();
        runningJob_ = i;
        rowShownAt_ = GetTickCount64();
        lvwFiles->RepaintRow(i);
        bool ok = ConvertVideo(*job, true, output);
        runningJob_ = -1;
        if (Closing()) break;
        if (stopRequested_ && !ok) {
            job->Status = L"已停止";
        } else {
            job->Status = ok ? L"完成" : L"失败";
            if (!ok) {
                ++failed;
                job->Details = WideFromUtf8(encoderLines_.Text());
                if (job->Details.empty()) job->Details = WideFromUtf8(DosCommand1->LastError());
            }
        }
        lvwFiles->RepaintRow(i);
    }
    if (Closing()) return;
    ProgressBar1->SetPosition(0);
    if (taskbar_) taskbar_->Clear(Handle());
    if (stopRequested_) {
        lblInfo->SetCaption(L"转换已停止");
        return;
    }
    std::wstring done = L"转换完成";
    if (failed > 0) done += L"（" + std::to_wstring(failed) + L" 个失败）";
    lblInfo->SetCaption(done);
}

void TFrmMain::RequestStop() {
    if (!converting_ || stopRequested_) return;
    stopRequested_ = true;
    // Wakes the run's wait at once; the run then ends the encoder itself.
    SetEvent(encoderFinished_.Get());
}

bool TFrmMain::ConvertVideo(TJobInfo& job, bool overwrite, const std::wstring& outputPath) {
    ProgressBar1->SetMax(job.Duration);
    ProgressBar1->SetMin(0);
    DosCommand1->SetCommandLine(EncoderCommandLine(exeDir_, job.FileName, CurrentOptions(), overwrite, outputPath));
    ResetEvent(encoderFinished_.Get());
    progressTarget_ = Handle();
    ++encoderRun_;
    encoderLines_.Clear();  // the reader thread of the last run has been joined
    const TFileStamp before = StampOf(outputPath);
    DosCommand1->Execute();
    // The runner's end and a stop both set the event, a close comes as a message: nothing here
    // needs a beat of its own.
    while (DosCommand1->IsRunning() && !Closing() && !stopRequested_)
        WaitWithMessages(encoderFinished_.Get(), INFINITE);
    DosCommand1->Stop();

    // Success is the encoder's zero exit and an output file this run wrote.
    const TFileStamp after = StampOf(outputPath);
    const bool written = after.Exists &&
                         (!before.Exists || after.Size != before.Size || after.Written != before.Written);
    const bool ok = !Closing() && !stopRequested_ && DosCommand1->ExitCode() == 0 && written && after.Size > 0;
    // What an unfinished or failed run wrote is unreadable: take it away. A file the run never
    // touched (an earlier complete output) stays.
    if (!ok && written) DeleteWhenReleased(outputPath);
    return ok;
}

TEncodeOptions TFrmMain::CurrentOptions() const {
    TEncodeOptions options;
    options.VideoKbps = cmbVideoKbps->SelectedText();
    options.VideoFrameRate = cmbVideoFrame->SelectedText();
    options.VideoSize = cmbVideoSize->SelectedText();
    options.AudioSampleRate = cmbAudioSample->SelectedText();
    options.AudioKbps = cmbAudioKbps->SelectedText();
    options.AudioChannelIndex = cmbAudioTrack->ItemIndex();
    return options;
}

// Reader thread: the position travels to the window by a posted message, with the run it
// belongs to; every other whole line is a diagnostic kept for a failed job's details.
void TFrmMain::DosCommand1NewLine(TObject*, const std::string& newLine, int outputType) {
    if (std::optional<int> position = ParseProgressMarker(newLine))
        PostMessageW(progressTarget_, kProgressMessage, static_cast<WPARAM>(*position), encoderRun_.load());
    else if (outputType == static_cast<int>(otEntireLine))
        encoderLines_.Add(newLine);
}

// Reader thread: the bar starts from 0 for the next file.
void TFrmMain::DosCommand1Terminated(TObject*) {
    PostMessageW(progressTarget_, kProgressMessage, 0, 0);
    SetEvent(encoderFinished_.Get());
}

void TFrmMain::ShowJobProgress(int position) {
    TJobInfo* job = JobAt(runningJob_);
    if (!job) return;
    // A few repaints a second are plenty for a number, and only the running row is repainted.
    constexpr ULONGLONG kRowPeriodMs = 250;
    std::wstring status = ProgressStatusText(position, job->Duration);
    const ULONGLONG now = GetTickCount64();
    if (status == job->Status || now - rowShownAt_ < kRowPeriodMs) return;
    job->Status = std::move(status);
    rowShownAt_ = now;
    lvwFiles->RepaintRow(runningJob_);
}

void TFrmMain::WndProc(TMessage& message) {
    if (message.Msg == kProgressMessage) {
        // The encoder repeats a media time it has not left yet: nothing to paint then.
        const int shown = ProgressBar1->Position();
        ProgressBar1->SetPosition(static_cast<int>(message.WParam));
        if (taskbar_ && busy_ && ProgressBar1->Position() != shown)
            taskbar_->Show(Handle(), ProgressBar1->Position(), ProgressBar1->Max());
        if (static_cast<unsigned>(message.LParam) == encoderRun_.load())
            ShowJobProgress(static_cast<int>(message.WParam));
        return;
    }
    TForm::WndProc(message);
}

}  // namespace tw
