// CSaveJob: the automatic save on a timer, as a worker-thread job. It writes through the function
// it was armed with, which takes the list lock for the write and hands any failure to the
// user-interface thread without waiting for it.
#pragma once

#include <functional>

#include "framework/PoolJob.h"

class CSaveJob final : public CPoolJob {
public:
    ~CSaveJob() override;

    // `write` runs on the worker thread; the job writes only while `enabled` is set.
    void Arm(std::function<void()> write, bool enabled);

protected:
    int Run() override;

private:
    std::function<void()> m_write;
    bool m_bEnabled = false;
};

// The period of the automatic save for a timer index 0..5: 10 to 60 minutes, in milliseconds.
unsigned AutoSaveInterval(int timerIndex);

// What the automatic-save timer must do when the saving options change: it runs exactly while
// the option is on, with the period of the current index.
enum class ETimerChange { none, start, stop, restart };
ETimerChange AutoSaveTimerChange(bool wasOn, int oldIndex, bool isOn, int newIndex);
