// What the settings store needs of a profile: integers and strings by section
// and entry name. Strings are bytes of the system's ANSI code page, as the
// slots' names are stored; texts are UTF-8, for the values stored as the
// UTF-16 they are (a game's file name, a set's name).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SettingsProfile {
public:
    virtual ~SettingsProfile() = default;

    // A missing or unreadable value gives the default.
    virtual std::int32_t GetInt(const char* section, const char* entry, std::int32_t defaultValue) = 0;
    virtual std::string GetString(const char* section, const char* entry, const std::string& defaultValue) = 0;
    virtual bool WriteInt(const char* section, const char* entry, std::int32_t value) = 0;
    virtual bool WriteString(const char* section, const char* entry, const std::string& value) = 0;
    virtual std::string GetText(const char* section, const char* entry) = 0;
    virtual bool WriteText(const char* section, const char* entry, const std::string& utf8) = 0;
    // The sections there are (each a key of the program's), and one gone with its values.
    virtual std::vector<std::string> Sections() = 0;
    virtual bool DeleteSection(const char* section) = 0;

    // Whether a byte starts a double-byte character in the profile's code page.
    virtual bool IsLeadByte(unsigned char byte) const = 0;
};
