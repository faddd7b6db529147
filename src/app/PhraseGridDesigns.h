#pragma once

#include "grid/formdata/GridDesign.h"

// The designs of the main window's phrase grids, stored with the program: the grid of each
// of the six text pages (grd_1 to grd_3 and grd_5 to grd_7) and the Smileys page's grd_4.
// The main window gives each grid its design with ApplyGridDesign; sizes, scroll bars and
// the other display settings are its own.
GridDesign textPageGridDesign();
GridDesign smileysGridDesign();
