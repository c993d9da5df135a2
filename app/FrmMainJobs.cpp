// TFrmMain: the job list — adding files with their probed playing time, delete, clear and
// the rows the owner-data list view asks for.
#include "app/FrmMain.h"

#include "framework/core/Exception.h"
#include "process/DosCommand.h"

namespace tw {

void TFrmMain::btnAddClick(TObject*) {
    if (busy_) return;
    if (!OpenDialog1->Execute(Handle())) return;
    AddSourceFile(OpenDialog1->FileName());
}

void TFrmMain::lvwFilesDropFiles(TObject*, const std::vector<std::wstring>& files) {
    if (busy_) return;
    // One after another, exactly as the add button adds each.
    for (const auto& file : files) {
        if (Closing()) return;
        AddSourceFile(file);
    }
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
    ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (WaitForSingleObject(event, 0) == WAIT_OBJECT_0) return true;
        if (Closing()) return false;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        Application->WaitForHandleOrMessage(event, static_cast<DWORD>(deadline - now));
        if (!Application->ProcessMessages()) return false;
    }
}

}  // namespace tw
