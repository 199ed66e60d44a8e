// CDataFileGuard: which writes may replace the current data file.
#include "store/DataFileGuard.h"

EWriteDecision CDataFileGuard::Decide(EWriteTrigger trigger, bool modified, bool listEmpty) const {
    if (listEmpty && !modified) return EWriteDecision::nothingToWrite;
    if (m_bProtected && trigger != EWriteTrigger::user) return EWriteDecision::protectedFile;
    return EWriteDecision::write;
}

void CDataFileGuard::Loaded(ELoadResult result) {
    // A missing file is a first start: there is nothing to protect.
    m_bProtected = result != ELoadResult::loaded && result != ELoadResult::notFound;
    m_bNoticeGiven = false;
}

void CDataFileGuard::Written(EWriteTrigger trigger) {
    if (trigger == EWriteTrigger::user) m_bProtected = false;
}

bool CDataFileGuard::TakeNotice() {
    if (!m_bProtected || m_bNoticeGiven) return false;
    m_bNoticeGiven = true;
    return true;
}
