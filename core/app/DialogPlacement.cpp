#include "core/app/DialogPlacement.h"

#include <algorithm>

bool CScreenRect::Intersects(const CScreenRect& other) const
{
    return m_nLeft < other.Right() && other.m_nLeft < Right() && m_nTop < other.Bottom() && other.m_nTop < Bottom();
}

CScreenRect PlaceDialogAwayFrom(const CScreenRect& dialog, const CScreenRect& match, const CScreenRect& screen)
{
    if (!dialog.Intersects(match))
        return dialog;
    CScreenRect placed = dialog;
    const int nAbove = match.m_nTop - dialog.m_nHeight;
    const int nBelow = match.Bottom();
    if (nAbove >= screen.m_nTop)
        placed.m_nTop = nAbove;
    else if (nBelow + dialog.m_nHeight <= screen.Bottom())
        placed.m_nTop = nBelow;
    else if (match.m_nTop - screen.m_nTop >= screen.Bottom() - match.Bottom())
        placed.m_nTop = screen.m_nTop;
    else
        placed.m_nTop = screen.Bottom() - dialog.m_nHeight;
    // Sideways only as far as needed to stay on the screen.
    placed.m_nLeft = std::max(screen.m_nLeft, std::min(placed.m_nLeft, screen.Right() - dialog.m_nWidth));
    placed.m_nTop = std::max(screen.m_nTop, std::min(placed.m_nTop, screen.Bottom() - dialog.m_nHeight));
    return placed;
}
