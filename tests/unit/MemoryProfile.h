// An in-memory profile that records every read and write in order, with the
// double-byte lead bytes of code page 949.
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "model/SettingsProfile.h"

class MemoryProfile : public SettingsProfile {
public:
    using Value = std::variant<std::int32_t, std::string>;

    MemoryProfile() = default;
    // A profile that holds one value.
    MemoryProfile(const std::string& section, const std::string& entry, Value value) { Set(section, entry, value); }

    std::int32_t GetInt(const char* section, const char* entry, std::int32_t defaultValue) override;
    std::string GetString(const char* section, const char* entry, const std::string& defaultValue) override;
    bool WriteInt(const char* section, const char* entry, std::int32_t value) override;
    bool WriteString(const char* section, const char* entry, const std::string& value) override;
    std::string GetText(const char* section, const char* entry) override;
    bool WriteText(const char* section, const char* entry, const std::string& utf8) override;
    std::vector<std::string> Sections() override;
    bool DeleteSection(const char* section) override;
    bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }

    void Set(const std::string& section, const std::string& entry, Value value);
    const Value* Find(const std::string& section, const std::string& entry) const;

    std::map<std::pair<std::string, std::string>, Value> values;
    // "read Save/Icon#0", "write Option/MainWinLeft", "delete Set3", ... in call order.
    std::vector<std::string> traffic;
    // Writes (and values deleted) that still take effect: at 0 every later one
    // fails, as when the process was ended there. Negative: no end.
    int writesLeft = -1;

private:
    bool Writes(const std::string& what);
};
