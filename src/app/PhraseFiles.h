#pragma once

#include <QString>

// The phrase file of a page (0 to 6): "Gitter_1.txt" ... "Gitter_7.txt", a bare name, so it
// lies in the current directory.
QString phraseFileName(int page);
