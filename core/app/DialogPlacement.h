#pragma once

// A rectangle on the screen in pixels; right and bottom are just outside it.
struct CScreenRect {
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;

    int Right() const { return m_nLeft + m_nWidth; }
    int Bottom() const { return m_nTop + m_nHeight; }
    bool Intersects(const CScreenRect& other) const;
    bool operator==(const CScreenRect&) const = default;
};

// Where a dialog goes so that it does not hide a match it found: where it
// is when it does not cover the match, else above the match when it fits on
// the screen there, else below it, else on the side with more room; always
// kept on the screen. Only the dialog's top left corner changes.
CScreenRect PlaceDialogAwayFrom(const CScreenRect& dialog, const CScreenRect& match, const CScreenRect& screen);
