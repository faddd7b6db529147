#pragma once

class FormDataFiler;
class PhraseGridModel;

// The stored properties of older versions of the grid, read but never written: alignment
// and editability as binary blocks, and fonts, brushes, colours and selected colours as
// lists. Each entry goes through the matching per-layer operation of the grid.
void defineOlderGridProperties(PhraseGridModel& grid, FormDataFiler& filer);
