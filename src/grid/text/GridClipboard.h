#pragma once

#include <QByteArray>

// The system clipboard as the grid's cut, copy and paste see it: text as cp1252 bytes.
class GridClipboard {
public:
    virtual ~GridClipboard() = default;

    // Replaces the clipboard's contents with this text.
    virtual void setTextBytes(const QByteArray& bytes) = 0;
    // The clipboard's text; empty when it holds none.
    virtual QByteArray textBytes() const = 0;
};
