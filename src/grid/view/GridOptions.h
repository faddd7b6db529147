#pragma once

#include <QFlags>

#include <cstdint>

// The base grid's behaviour switches, a set as the framework keeps it.
enum TGridOption : std::uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

// The framework's default: all four kinds of grid lines and range selection.
inline constexpr TGridOptions kDefaultGridOptions{goFixedVertLine | goFixedHorzLine | goVertLine |
                                                  goHorzLine | goRangeSelect};

// How a cell is to be drawn: inside the selection, the current cell of the focused grid, a
// fixed cell.
enum TGridDrawStateFlag : std::uint8_t { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// Which scroll bars the grid offers; each shows only while there is something to scroll.
enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
