// CLinksDlg: the main window. It owns the collection (the model), shows it in an owner-data list
// with two counters, shows one record in the editor below, and loads and writes the data file.
// Every change of rows is made on the model first and then shown by a refresh of the view; the
// model also holds which rows are selected, and the list view asks it when it draws a row.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/PlacementKeeper.h"
#include "app/Profile.h"
#include "app/SaveJob.h"
#include "app/Settings.h"
#include "app/ShellLauncher.h"
#include "controls/SortedComboBox.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListView.h"
#include "framework/Static.h"
#include "framework/ThreadJobPool.h"
#include "import/ImportHost.h"
#include "mainwnd/LinkListView.h"
#include "options/OptionsHost.h"
#include "search/SearchHistory.h"
#include "search/SearchJob.h"
#include "store/Clock.h"
#include "store/DataFile.h"
#include "store/DataFileGuard.h"
#include "store/ExitSave.h"
#include "store/FileSystem.h"
#include "store/LinkList.h"
#include "tools/SortState.h"
#include "tools/TitleCaser.h"
#include "tools/UndoManager.h"

class CLinksDlg : public CDialog, public COptionsHost, public CImportHost {
public:
    // Timers of the main window.
    enum { timerKey = 3, timerAutoSave = 4 };
    static constexpr UINT keyTimerDelay = 50;
    // A text that a worker thread hands over to be shown in a message box; lParam owns a
    // heap-allocated std::string.
    static constexpr UINT WM_JOB_MESSAGE = WM_APP + 1;
    // A search job has ended; lParam owns a heap-allocated CSearchOutcome.
    static constexpr UINT WM_SEARCH_DONE = WM_APP + 2;
    // Opens the options sheet on the Saving page once the window's thread is free: after the
    // current data file could not be read or written.
    static constexpr UINT WM_OPEN_OPTIONS = WM_APP + 3;
    // The columns of the list of links, in their order.
    enum { colTitle, colCategory, colDescription, colAdded, colModified, columnCount };

    // Reads nothing from a window: reads the settings from the profile, finds the documents
    // folder and the default data file.
    CLinksDlg(CProfile& profile, CFileSystem& fileSystem, const CClock& clock,
              CShellLauncher& launcher);
    ~CLinksDlg() override;

    // Attributes
    const CLinkList& GetList() const { return m_list; }
    const std::string& GetDataFile() const { return m_settings.m_strDataFile; }
    const CSettings& GetSettings() const { return m_settings; }
    const std::string& GetDocumentsFolder() const override { return m_strDocumentsFolder; }
    bool IsModified() const override { return m_bModified; }
    bool IsAutoSaveIdle() const { return m_saveJob.IsIdle(); }
    bool IsSearching() const { return m_bSearching; }
    int GetSavePresses() const override { return m_nSavePresses; }
    bool IsPreviewActive() const { return m_bPreview; }
    const CUndoManager& GetUndoManager() const { return *m_pUndoManager; }
    bool IsSaveOnExit() const { return m_bSaveOnExit; }

    // Operations on the list view
    // Suspends drawing of the list (true), or lifts it and repaints the list once (false).
    void LockListUpdate(bool lock);
    void UpdateLinkCount();
    void UpdateSelectedCount();
    void DeselectAll();
    // Shows the record at the list's selection mark in the editor.
    void ShowSelectedLink(bool fromClick);

    // Enables Previous and Next by whether a selected row lies above and below `row`.
    void UpdatePrevNextButtons(int row);
    void SelectAllLinks();
    void InvertSelection();

    // Operations of the incremental search
    // Searches the whole list for the Search box's term on this thread and shows the result.
    void RunSearch();
    // Adds the Search box's term, trimmed, to the history unless it is listed (any case).
    void AddSearchTerm();
    void LoadSearchTerms();
    // Writes the ten newest terms, oldest first.
    void SaveSearchTerms();
    void ClearSearchTerms() override;
    bool HasSearchTerms() const override { return !m_history.Terms().empty(); }

    // Operations on the editor
    void ShowLinkItem(const CLinkItem* item);
    void ClearEditor(bool resetCategories);
    // Writes the editor's fields into the list: by the Save button, or on leaving a record.
    void SaveEditorLink(bool byButton);
    void UpdateDeleteLabel();

    // Operations on the data file; no path means the current data file.
    bool SaveDataFile(const std::optional<std::string>& path = std::nullopt) override;
    bool LoadDataFile(const std::optional<std::string>& path = std::nullopt,
                      bool append = false) override;
    // Frees every record and empties the view, the category list and the editor.
    void ClearList() override;

