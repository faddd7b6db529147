#include "GridDesign.h"

#include "PhraseGridModel.h"
#include "PropertyList.h"

void ApplyGridDesign(PhraseGridModel& grid, const GridDesign& design) {
    grid.setColCount(design.colCount);
    grid.setRowCount(design.rowCount);
    grid.setFixedCols(design.fixedCols);
    grid.setFixedRows(design.fixedRows);
    ReadPropertyList(grid, design.properties);
    grid.Loaded();
}
