// CLaunchJob: hands one link to the shell on a worker thread, so that the main window never waits
// for a browser or an application, and reports a failed launch with its reason.
#pragma once

#include <functional>
#include <string>

#include "framework/PoolJob.h"

class CShellLauncher;

class CLaunchJob final : public CPoolJob {
public:
    // Receives the failure message, on the worker thread. The message is shown with the
    // exclamation icon and an OK button; the receiver posts it to the user-interface thread
    // rather than waiting for that thread (see CThreadJob).
    using FailureReporter = std::function<void(const std::string& message)>;

    // `shell` must outlive the job.
    CLaunchJob(CShellLauncher& shell, FailureReporter reportFailure);
    ~CLaunchJob() override;

    // Stores the Link field's text as the target: trimmed, with "http://" put in front of a
    // "www." address. Returns false and changes nothing while the job is busy, since its worker
    // thread may be reading the target.
    bool SetLink(const std::string& text);

    const std::string& GetTarget() const { return m_strTarget; }

protected:
    // Explores the target when it names a folder or a drive root, and opens it otherwise; 0 on
    // success, 2 after reporting a failure. The folder question is asked here, on the worker
    // thread, because the file system may take seconds to answer for an unreachable network path.
    int Run() override;

private:
    CShellLauncher& m_shell;
    FailureReporter m_reportFailure;
    std::string m_strTarget;
};
