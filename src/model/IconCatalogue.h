// The fixed list of 24 icons a slot can show: icon code to bitmap resource, in
// the order of the editor's cells.
#pragma once

#include <cstdint>

class IconCatalogue {
public:
    IconCatalogue();
    virtual ~IconCatalogue();

    // Index of the entry with this code, or -1.
    std::int32_t IndexOf(std::int32_t code) const;
    // Bitmap resource of the entry with this code, or 0 (which names none).
    std::int32_t BitmapOf(std::int32_t code) const;
    // Code of entry `index`, or 0 outside the catalogue.
    std::int32_t CodeAt(std::int32_t index) const;

    // A stored icon value below the entry count is a catalogue index, not a
    // code (the built-in slots and settings saved from them hold such values).
    std::int32_t CodeOfSlotIcon(std::int32_t value) const { return value < m_nCount ? CodeAt(value) : value; }

private:
    std::int32_t m_nCount;
};

extern const IconCatalogue g_iconCatalogue;
