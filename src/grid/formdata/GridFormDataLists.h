#pragma once

#include "grid/formdata/FormDataReader.h"

// Shared by the readers of the grid's stored properties.

// Layer indices in form data keep their low 16 bits, so they lie in 0 to 65535.
inline constexpr int kFormDataIndexLimit = 65536;
inline int low16(int index) {
    return index & 0xFFFF;
}

// Reads a list, calling readEntry() for each entry until the list ends.
template <typename F>
void readListEntries(FormDataReader& reader, F readEntry) {
    reader.readListBegin();
    while (!reader.endOfList()) {
        readEntry();
    }
    reader.readListEnd();
}
