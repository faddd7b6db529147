#pragma once

#include <QByteArray>

class PhraseGridModel;

// A grid's design as its window stores it: the grid's counts, and its stored properties as
// a property list (PropertyList.h).
struct GridDesign {
    int colCount = 1;
    int rowCount = 1;
    int fixedCols = 0;
    int fixedRows = 0;
    QByteArray properties;
};

// Gives a grid its design in the order the form data need: the counts and fixed counts
// first (the after-loading step places cell texts only inside them), then the stored
// properties, then the after-loading step. Throws QuipError for malformed properties.
void applyGridDesign(PhraseGridModel& grid, const GridDesign& design);
