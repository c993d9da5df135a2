// TFrmMain: the converter's main window: banner, progress, the job list with its options,
// the output folder and the convert button.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/ConvertRules.h"
#include "app/JobInfo.h"
#include "app/LineKeeper.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Dialogs.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WebBrowser.h"

namespace tw {

class TDosCommand;
class TSkinCaption;
class TSkinData;
class TSkinStore;
class TTaskbarProgress;
class TSkinMenu;

class TFrmMain : public TForm {
    TW_CLASS_INFO()
public:
    explicit TFrmMain(TComponent* owner);
    ~TFrmMain() override;

    // Components, named as stored on the form.
    TWebBrowser* WebBrowser1;
    TGroupBox* GroupBox2;
    TLabel* Label1;
    TLabel* lblInfo;
    TLabel* Label2;
    TProgressBar* ProgressBar1;
    TGroupBox* GroupBox3;
    TPanel* Panel1;
    TListView* lvwFiles;
    TPanel* Panel2;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClear;
    TGroupBox* GroupBox5;
    TLabel* Label3;
    TComboBox* cmbVideoKbps;
    TLabel* Label4;
    TComboBox* cmbVideoFrame;
    TLabel* Label5;
    TComboBox* cmbVideoSize;
    TGroupBox* GroupBox4;
    TLabel* Label6;
    TComboBox* cmbAudioKbps;
    TLabel* Label7;
    TComboBox* cmbAudioSample;
    TLabel* Label8;
    TComboBox* cmbAudioTrack;
    TGroupBox* GroupBox6;
    TLabel* Label9;
    TEdit* edtSaveDir;
    TButton* Button8;
    TButton* btnConvert;
    TLabel* lblContact;
    TOpenDialog* OpenDialog1;
    TSkinData* SkinData1;
    TSkinStore* SkinStore1;
    TSkinCaption* SkinCaption1;

    TDosCommand* DosCommand1 = nullptr;  // the encoder
    TDosCommand* DosCommand2 = nullptr;  // the duration probe

    const std::wstring& ExeDir() const { return exeDir_; }
    int JobCount() const { return static_cast<int>(jobs_.size()); }
    TJobInfo* JobAt(int index) const;

    // Start-up and close.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void Button8Click(TObject* sender);

    // The job list.
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnClearClick(TObject* sender);
    void lvwFilesData(TObject* sender, TListItem& item);
    void lvwFilesDropFiles(TObject* sender, const std::vector<std::wstring>& files);
    // A failed row tells why: the encoder's last lines in a message box.
    void lvwFilesDblClick(TObject* sender, int index);
    // Adds the files of a folder and its subfolders that the open dialog's filter lists.
    void AddSourceFolder(const std::wstring& folder);
    // Adds one source file: probes its playing time, then appends the job.
    void AddSourceFile(const std::wstring& path);
    int ProbeDuration(const std::wstring& fileName);
    void FreeJobs();

    // The conversion run.
    // Starts a run; during a run the same button stops it.
    void btnConvertClick(TObject* sender);
    // Creates the folder level by level; when a level fails, shows the error box and throws.
    void ForceFolder(const std::wstring& path);
    // Converts one job; true when the encoder succeeded and wrote its output file.
    bool ConvertVideo(TJobInfo& job, bool overwrite, const std::wstring& outputPath);
    void DosCommand1NewLine(TObject* sender, const std::string& newLine, int outputType);
    void DosCommand1Terminated(TObject* sender);
    void DosCommand2Terminated(TObject* sender);

    // Shows the folder browser; the chosen folder (ending in a backslash unless a drive root)
    // or the empty string.
    static std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& root);

protected:
    void WndProc(TMessage& message) override;

private:
    void BuildControls();
    void SelectStartupOptions();
    TEncodeOptions CurrentOptions() const;
    // While a probe or a conversion runs the list and its buttons take no new work.
    void SetBusy(bool busy);
    // Lets the window work until the event is set, the deadline passes (never with INFINITE)
    // or the program ends; true when the event was set.
    bool WaitWithMessages(HANDLE event, DWORD milliseconds);
    bool Closing() const;
    // Ends the job under way, keeps the rest as they are.
    void RequestStop();
    void ShowJobProgress(int position);

    std::wstring exeDir_;
    std::vector<std::unique_ptr<TJobInfo>> jobs_;
    std::atomic<bool> probeDone_{false};         // written by the probe runner's thread
    std::atomic<HWND> progressTarget_{nullptr};  // where the encoder's thread posts progress
    THandle probeFinished_;                      // set by the probe runner's end
    THandle encoderFinished_;                    // set by the encoder runner's end
    bool busy_ = false;
    bool converting_ = false;
    bool stopRequested_ = false;
    int runningJob_ = -1;                  // the row whose status counts up, or -1
    std::atomic<unsigned> encoderRun_{0};  // tells a finished run's late progress from the current one's
    ULONGLONG rowShownAt_ = 0;             // when the running row was last repainted
    TLineKeeper encoderLines_{20, 300};    // written by the encoder runner's thread during a run only
    bool closeRequested_ = false;
    std::unique_ptr<TTaskbarProgress> taskbar_;
    std::unique_ptr<TSkinMenu> skinMenu_;
};

}  // namespace tw
