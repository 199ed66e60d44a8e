#include "app/SaveJob.h"

CSaveJob::~CSaveJob() {
    // The thread must be gone while the function it calls still exists.
    Shutdown();
}

void CSaveJob::Arm(std::function<void()> write, bool enabled) {
    m_write = std::move(write);
    m_bEnabled = enabled;
}

int CSaveJob::Run() {
    const bool enabled = m_bEnabled;
    if (enabled && m_write && !IsStopping()) m_write();
    return 0;
}

unsigned AutoSaveInterval(int timerIndex) {
    if (timerIndex < 0) timerIndex = 0;
    if (timerIndex > 5) timerIndex = 5;
    return static_cast<unsigned>(timerIndex + 1) * 600000u;
}

ETimerChange AutoSaveTimerChange(bool wasOn, int oldIndex, bool isOn, int newIndex) {
    if (wasOn && !isOn) return ETimerChange::stop;
    if (!wasOn && isOn) return ETimerChange::start;
    if (wasOn && isOn && oldIndex != newIndex) return ETimerChange::restart;
    return ETimerChange::none;
}