    // Operations of the options pages
    std::vector<std::string> GetCategories() const override;
    void SetCategories(const std::vector<std::string>& names) override;
    void RenameCategories(std::map<std::string, std::string>& oldToNew) override;
    std::vector<std::string> GetTitleCaseExceptions() const override;
    void SetTitleCaseExceptions(const std::vector<std::string>& exceptions) override;
    std::vector<std::string> GetDefaultTitleCaseExceptions() const override;
    void SetNumberFormat(bool useSeparator, char separator) override;

    // Operations of the Import window
    CImportOutcome ImportBookmarks(const std::string& fileName, const ImportQuestion& ask) override;
    CNumberFormatter GetNumberFormatter() const override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;
    // Every way of closing (the Close button, Esc, the close box) saves first; a list whose
    // changes could not be saved is kept open unless the user chooses to close without them.
    void OnOK() override;
    void OnCancel() override;

private:
    // Holds the list lock on the window's thread. Notices raised meanwhile are shown once the
    // outermost guard lets go, so that no message box's loop runs while the lock is held.
    class CListGuard {
    public:
        explicit CListGuard(CLinksDlg& dlg);
        ~CListGuard();
        CListGuard(const CListGuard&) = delete;
        CListGuard& operator=(const CListGuard&) = delete;

    private:
        CLinksDlg& m_dlg;
    };

    // What became of a write of the current data file.
    enum class EWriteOutcome { written, failed, protectedFile, nothingToWrite };

    // Which records the focus, the selection mark and the editor belong to, so that a bulk
    // change of rows can give them back to those records wherever they are afterwards.
    struct CRowAnchors {
        const CLinkItem* focused = nullptr;
        const CLinkItem* mark = nullptr;
    };

    // Shows a failure or a notice with the exclamation icon, at once or, while this thread
    // holds the list lock, once it has let go.
    void Notify(const std::string& text);
    void ShowDeferredNotices();

    void InitColumns();
    void BuildSystemMenu();
    // Returns true when the system command was the program's own.
    bool OnSysCommand(UINT command);
    void UpdateUndoRedoMenus();
    void OnUndo(bool undo);
    void ApplyUndoResult(const CUndoResult& result, const CRowAnchors& anchors);
    void OnActivatePreview();
    // The auxiliary windows of the system menu.
    void OnStatistics();
    void OnTipOfTheDay();
    void OnAbout();
    void OnNew();
    void OnSave();
    void OnDelete();
    void OnLaunch();
    void OnDropFiles(HDROP drop);
    void OnOptions();
    void OnImport();
    void OnColumnClick(int column);
    void OnMultiColumnSort();
    // Sorts the model's rows with `sort`, the focus, the selection mark and the editor following
    // their records, and marks the list changed.
    void SortRows(const std::function<void()>& sort);
    void OnTitleCase();
    void OnWordWrap();
    // Converts the editor's Title (or Description) field when fewer than two rows are selected,
    // and otherwise the Title (Description) of every selected record.
    void ApplyToTexts(bool titles, const std::function<std::string(std::string_view)>& convert);
    // Runs the options sheet (on the Saving page when asked) and takes its values on OK.
    void RunOptions(bool savingPage);
    // Asks for the options sheet on the Saving page after a failure of the current data file,
    // unless the program is closing or the sheet is already open or asked for.
    void RequestSavingPage();
    // Writes the list; on success the counter of Save presses and the modified mark are cleared.
    // Shows nothing, so that a worker thread may call it; the caller holds the list lock.
    ESaveResult WriteList(const std::string& path);
    // Writes the current data file for `trigger` as the guard allows; shows nothing. The caller
    // holds the list lock.
    EWriteOutcome WriteCurrent(EWriteTrigger trigger);
    // Tells of a write of the current data file that failed or was kept from a protected file.
    void ReportWrite(EWriteOutcome outcome);
    // Writes the list beside the data file (or into the documents folder) when the data file
    // could not take the changes, and notes it for the next start.
    bool WriteRecoveryFile();
    // The note a recovery file left at the last session end, shown once.
    void ShowRecoveryNote();
    bool PrepareToClose();
    // The automatic save's work, on the worker thread.
    void WriteFromTimer();
    // Hands a text to the user-interface thread to be shown, and asks for the Saving page after
    // it when `savingPage` is set; callable from any thread.
    void PostJobMessage(const std::string& text, bool savingPage = false) const;
    void OnJobMessage(WPARAM savingPage, LPARAM text);
    void OnAutoSaveTick();
    // The matching rows of the term under the current options, searched under the list lock;
    // false when a stop was requested of `job` (the search on a worker thread) first.
    bool FindMatches(const std::string& term, unsigned fields, bool allowTypos, int separation,
                     std::vector<size_t>& rows, CSearchJob* job);
    unsigned SearchFields() const;
    void StartSearchJob();
    void SearchWork(CSearchJob& job);
    void OnSearchDone(LPARAM outcome);
    static void DiscardSearchOutcome(LPARAM outcome);
    // Selects exactly the given rows and shows the first (or last) in the editor.
    void ApplySearch(const std::vector<size_t>& rows);
    void OnSearchCommand(int code);
    void OnPrevNext(bool next);
    // Stops every job and waits for the one at work, before the window goes; the failures the
    // jobs reported meanwhile are shown.
    void ShutdownJobs();
    // Saves what leaving the program saves, in its order (editor, data file, search terms); says
    // what became of the data file (nothingToWrite also when leaving does not want it written).
    EWriteOutcome SaveOnExit(EExitWay way);
    // Counts a stored record for the saving policy (may write the data file).
    void CountChange();
    // The record the editor was filled from when the list still holds it, else nullptr.
    CLinkItem* EditorRecord() const;
    // The list view's rows after a change of the model's rows: the new count, with the focus,
    // the selection mark and the editor's row following their records.
    CRowAnchors CaptureAnchors() const;
    void RefreshRows(const CRowAnchors& anchors);
    // Stores the placement and the column widths (every way out, whatever the options say).
    void StoreWindowState();
    void FillCategoryCombo();
    void OnConfirmExit();
    void OnGetDispInfo(NMLVDISPINFOA* info);
    void OnItemChanged(const NMLISTVIEW* change);
    void OnStateRangeChanged(const NMLVODSTATECHANGE* change);
    LRESULT OnFindItem(const NMLVFINDITEMA* find, bool wide);
    bool OnListKeyDown(const NMLVKEYDOWN* key);
    void OnEndSession(bool ending);
    void OnSize(UINT type);
    bool OnPaint();
    std::string FormatCount(const char* format, long long count) const;

