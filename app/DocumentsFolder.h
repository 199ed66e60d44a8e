// The user's documents folder, always ending in a backslash; "C:\My Documents\" when the system
// cannot tell.
#pragma once

#include <string>

std::string FindDocumentsFolder();
