#include "MemoryProfile.h"

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

bool MemoryProfile::WriteInt(const char* section, const char* entry, std::int32_t value)
{
    traffic.push_back(std::string("write ") + section + "/" + entry);
    Set(section, entry, value);
    return true;
}

bool MemoryProfile::WriteString(const char* section, const char* entry, const std::string& value)
{
    traffic.push_back(std::string("write ") + section + "/" + entry);
    Set(section, entry, value);
    return true;
}
