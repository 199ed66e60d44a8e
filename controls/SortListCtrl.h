// CSortListCtrl: a report list whose rows each own a record of the derived class. Cell texts are
// asked of the record when drawn; a header click sorts by that column, and a second click on the
// same column reverses the order. Records go with their rows, however the rows are deleted.
// The dialog passes the list's notifications to OnParentNotify.
#pragma once

#include <string>
#include <vector>

#include "controls/HeaderSort.h"
#include "framework/ListView.h"
#include "framework/SubclassWindow.h"

class CSortListCtrl : public CListView, private CSubclassWindow {
public:
    // Constructors
    CSortListCtrl() = default;
    ~CSortListCtrl() override;
    bool Attach(HWND hWnd);

    // Operations
    // Inserts a row at `index` that owns `record` (deleted here when the row cannot be made);
    // returns the row, or -1.
    int InsertRecord(int index, void* record);
    void* GetRecord(int row) const { return reinterpret_cast<void*>(GetItemData(row)); }
    void Sort(int column, bool reversed);
    // Handles the list's text requests and header clicks; true when the notification was one.
    bool OnParentNotify(const NMHDR* header, LRESULT& result);

    bool m_bOwnsItemData = true;
    bool m_bSortable = true;

protected:
    // Overridables
    virtual std::string GetItemText(const void* record, int column) const = 0;
    virtual int Compare(const void* first, const void* second, int column, bool reversed) const = 0;
    virtual void DeleteRecord(void* record) = 0;

    bool OnSubclassMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct CSortContext {
        const CSortListCtrl* list;
        int column;
        bool reversed;
    };

    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM self);
    std::vector<void*> AllRecords() const;
    void DeleteRecords(const std::vector<void*>& records);

    CHeaderSort m_sort;
};
