#pragma once

#include "Geometry.h"

#include <string>

// The user's annotations, kept in the containers of each chart and written
// to chart files field by field.

// One filled cell or tangent mark.
struct Cell_Style {
    int m_nWidth = 1;          // pen width when the mark was made (tangent marks draw with it)
    Color m_crColor = 0;
    bool m_bCircle = true;     // fills: circle (true) or whole cell (false); tangent marks: true
    bool m_bShown = true;

    friend bool operator==(const Cell_Style& a, const Cell_Style& b)
    {
        return a.m_nWidth == b.m_nWidth && a.m_crColor == b.m_crColor &&
               a.m_bCircle == b.m_bCircle && a.m_bShown == b.m_bShown;
    }
};

// One line between two cells.
struct CLine {
    int m_nWidth = 1;          // screen pixels; divided by the zoom when drawn
    Color m_crColor = 0;
    bool m_bArrow = false;     // arrow head at the end cell
    int m_nStartCell = 0;
    int m_nEndCell = 0;

    friend bool operator==(const CLine& a, const CLine& b)
    {
        return a.m_nWidth == b.m_nWidth && a.m_crColor == b.m_crColor && a.m_bArrow == b.m_bArrow &&
               a.m_nStartCell == b.m_nStartCell && a.m_nEndCell == b.m_nEndCell;
    }
};

// One text note attached to a cell. Text and face are UTF-8 in memory.
struct Comments {
    std::string m_strText;     // may hold several lines
    Color m_crBack = 0;        // box background
    int m_nHeight = 0;         // font height in chart units at zoom 1, sign included
    int m_nWeight = 0;         // not stored in files: 0 takes the face's default weight
    unsigned char m_bItalic = 0;
    unsigned char m_nCharSet = 0;
    std::string m_strFace;
    Rect m_rcBox;              // where the note was last drawn; not stored
    Color m_crText = 0;

    // Equality of what a chart file keeps.
    friend bool operator==(const Comments& a, const Comments& b)
    {
        return a.m_strText == b.m_strText && a.m_crBack == b.m_crBack && a.m_nHeight == b.m_nHeight &&
               a.m_bItalic == b.m_bItalic && a.m_nCharSet == b.m_nCharSet &&
               a.m_strFace == b.m_strFace && a.m_crText == b.m_crText;
    }
};
