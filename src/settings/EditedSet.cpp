#include "settings/EditedSet.h"

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"

CEditedSet::CEditedSet() : m_id(ShownSetId()), m_atOpen(ShownSet()), m_name(ShownSetName()) {}

bool CEditedSet::StillThere()
{
    if (FindSet(m_id)) return true;
    if (!m_bTold) {
        m_bTold = true;
        AfxMessageBox(CurrentMessageBoxContext(), FormatResourceString(IDS_SET_GONE, {m_name}));
    }
    return false;
}
