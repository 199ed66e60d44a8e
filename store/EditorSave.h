// CEditorSave: the texts that Save writes from the editor into the list. The four fields are
// trimmed, and the first and the last line of the Description move into an empty Title and an
// empty Link when the Misc options ask for it.
#pragma once

#include <string>
#include <string_view>

#include "store/LinkList.h"

class CEditorSave {
public:
    // Constructors
    // Prepares the texts from the fields as they were typed. Throws std::bad_alloc when memory
    // runs out (the window then reports that the link cannot be saved).
    CEditorSave(std::string_view title, std::string_view link, std::string_view description,
                std::string_view category, bool moveToTitle, bool moveToLink);

    // Attributes
    // False when Title, Link and Description are all empty or blank: Save then changes nothing,
    // not even the category list, and every text here is empty.
    bool HasContent() const { return m_bHasContent; }
    // True when a Description line was moved into the Title (or the Link): only then is that
    // field rewritten. The Description field is always rewritten with GetDescription().
    bool IsTitleMoved() const { return m_bTitleMoved; }
    bool IsLinkMoved() const { return m_bLinkMoved; }
    const std::string& GetTitle() const { return m_strTitle; }
    const std::string& GetLink() const { return m_strLink; }
    const std::string& GetDescription() const { return m_strDescription; }
    // Trimmed; when not empty and not yet listed the window adds it to the category list.
    const std::string& GetCategory() const { return m_strCategory; }

private:
    void MoveFirstLineToTitle();
    void MoveLastLineToLink();

    std::string m_strTitle;
    std::string m_strLink;
    std::string m_strDescription;
    std::string m_strCategory;
    bool m_bHasContent = false;
    bool m_bTitleMoved = false;
    bool m_bLinkMoved = false;
};

// The record that Save writes the editor into, or nullptr to append a new record. Only a record
// loaded into the editor is replaced: by the Save button the one at the selection mark; on
// leaving a record the one the editor was filled from (`editorRecord`, nullptr when the list no
// longer holds it, so that the fields become a new record rather than being lost).
CLinkItem* ChooseSaveTarget(const CLinkList& list, bool recordLoaded, long long selectionMark,
                            bool byButton, CLinkItem* editorRecord);
