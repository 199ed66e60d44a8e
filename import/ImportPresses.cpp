// Counting imported links towards a write of the data file.
#include "import/ImportPresses.h"

CImportPresses CountImportedLinks(const CSavePressPolicy& policy, int savePresses,
                                  std::size_t links) {
    CImportPresses result;
    result.m_nSavePresses = savePresses;
    result.m_bModified = links != 0;
    int afterWrite = savePresses;
    for (std::size_t i = 0; i < links; ++i) {
        // Without a write the counter keeps growing, as after a failed one; with the writes the
        // policy calls for it starts again at each of them.
        result.m_nSavePresses = policy.Press(result.m_nSavePresses).m_nSavePresses;
        const CSavePressPolicy::CPress press = policy.Press(afterWrite);
        afterWrite = press.m_bWriteNow ? 0 : press.m_nSavePresses;
        result.m_bWriteNow = result.m_bWriteNow || press.m_bWriteNow;
    }
    result.m_nPressesAfterWrite = afterWrite;
    return result;
}

void CImportPresses::WriteFinished(bool written) {
    if (!m_bWriteNow) return;
    if (written) {
        // The file now holds every imported link.
        m_nSavePresses = m_nPressesAfterWrite;
        m_bModified = false;
    }
    m_bWriteNow = false;
}
