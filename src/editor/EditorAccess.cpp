// The editor as a screen reader reads it: its drawn places, named.
#include "editor/TimerEditDlg.h"

#include <oleacc.h>

#include <algorithm>
#include <iterator>

#include "editor/EditorLayout.h"
#include "framework/ResourceLanguage.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "res/resource.h"

namespace {

// The places a reader walks through, after the icon cells: each time's
// columns (up, digits, down), then OK and Cancel.
constexpr int kTimePlaces[] = {HourUp,           HourDigits,           HourDown,           MinuteUp,
                               MinuteDigits,     MinuteDown,           SecondUp,           SecondDigits,
                               SecondDown,       CooldownHourUp,       CooldownHourDigits, CooldownHourDown,
                               CooldownMinuteUp, CooldownMinuteDigits, CooldownMinuteDown, CooldownSecondUp,
                               CooldownSecondDigits, CooldownSecondDown, OkButton,     CancelButton};
constexpr int kPartCount = kIconCellCount + static_cast<int>(std::size(kTimePlaces));

int PlaceOfPart(int child)
{
    return child <= kIconCellCount ? kIconCellFirst + child - 1 : kTimePlaces[child - kIconCellCount - 1];
}

// A time's digit box: read, not pressed.
bool IsDigitsPart(int child)
{
    const int at = child - kIconCellCount - 1;
    return at >= 0 && at < 18 && at % 3 == 1;
}

// The catalogue's names, one string for all: "초록 물약|빨간 물약|...".
std::wstring IconName(int cell)
{
    const std::wstring names = LoadResourceString(IDS_ICON_NAMES);
    std::size_t start = 0;
    for (int at = 0; at < cell && start != std::wstring::npos; ++at) {
        start = names.find(L'|', start);
        if (start != std::wstring::npos) ++start;
    }
    if (start == std::wstring::npos) return {};
    return names.substr(start, names.find(L'|', start) - start);
}

}  // namespace

int CTimerEditDlg::PartCount() const
{
    return kPartCount;
}

AccessiblePart CTimerEditDlg::Part(int child) const
{
    AccessiblePart part;
    if (child <= 0 || child > kPartCount) {
        part.name = LoadResourceString(IDS_READ_EDITOR);
        part.role = ROLE_SYSTEM_DIALOG;
        part.location = GetWindowRect();
        return part;
    }
    const int place = PlaceOfPart(child);
    part.location = OnScreen(ToRect(EditorPlaceRect(place)));
    if (IsIconCell(place)) {
        const int cell = place - kIconCellFirst;
        part.name = FormatResourceString(IDS_READ_ICON, {std::to_wstring(cell + 1), IconName(cell)});
        part.role = ROLE_SYSTEM_LISTITEM;
        part.state = STATE_SYSTEM_SELECTABLE |
                     (g_iconCatalogue.CodeAt(cell) == m_nIconCode ? STATE_SYSTEM_SELECTED : 0);
        part.defaultAction = LoadResourceString(IDS_READ_CHOOSE);
        return part;
    }
    if (place == OkButton || place == CancelButton) {
        part.name = LoadResourceString(place == OkButton ? IDS_READ_OK : IDS_READ_CANCEL);
        part.role = ROLE_SYSTEM_PUSHBUTTON;
        part.defaultAction = LoadResourceString(IDS_READ_PRESS);
        return part;
    }
    // A time's column: its field's name, the cooldown's marked so.
    const int at = child - kIconCellCount - 1;
    const int column = at % 9 / 3;
    std::wstring field = LoadResourceString(IDS_READ_HOURS + static_cast<UINT>(column));
    if (IsCooldownPlace(place)) field = FormatResourceString(IDS_READ_COOLDOWN, {field});
    if (IsDigitsPart(child)) {
        const DurationFields fields = SplitDuration(IsCooldownPlace(place) ? EditedCooldown() : EditedTotal());
        const std::int64_t values[] = {fields.hours, fields.minutes, fields.seconds};
        part.name = field;
        const std::string digits = FormatField(values[column]);
        part.value.assign(digits.begin(), digits.end());
        part.role = ROLE_SYSTEM_STATICTEXT;
        part.state = STATE_SYSTEM_READONLY;
        return part;
    }
    part.name = FormatResourceString(at % 3 == 0 ? IDS_READ_UP : IDS_READ_DOWN, {field});
    part.role = ROLE_SYSTEM_PUSHBUTTON;
    part.defaultAction = LoadResourceString(IDS_READ_PRESS);
    return part;
}

void CTimerEditDlg::TellReaders(int place)
{
    if (IsIconCell(place)) {
        CAccessibleWindow::TellSelected(m_hWnd, place - kIconCellFirst + 1);
        return;
    }
    // The digits of the place's column, one below its up arrow.
    const int* at = std::find(std::begin(kTimePlaces), std::end(kTimePlaces), place);
    if (at == std::end(kTimePlaces) || at - kTimePlaces >= 18) return;
    const int column = static_cast<int>(at - kTimePlaces) / 3 * 3;
    CAccessibleWindow::TellValueChanged(m_hWnd, kIconCellCount + column + 2);
}

bool CTimerEditDlg::DoDefaultAction(int child)
{
    if (child <= 0 || child > kPartCount) return false;
    const int place = PlaceOfPart(child);
    if (IsDigitsPart(child)) return false;
    // Posted: the reader's call returns first, and the editor acts as for a click.
    ::PostMessageW(m_hWnd, kReaderPressMessage, static_cast<WPARAM>(place), 0);
    return true;
}
