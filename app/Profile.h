// CProfile: the settings store seen by the core: integer and text values by section and key, each
// read with a default for a value that is missing or cannot be read.
#pragma once

#include <string>

class CProfile {
public:
    virtual ~CProfile() = default;

    virtual int GetInt(const std::string& section, const std::string& key,
                       int defaultValue) const = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
    // An empty text deletes the value, so that it reads as its default again.
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};
