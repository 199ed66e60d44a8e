// The rules of launching a link that need no thread: how the Link field's text becomes the
// target, whether it is explored as a folder, and the message for a failed launch.
#pragma once

#include <string>
#include <string_view>

class CShellLauncher;

// Shell results with a reason of their own in the failure message.
constexpr int kShellFileNotFound = 2;
constexpr int kShellPathNotFound = 3;
constexpr int kShellAccessDenied = 5;
constexpr int kShellOutOfMemory = 8;
constexpr int kShellAssociationIncomplete = 27;
constexpr int kShellNoAssociation = 31;

// `text` trimmed of white space at both ends, with "http://" put in front when it is longer than
// "www." and begins with it in any letter case.
std::string NormaliseLaunchTarget(std::string_view text);

// True for a drive root such as D:\ (without asking `shell`), and for a path of 4 to 259
// characters that `shell` reports as an existing folder, asked without one trailing backslash.
bool IsFolderPath(const std::string& path, CShellLauncher& shell);

// The message for a launch that the shell refused with `shellResult`: the verb, the target cut
// at 259 characters, and the reason for the common causes.
std::string LaunchFailureText(const std::string& target, bool explore, int shellResult);
