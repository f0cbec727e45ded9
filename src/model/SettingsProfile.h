// What the settings store needs of a profile: integers and strings by section
// and entry name. Strings are bytes of the system's ANSI code page.
#pragma once

#include <cstdint>
#include <string>

class SettingsProfile {
public:
    virtual ~SettingsProfile() = default;

    // A missing or unreadable value gives the default.
    virtual std::int32_t GetInt(const char* section, const char* entry, std::int32_t defaultValue) = 0;
    virtual std::string GetString(const char* section, const char* entry, const std::string& defaultValue) = 0;
    virtual bool WriteInt(const char* section, const char* entry, std::int32_t value) = 0;
    virtual bool WriteString(const char* section, const char* entry, const std::string& value) = 0;

    // Whether a byte starts a double-byte character in the profile's code page.
    virtual bool IsLeadByte(unsigned char byte) const = 0;
};
