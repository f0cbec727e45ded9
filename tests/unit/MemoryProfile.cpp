#include "MemoryProfile.h"

#include <iterator>

void MemoryProfile::Set(const std::string& section, const std::string& entry, Value value)
{
    values[{section, entry}] = std::move(value);
}

const MemoryProfile::Value* MemoryProfile::Find(const std::string& section, const std::string& entry) const
{
    const auto found = values.find({section, entry});
    return found == values.end() ? nullptr : &found->second;
}

std::int32_t MemoryProfile::GetInt(const char* section, const char* entry, std::int32_t defaultValue)
{
    traffic.push_back(std::string("read ") + section + "/" + entry);
    const Value* value = Find(section, entry);
    return value && std::holds_alternative<std::int32_t>(*value) ? std::get<std::int32_t>(*value) : defaultValue;
}

std::string MemoryProfile::GetString(const char* section, const char* entry, const std::string& defaultValue)
{
    traffic.push_back(std::string("read ") + section + "/" + entry);
    const Value* value = Find(section, entry);
    return value && std::holds_alternative<std::string>(*value) ? std::get<std::string>(*value) : defaultValue;
}

bool MemoryProfile::Writes(const std::string& what)
{
    traffic.push_back(what);
    if (writesLeft == 0) return false;
    if (writesLeft > 0) --writesLeft;
    return true;
}

bool MemoryProfile::WriteInt(const char* section, const char* entry, std::int32_t value)
{
    if (!Writes(std::string("write ") + section + "/" + entry)) return false;
    Set(section, entry, value);
    return true;
}

bool MemoryProfile::WriteString(const char* section, const char* entry, const std::string& value)
{
    if (!Writes(std::string("write ") + section + "/" + entry)) return false;
    Set(section, entry, value);
    return true;
}

std::string MemoryProfile::GetText(const char* section, const char* entry)
{
    return GetString(section, entry, "");
}

bool MemoryProfile::WriteText(const char* section, const char* entry, const std::string& utf8)
{
    return WriteString(section, entry, utf8);
}

std::vector<std::string> MemoryProfile::Sections()
{
    traffic.push_back("sections");
    std::vector<std::string> names;
    for (const auto& [key, value] : values) {
        if (names.empty() || names.back() != key.first) names.push_back(key.first);
    }
    return names;
}

bool MemoryProfile::DeleteSection(const char* section)
{
    traffic.push_back(std::string("delete ") + section);
    // A value at a time, as the registry deletes a key's tree: ended meanwhile, the rest stays.
    for (auto at = values.begin(); at != values.end();) {
        if (at->first.first != section) {
            ++at;
            continue;
        }
        if (writesLeft == 0) return false;
        if (writesLeft > 0) --writesLeft;
        at = values.erase(at);
    }
    return true;
}
