// CDataFileGuard: which writes may replace a data file.
#include "store/DataFileGuard.h"

#include <algorithm>

#include "store/TextConv.h"

bool CDataFileGuard::IsProtected(const std::string& path) const {
    return std::any_of(m_protected.begin(), m_protected.end(),
                       [&path](const std::string& p) { return TextConv().EqualNoCase(p, path); });
}

EWriteDecision CDataFileGuard::Decide(const std::string& path, EWriteTrigger trigger, bool modified,
                                      bool listEmpty) const {
    if (listEmpty && !modified) return EWriteDecision::nothingToWrite;
    if (trigger != EWriteTrigger::user && IsProtected(path)) return EWriteDecision::protectedFile;
    return EWriteDecision::write;
}

void CDataFileGuard::Loaded(const std::string& path, ELoadResult result) {
    // A missing file is a first start: there is nothing to protect.
    if (result == ELoadResult::loaded || result == ELoadResult::notFound) {
        Unprotect(path);
        return;
    }
    if (!IsProtected(path)) m_protected.push_back(path);
    m_bNoticeGiven = false;
}

void CDataFileGuard::Written(const std::string& path, EWriteTrigger trigger) {
    if (trigger == EWriteTrigger::user) Unprotect(path);
}

bool CDataFileGuard::TakeNotice() {
    if (m_protected.empty() || m_bNoticeGiven) return false;
    m_bNoticeGiven = true;
    return true;
}

void CDataFileGuard::Unprotect(const std::string& path) {
    m_protected.erase(
        std::remove_if(m_protected.begin(), m_protected.end(),
                       [&path](const std::string& p) { return TextConv().EqualNoCase(p, path); }),
        m_protected.end());
}
