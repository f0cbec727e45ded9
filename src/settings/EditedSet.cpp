#include "settings/EditedSet.h"

#include "sets/SetGone.h"

CEditedSet::CEditedSet() : m_id(ShownSetId()), m_atOpen(ShownSet()), m_name(ShownSetName()) {}

bool CEditedSet::StillThere()
{
    if (FindSet(m_id)) return true;
    if (!m_bTold) {
        m_bTold = true;
        TellSetGone(m_name);
    }
    return false;
}
