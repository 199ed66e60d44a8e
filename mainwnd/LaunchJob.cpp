// CLaunchJob: the shell call and its failure message.
#include "mainwnd/LaunchJob.h"

#include <utility>

#include "app/ShellLauncher.h"
#include "mainwnd/LaunchTarget.h"

namespace {

// Results of Run.
constexpr int kLaunched = 0;
constexpr int kLaunchFailed = 2;
// The shell reports success with a value above this.
constexpr int kShellLastError = 32;

}  // namespace

CLaunchJob::CLaunchJob(CShellLauncher& shell, FailureReporter reportFailure)
    : m_shell(shell), m_reportFailure(std::move(reportFailure)) {}

// The worker thread reads the target and the seams: it must be gone before they are.
CLaunchJob::~CLaunchJob() {
    Shutdown();
}

bool CLaunchJob::SetLink(const std::string& text) {
    if (!IsIdle()) return false;
    m_strTarget = NormaliseLaunchTarget(text);
    return true;
}

int CLaunchJob::Run() {
    const bool explore = IsFolderPath(m_strTarget, m_shell);
    const int result = m_shell.Execute(explore ? "explore" : "open", m_strTarget);
    if (result > kShellLastError) return kLaunched;
    if (m_reportFailure) m_reportFailure(LaunchFailureText(m_strTarget, explore, result));
    return kLaunchFailed;
}
