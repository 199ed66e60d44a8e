// RecoveryFileCandidates: the recovery file's name and folders.
#include "store/RecoveryFile.h"

#include <cstdio>

std::vector<std::string> RecoveryFileCandidates(const std::string& dataFile,
                                                const std::string& documentsFolder,
                                                const CCivilTime& now) {
    const std::size_t slash = dataFile.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : dataFile.substr(0, slash + 1);
    std::string name = dataFile.substr(folder.size());
    std::string extension = ".dat";
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        extension = name.substr(dot);
        name.erase(dot);
    }
    if (name.empty()) name = "links";
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, " (recovered %04d-%02d-%02d %02d.%02d.%02d)", now.year,
                  now.month, now.day, now.hour, now.minute, now.second);
    const std::string file = name + stamp + extension;
    std::vector<std::string> candidates = {folder + file};
    if (documentsFolder != folder) candidates.push_back(documentsFolder + file);
    return candidates;
}
