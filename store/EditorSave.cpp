// CEditorSave: trimming the editor's fields and moving Description lines into Title and Link.
#include "store/EditorSave.h"

#include "store/TextTrim.h"

CEditorSave::CEditorSave(std::string_view title, std::string_view link,
                         std::string_view description, std::string_view category, bool moveToTitle,
                         bool moveToLink) {
    const std::string_view trimmedTitle = TrimView(title);
    const std::string_view trimmedLink = TrimView(link);
    const std::string_view trimmedDescription = TrimView(description);
    if (trimmedTitle.empty() && trimmedLink.empty() && trimmedDescription.empty()) return;

    m_bHasContent = true;
    m_strTitle = trimmedTitle;
    m_strLink = trimmedLink;
    m_strDescription = trimmedDescription;
    m_strCategory = TrimView(category);
    if (moveToTitle && m_strTitle.empty()) MoveFirstLineToTitle();
    // Works on the Description as the first move left it.
    if (moveToLink && m_strLink.empty()) MoveLastLineToLink();
    m_strDescription = TrimText(m_strDescription);
}

void CEditorSave::MoveFirstLineToTitle() {
    const std::size_t lineEnd = m_strDescription.find_first_of("\r\n");
    if (lineEnd == std::string::npos) return;
    // The Description keeps its line break here; the final trim removes it.
    m_strTitle = TrimView(std::string_view(m_strDescription).substr(0, lineEnd));
    m_strDescription.erase(0, lineEnd);
    m_bTitleMoved = true;
}

void CEditorSave::MoveLastLineToLink() {
    // The last line break is the later of the last LF and the last CR, so that a lone CR also
    // ends a line.
    const std::size_t lastBreak = m_strDescription.find_last_of("\r\n");
    if (lastBreak == std::string::npos) return;
    m_strLink = TrimView(std::string_view(m_strDescription).substr(lastBreak + 1));
    m_strDescription.erase(lastBreak + 1);
    m_bLinkMoved = true;
}

CLinkItem* ChooseSaveTarget(const CLinkList& list, bool recordLoaded, long long selectionMark,
                            bool byButton, CLinkItem* editorRecord) {
    if (!recordLoaded || selectionMark < 0) return nullptr;
    if (!byButton) return editorRecord;
    const auto row = static_cast<std::size_t>(selectionMark);
    return row < list.GetCount() ? list.GetAt(row) : nullptr;
}
