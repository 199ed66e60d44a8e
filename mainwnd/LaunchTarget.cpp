// Normalising a link for the shell, the folder test and the launch failure message.
#include "mainwnd/LaunchTarget.h"

#include <cstddef>

#include "app/ShellLauncher.h"
#include "store/TextTrim.h"

namespace {

// Paths of this length or longer do not fit the platform's path buffer.
constexpr std::size_t kMaxPath = 260;
// The target is cut to this many characters in the failure message.
constexpr std::size_t kMaxShownTarget = 259;

char LowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool StartsWithWww(const std::string& text) {
    static constexpr char kWww[] = "www.";
    for (std::size_t i = 0; i < 4; ++i) {
        if (LowerAscii(text[i]) != kWww[i]) return false;
    }
    return true;
}

const char* FailureReason(int shellResult) {
    switch (shellResult) {
        case kShellFileNotFound:
            return "  This item was not found.";
        case kShellPathNotFound:
            return "  This item's path was not found.";
        case kShellAccessDenied:
            return "  Windows denied access to this item.";
        case kShellOutOfMemory:
            return "  There isn't enough available memory.  Try closing another application.";
        case kShellAssociationIncomplete:
        case kShellNoAssociation:
            return "  You may need to use Windows Explorer to set up an association for this "
                   "item.";
        default:
            return "";
    }
}

}  // namespace

std::string NormaliseLaunchTarget(std::string_view text) {
    std::string target = TrimText(text);
    // "www." alone is left as it is: there is no host name to make an address of.
    if (target.size() > 4 && StartsWithWww(target)) target.insert(0, "http://");
    return target;
}

bool IsFolderPath(const std::string& path, CShellLauncher& shell) {
    if (path.size() < 3 || path.size() >= kMaxPath) return false;
    // A drive root is explored even when the drive does not exist; the shell then reports it.
    if (path.size() == 3) return path[1] == ':' && path[2] == '\\';
    std::string folder = path;
    if (folder.back() == '\\') folder.pop_back();
    return shell.IsFolder(folder);
}

std::string LaunchFailureText(const std::string& target, bool explore, int shellResult) {
    std::string text = explore ? "Could not explore \"" : "Could not open \"";
    text.append(target, 0, kMaxShownTarget);
    text += "\".";
    text += FailureReason(shellResult);
    return text;
}
