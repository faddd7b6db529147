#pragma once

#include <cstdint>

// Value types shared by the grid model, its view, its text and form-data formats.
// Every enumeration has a one-byte underlying type: stored bytes may hold any value up to
// 255, and such a value is kept as it is (an unknown value is "set", never "default").

enum class TMyAlign : std::uint8_t { alRight = 0, alLeft = 1, alCenter = 2, alDefault = 3 };

enum class T_Wordwrap : std::uint8_t {
    ww_none = 0,
    ww_wordwrap = 1,
    ww_ellipsis = 2,
    ww_default = 3
};

// Per-record editability: 0 = not set, 1 = not editable, 2 = editable.
enum class TCellEditability : std::uint8_t { ceNotSet = 0, ceReadOnly = 1, ceEditable = 2 };

// Direction of Tab and of the automatic move after Enter: the first word names the
// direction of each step, the second the direction taken when a line of cells runs out.
enum class T_nextcell : std::uint8_t {
    nc_rightdown = 0,
    nc_downright = 1,
    nc_leftdown = 2,
    nc_downleft = 3,
    nc_leftup = 4,
    nc_upleft = 5,
    nc_rightup = 6,
    nc_upright = 7
};

// What happens past the last cell of a traversal.
enum class T_lastcell : std::uint8_t { lc_newcolrow = 0, lc_stop = 1, lc_first = 2, lc_exit = 3 };

enum class TBrushStyle : std::uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7
};

enum class TFontPitch : std::uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

// Font style bits as stored: bold 1, italic 2, underline 4, strike-out 8.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

// A cell address; (-1, -1) names no cell.
struct GridCell {
    int col = -1;
    int row = -1;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A rectangle of cells, both ends included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The two directions in which the grid has lines of cells.
enum class GridAxis : std::uint8_t { Columns, Rows };

// The component of a cell address along an axis.
inline int& alongAxis(GridCell& cell, GridAxis axis) {
    return axis == GridAxis::Columns ? cell.col : cell.row;
}
inline int alongAxis(const GridCell& cell, GridAxis axis) {
    return axis == GridAxis::Columns ? cell.col : cell.row;
}
