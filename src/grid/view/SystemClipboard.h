#pragma once

#include "grid/text/GridClipboard.h"

// The desktop's clipboard as plain text. The grid's bytes are cp1252 text up to the NUL
// that ends them; a text from elsewhere comes back as cp1252 bytes.
class SystemClipboard : public GridClipboard {
public:
    void setTextBytes(const QByteArray& bytes) override;
    QByteArray textBytes() const override;
};