    // The model and its guard: re-entrant, and waited for by workers only while no stop is
    // requested of them (see CThreadJob::LockUnlessStopped).
    CLinkList m_list;
    std::recursive_timed_mutex m_listLock;
    int m_nListLockDepth = 0;  // how deep the window's thread holds the lock
    std::vector<std::string> m_deferredNotices;
    // Which writes may replace the current data file; under the list lock.
    CDataFileGuard m_fileGuard;
    CFileSystem& m_fileSystem;
    const CClock& m_clock;
    CProfile& m_profile;
    CShellLauncher& m_launcher;
    CPlacementKeeper m_placement;

    // Resources
    HICON m_hIcon = nullptr;
    HACCEL m_hAccel = nullptr;

    // Settings and state
    CSettings m_settings;
    std::string m_strDocumentsFolder;
    CSearchHistory m_history;
    // Written by the automatic save's thread too (under the list lock).
    std::atomic<bool> m_bModified{false};
    std::atomic<int> m_nSavePresses{0};
    bool m_bEditorDirty = false;
    bool m_bRecordLoaded = false;
    int m_nEditorRow = -1;
    // The record the editor was filled from, so that a later save finds it even after rows moved.
    const CLinkItem* m_pEditorItem = nullptr;
    bool m_bSearching = false;
    bool m_bSaveOnExit = true;
    // Closing has saved (or the user chose to close without saving): destroying saves no more.
    bool m_bExitPrepared = false;
    // The session is ending: no message box could be answered.
    bool m_bSessionEnding = false;
    // The options sheet is open, or asked for by a failure.
    bool m_bOptionsOpen = false;
    bool m_bOptionsRequested = false;
    // The Saving page was asked for while another window of the program was open: it is asked
    // for again when that window enables the main window as it closes.
    bool m_bSavingPageDue = false;
    // The window is closing: no sheet opens any more.
    bool m_bClosing = false;
    bool m_bPrevKeyAlt = false;
    bool m_bPreview = false;
    std::unique_ptr<CUndoManager> m_pUndoManager;
    CTitleCaser m_titleCaser;
    CSortState m_sortState;
    // Worker-thread jobs: launching links, searching, and the automatic save.
    std::unique_ptr<CThreadJobPool> m_launchJobs;
    CSaveJob m_saveJob;
    std::unique_ptr<CThreadJobPool> m_searchJobs;
    CSearchJob* m_pSearchJob = nullptr;
    // Counts the searches started; only the result of the newest is shown.
    unsigned m_nSearchGeneration = 0;
    // The window's handle for the jobs, which must not read m_hWnd while it changes.
    std::atomic<HWND> m_hJobTarget{nullptr};

    // Controls
    CLinkListView m_listLinks;
    CEdit m_editTitle;
    CEdit m_editLink;
    CEdit m_editDescription;
    CSortedComboBox m_comboCategory;
    CSortedComboBox m_comboSearch;
    CStatic m_staticLinkCount;
    CStatic m_staticSelectedCount;
    CStatic m_staticModified;
    CButton m_btnPrevious;
    CButton m_btnNext;
    CButton m_btnDelete;
};
