// TFrmMain: the job list — adding files with their probed playing time, delete, clear and
// the rows the owner-data list view asks for.
#include "app/FrmMain.h"

#include <algorithm>

#include "app/FileNameOrder.h"
#include "app/SourceFilter.h"
#include "framework/core/Exception.h"
#include "process/DosCommand.h"

namespace tw {

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Closes a directory search however the walk leaves it.
struct TFindHandle {
    HANDLE Handle;
    ~TFindHandle() {
        if (Handle != INVALID_HANDLE_VALUE) FindClose(Handle);
    }
};

// Every file under folder whose extension is listed, in name order level by level (a folder's
// files and subfolders in one order, a subfolder's files where the subfolder stands). Linked
// folders are not followed, so that a link back up cannot make the walk endless.
void CollectSources(const std::wstring& folder, const std::vector<std::wstring>& extensions,
                    std::vector<std::wstring>& found) {
    std::wstring base = folder;
    if (!base.empty() && base.back() != L'\\' && base.back() != L'/') base += L'\\';
    struct TEntry {
        std::wstring Name;
        bool Folder;
    };
    std::vector<TEntry> entries;
    WIN32_FIND_DATAW data;
    {
        TFindHandle find{FindFirstFileW((base + L"*").c_str(), &data)};
        if (find.Handle == INVALID_HANDLE_VALUE) return;
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (isFolder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
            entries.push_back({name, isFolder});
        } while (FindNextFileW(find.Handle, &data));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TEntry& a, const TEntry& b) { return CompareFileNames(a.Name, b.Name) < 0; });
    for (const TEntry& entry : entries) {
        if (entry.Folder) CollectSources(base + entry.Name, extensions, found);
        else if (HasListedExtension(entry.Name, extensions))
            found.push_back(base + entry.Name);
    }
}

}  // namespace

void TFrmMain::btnAddClick(TObject*) {
    if (busy_) return;
    if (!OpenDialog1->Execute(Handle())) return;
    AddSourceFile(OpenDialog1->FileName());
}

void TFrmMain::lvwFilesDropFiles(TObject*, const std::vector<std::wstring>& files) {
    if (busy_) return;
    // One after another, exactly as the add button adds each; a folder gives its videos.
    for (const auto& file : files) {
        if (Closing()) return;
        if (IsFolder(file)) AddSourceFolder(file);
        else
            AddSourceFile(file);
    }
}

void TFrmMain::AddSourceFolder(const std::wstring& folder) {
    // The open dialog's filter is the one list of what the program takes.
    const std::vector<std::wstring> extensions = FilterExtensions(OpenDialog1->Filter());
    std::vector<std::wstring> sources;
    CollectSources(folder, extensions, sources);
    for (const auto& source : sources) {
        if (Closing()) return;
        AddSourceFile(source);
    }
}

void TFrmMain::lvwFilesDblClick(TObject*, int index) {
    const TJobInfo* job = JobAt(index);
    if (busy_ || !job || job->Status != L"失败") return;
    const std::wstring text = job->FileName + L"\r\n\r\n" + (job->Details.empty() ? L"（没有输出）" : job->Details);
    ::MessageBoxW(Handle(), text.c_str(), Application->Title().c_str(), MB_OK | MB_ICONERROR);
}

void TFrmMain::AddSourceFile(const std::wstring& path) {
    ProgressBar1->SetPosition(0);
    lblInfo->SetCaption(L"准备就绪");
    auto job = std::make_unique<TJobInfo>();
    SetBusy(true);
    try {
        job->Duration = ProbeDuration(path);
    } catch (...) {
        SetBusy(false);
        throw;
    }
    SetBusy(false);
    if (Closing()) return;
    job->Status = L"准备就绪";
    job->FileName = path;
    jobs_.push_back(std::move(job));
    lvwFiles->SetItemCount(JobCount());
}

int TFrmMain::ProbeDuration(const std::wstring& fileName) {
    DosCommand2->SetCommandLine(ProbeCommandLine(exeDir_, fileName));
    probeDone_ = false;
    ResetEvent(probeFinished_.Get());
    DosCommand2->Execute();
    for (int pass = 0; pass < 50 && !Closing(); ++pass) {
        if (probeDone_) break;
        if (FindLengthMarker(LowerCase(DosCommand2->LinesText())) != std::string::npos) break;
        // A second per pass, but the probe's end wakes the loop at once.
        WaitWithMessages(probeFinished_.Get(), 1000);
    }
    DosCommand2->Stop();
    // Whether polling found the marker or the run ended, the lines are read once more in full.
    try {
        return ParseProbeDuration(DosCommand2->LinesText());
    } catch (const TProbeNumberError& e) {
        throw Exception("'" + e.Text + "' is not a valid floating point value");
    }
}

void TFrmMain::DosCommand2Terminated(TObject*) {
    probeDone_ = true;
    SetEvent(probeFinished_.Get());
}

void TFrmMain::btnDeleteClick(TObject*) {
    if (busy_) return;
    int index = lvwFiles->SelectedIndex();
    if (lvwFiles->ItemCount() == 0 || index < 0 || index >= JobCount()) return;
    jobs_.erase(jobs_.begin() + index);
    lvwFiles->SetItemCount(JobCount());
    lvwFiles->Repaint();
}

void TFrmMain::btnClearClick(TObject*) {
    if (busy_) return;
    FreeJobs();
    lvwFiles->SetItemCount(0);
    lvwFiles->Repaint();
    lvwFiles->ClearItems();
}

void TFrmMain::lvwFilesData(TObject*, TListItem& item) {
    const TJobInfo* job = JobAt(item.Index);
    if (!job) return;
    item.Caption = job->FileName;
    item.SubItems = {job->Status};
}

void TFrmMain::SetBusy(bool busy) {
    busy_ = busy;
    btnAdd->SetEnabled(!busy);
    btnDelete->SetEnabled(!busy);
    btnClear->SetEnabled(!busy);
    btnConvert->SetEnabled(!busy);
}

bool TFrmMain::WaitWithMessages(HANDLE event, DWORD milliseconds) {
    const bool forever = milliseconds == INFINITE;
    ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (WaitForSingleObject(event, 0) == WAIT_OBJECT_0) return true;
        if (Closing()) return false;
        ULONGLONG now = GetTickCount64();
        if (!forever && now >= deadline) return false;
        Application->WaitForHandleOrMessage(event, forever ? INFINITE : static_cast<DWORD>(deadline - now));
        if (!Application->ProcessMessages()) return false;
    }
}

}  // namespace tw
