// Keyboard handling of the base grid: KeyDown moves the current cell as the framework's grid
// does, and the characters a key types go through CharacterInput into the editor or to
// KeyPress.
#include "grid/view/StringGrid.h"

#include "grid/editing/InplaceEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cstdint>

namespace {

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TStringGrid::event(QEvent* event) {
    // With goTabs, Tab and Shift+Tab are the grid's keys rather than focus moves.
    if (event->type() == QEvent::KeyPress && options_.testFlag(goTabs)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    clickEdit_.disarm();
    const KeyInput input = keyInput(*event);
    int key = input.key;
    KeyDown(key, input.shift);
    // As with the platform's character messages, the characters follow even when KeyDown
    // consumed the key.
    deliverCharacters(input.characters);
    const bool gridKey =
        isNavigationKey(input.key) || (input.key == Qt::Key_Tab && options_.testFlag(goTabs));
    event->setAccepted(key == 0 || gridKey || !input.characters.isEmpty());
}

void TStringGrid::inputMethodEvent(QInputMethodEvent* event) {
    // The text being composed shows nowhere until it is committed: the editor it would go
    // into opens only with the first committed character.
    if (!event->commitString().isEmpty()) {
        clickEdit_.disarm();
        deliverCharacters(event->commitString());
    }
    event->accept();
}

QVariant TStringGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImCursorRectangle) {
        // Where typing goes: the current cell.
        const QRect cell = CellRect(model_->Col(), model_->Row());
        if (!cell.isEmpty()) {
            return cell.translated(viewport()->pos());
        }
    }
    return QAbstractScrollArea::inputMethodQuery(query);
}

void TStringGrid::deliverCharacters(const QString& text) {
    for (const QChar character : text) {
        characterInput(character);
    }
}

void TStringGrid::characterInput(QChar Key) {
    if (options_.testFlag(goEditing) && (Key == QChar(8) || Key.unicode() >= 0x20)) {
        openEditorByUser();
        if (editorVisible() && hosting_.covers()) {
            InplaceEditor()->receiveCharacter(Key);
        }
        return;
    }
    KeyPress(Key);
}

void TStringGrid::KeyPress(QChar& Key) {
    if (OnKeyPress) {
        OnKeyPress(this, Key);
    }
    if (Key == QChar(u'\r') && options_.testFlag(goEditing) &&
        !options_.testFlag(goAlwaysShowEditor)) {
        if (EditorMode()) {
            HideEditor();
        } else {
            openEditorByUser();
        }
        Key = QChar();
    }
}

void TStringGrid::KeyDown(int& Key, TShiftState Shift) {
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
    }
    if (Key == Qt::Key_F2 && options_.testFlag(goEditing)) {
        openEditorByUser();
        return;
    }
    if (Key != 0) {
        moveByKey(Key, Shift);
    }
}

void TStringGrid::openEditorByUser() {
    clampInView(model_->current());
    ShowEditor();
}

void TStringGrid::moveByKey(int key, TShiftState shift) {
    const AxisMetrics cols = metrics(GridAxis::Columns);
    const AxisMetrics rows = metrics(GridAxis::Rows);
    const bool rowSelect = options_.testFlag(goRowSelect);
    bool extend = shift.testFlag(ssShift) && options_.testFlag(goRangeSelect);
    // 64 bits: a page added to a row near 2^31-1 must not wrap before it is clamped.
    std::int64_t col = model_->Col();
    std::int64_t row = model_->Row();
    std::int64_t left = LeftCol();
    std::int64_t top = TopRow();
    const int pageWidth = cols.pageSize();
    const int pageHeight = rows.pageSize();

    if (shift.testFlag(ssCtrl)) {
        switch (key) {
        case Qt::Key_Up:
            --top;
            break;
        case Qt::Key_Down:
            ++top;
            break;
        case Qt::Key_Left:
            if (!rowSelect) {
                col -= pageWidth;
                left -= pageWidth;
            }
            break;
        case Qt::Key_Right:
            if (!rowSelect) {
                col += pageWidth;
                left += pageWidth;
            }
            break;
        case Qt::Key_PageUp:
            row = top;
            break;
        case Qt::Key_PageDown:
            row = std::max(rows.lastFullyVisible(), rows.first());
            break;
        case Qt::Key_Home:
            col = model_->FixedCols();
            row = model_->FixedRows();
            break;
        case Qt::Key_End:
            col = model_->ColCount() - 1;
            row = model_->RowCount() - 1;
            break;
        default:
            return;
        }
    } else {
        switch (key) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_Left:
            --(rowSelect ? left : col);
            break;
        case Qt::Key_Right:
            ++(rowSelect ? left : col);
            break;
        case Qt::Key_PageUp:
            row -= pageHeight;
            top -= pageHeight;
            break;
        case Qt::Key_PageDown:
            row += pageHeight;
            top += pageHeight;
            break;
        case Qt::Key_Home:
            if (rowSelect) {
                row = model_->FixedRows();
            } else {
                col = model_->FixedCols();
            }
            break;
        case Qt::Key_End:
            if (rowSelect) {
                row = model_->RowCount() - 1;
            } else {
                col = model_->ColCount() - 1;
            }
            break;
        case Qt::Key_Tab: {
            if (!options_.testFlag(goTabs) || shift.testFlag(ssAlt)) {
                return;
            }
            const GridCell next = tabTarget(shift.testFlag(ssShift));
            col = next.col;
            row = next.row;
            extend = false;
            break;
        }
        default:
            return;
        }
    }

    const auto clampLine = [](std::int64_t value, int low, int high) {
        return static_cast<int>(std::clamp<std::int64_t>(value, low, std::max(low, high)));
    };
    if (left != LeftCol()) {
        setFirst(GridAxis::Columns, clampLine(left, cols.fixed(), cols.maxFirst()));
    }
    if (top != TopRow()) {
        setFirst(GridAxis::Rows, clampLine(top, rows.fixed(), rows.maxFirst()));
    }
    const int newCol = clampLine(col, model_->FixedCols(), model_->ColCount() - 1);
    const int newRow = clampLine(row, model_->FixedRows(), model_->RowCount() - 1);
    if (newCol != model_->Col() || newRow != model_->Row()) {
        model_->setCurrentCell(newCol, newRow, extend);
    }
}

GridCell TStringGrid::tabTarget(bool backwards) const {
    // Along the row, wrapping into the next (previous) row and round from the last row to
    // the first, until a column that is a tab stop or the start column.
    const int fixedCols = model_->FixedCols();
    const int fixedRows = model_->FixedRows();
    const int colCount = model_->ColCount();
    const int rowCount = model_->RowCount();
    GridCell cell = model_->current();
    do {
        if (backwards) {
            if (--cell.col < fixedCols) {
                cell.col = colCount - 1;
                if (--cell.row < fixedRows) {
                    cell.row = rowCount - 1;
                }
            }
        } else {
            if (++cell.col >= colCount) {
                cell.col = fixedCols;
                if (++cell.row >= rowCount) {
                    cell.row = fixedRows;
                }
            }
        }
    } while (!TabStops(cell.col) && cell.col != model_->Col());
    return cell;
}
