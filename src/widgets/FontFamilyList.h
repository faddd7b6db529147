#pragma once

class QFontComboBox;

// Makes the list show each installed family once, by its plain name, sorted without regard
// to case. The font database names a family found at several foundries once per foundry
// ("Family [Foundry]"), which is no name a font can be stored under.
void listEachFamilyOnce(QFontComboBox& list);
