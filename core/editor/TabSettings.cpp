#include "core/editor/TabSettings.h"

std::string CTabSettings::TabSpaces() const
{
    return m_nTabWidth > 0 ? std::string(static_cast<std::size_t>(m_nTabWidth), ' ') : std::string();
}

std::string CTabSettings::TabText() const
{
    return m_bSpaceTabs ? TabSpaces() : std::string("\t");
}
