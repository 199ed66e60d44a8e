// CPoolJob: the idle flag follows the work of each start.
#include "framework/PoolJob.h"

void CPoolJob::OnWorkPending() {
    m_bIdle = 0;
}

void CPoolJob::OnWorkDone() {
    m_bIdle = 1;
}
