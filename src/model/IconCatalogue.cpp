#include "model/IconCatalogue.h"

namespace {

struct IconEntry {
    std::int32_t code;
    std::int32_t bitmap;
};

constexpr std::int32_t kIconCount = 24;

// The order is binding: stored legacy indices and the editor's cells count on it.
constexpr IconEntry kIconEntries[kIconCount] = {
    {1001, 20001}, {1002, 20002},                                                 // potions
    {2001, 20003}, {2002, 20004}, {2003, 20005}, {2004, 20006}, {2005, 20007},   // skills
    {2006, 20008}, {2007, 20009}, {2008, 20010}, {2009, 20011}, {2010, 20012},   // skills, scroll, flask
    {3045, 20013}, {3058, 20014}, {3002, 20015}, {3018, 20016},                   // foods
    {4001, 20017}, {4002, 20018}, {4003, 20019},                                  // gems
    {5001, 20020}, {5002, 20021}, {5003, 20022}, {5004, 20023}, {5005, 20024},   // creatures
};

}  // namespace

const IconCatalogue g_iconCatalogue;

IconCatalogue::IconCatalogue() : m_nCount(kIconCount) {}

IconCatalogue::~IconCatalogue() = default;

std::int32_t IconCatalogue::IndexOf(std::int32_t code) const
{
    for (std::int32_t i = 0; i < m_nCount; ++i) {
        if (kIconEntries[i].code == code) return i;
    }
    return -1;
}

std::int32_t IconCatalogue::BitmapOf(std::int32_t code) const
{
    const std::int32_t index = IndexOf(code);
    return index < 0 ? 0 : kIconEntries[index].bitmap;
}

std::int32_t IconCatalogue::CodeAt(std::int32_t index) const
{
    return index >= 0 && index < m_nCount ? kIconEntries[index].code : 0;
}
