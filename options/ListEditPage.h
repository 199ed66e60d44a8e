// CListEditPage: a page that edits a sorted list of names with an edit field and the buttons
// Add, Edit and Delete; a double-click on an entry is Edit.
#pragma once

#include "framework/PropertySheet.h"

class CListEditPage : public CPropertyPageRestore {
protected:
    CListEditPage(UINT templateId, int listId)
        : CPropertyPageRestore(templateId), m_nListId(listId) {}

    bool OnCommand(int id, int code, HWND control) override;
    virtual void OnAdd() = 0;
    virtual void OnEdit() = 0;
    virtual void OnDelete() = 0;

private:
    int m_nListId;
};
