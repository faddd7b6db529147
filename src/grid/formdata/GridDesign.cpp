#include "grid/formdata/GridDesign.h"

#include "grid/formdata/PropertyList.h"
#include "grid/model/PhraseGridModel.h"

void applyGridDesign(PhraseGridModel& grid, const GridDesign& design) {
    grid.setColCount(design.colCount);
    grid.setRowCount(design.rowCount);
    grid.setFixedCols(design.fixedCols);
    grid.setFixedRows(design.fixedRows);
    readPropertyList(grid, design.properties);
    grid.Loaded();
}
