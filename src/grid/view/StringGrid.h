#pragma once

#include "grid/editing/EditorHosting.h"
#include "grid/editing/InplaceEditorHost.h"
#include "grid/model/StringGridModel.h"
#include "grid/model/StringGridObserver.h"
#include "grid/view/AxisMetrics.h"
#include "grid/view/ClickToEdit.h"
#include "grid/view/GridDrag.h"
#include "grid/view/GridOptions.h"
#include "widgets/ControlEvents.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QMetaObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <set>

class QFont;
class QPainter;
class TInplaceEdit;

using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect,
                                          TGridDrawState State)>;

// The framework's base string grid: presents a StringGridModel (texts, counts, current cell,
// selection, sizes by index) as cells with fixed rows and columns that never scroll away,
// and gives it the keyboard, the mouse, scrolling, column moving and one in-place editor.
//
// Coordinates: X and Y of mouse events, MouseToCell and CellRect are client coordinates,
// those of the viewport (the area inside the frame and the scroll bars).
//
// Scrolling goes by whole lines: the scroll position is the first visible non-fixed row
// (TopRow) and column (LeftCol), and each scroll bar counts lines. The view never scrolls
// further than needed to show the last row (column) whole. Moving the current cell by any
// means scrolls it into view.
//
// Keys: keyPressEvent calls KeyDown(key, shift) and then, for each character the key types,
// characterInput(character). A key that is no grid key and types nothing goes on to the
// parent. Qt's Backtab arrives as Tab with ssShift. With goTabs the grid takes Tab and
// Shift+Tab instead of moving the focus. The grid takes part in input-method composition:
// what a composition commits (é from a dead key and e) goes to characterInput too.
//
// The in-place editor (see the editor section) is created on first use by CreateEditor(),
// shown over the current cell while the editor mode is on and CanEditShow() agrees, kept
// over its cell on scrolling and resizing, and on hiding writes its text into the cell it
// was loaded for (only if the user changed it, so an untouched cell keeps its exact bytes).
// With goEditing it opens on F2, on Enter (which closes it again, unless
// goAlwaysShowEditor), on a typed character (which goes into it) and on a click on the
// current cell. That click opens it only once the double-click time has passed without a
// second click, so that a double-click never starts an edit. The editor knows the grid only
// as its InplaceEditorHost, and the model reaches the editor through the same interface (its
// GridEditorLink).
//
// The grid's state lies in helpers of its own: the drag (GridDrag), the click that opens the
// editor (ClickToEdit) and the editor it hosts (EditorHosting).
class TStringGrid : public QAbstractScrollArea,
                    protected StringGridObserver,
                    public InplaceEditorHost {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    // The grid's data: counts, texts, current cell, selection, sizes, Font, Color.
    StringGridModel& model() { return *model_; }
    const StringGridModel& model() const { return *model_; }

    TGridOptions Options() const { return options_; }
    void setOptions(TGridOptions options);
    // Width of the grid lines in pixels (at least 0). An axis has grid lines, and room for
    // them after every line, when one of its two line options is set.
    int GridLineWidth() const { return gridLineWidth_; }
    virtual void setGridLineWidth(int width);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void setScrollBars(TScrollStyle style);
    // When false the paint loop neither fills cells nor draws texts, raised edges or the
    // focus rectangle; DrawCell and OnDrawCell still run.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void setDefaultDrawing(bool on);
    // Whether Tab stops in a column (all do at first).
    bool TabStops(int col) const { return noTabStops_.count(col) == 0; }
    void setTabStops(int col, bool stop);

    // Scroll position: the first visible non-fixed row and column. Values outside the
    // useful range are clamped.
    int TopRow() const { return first_[kRowsSlot]; }
    void setTopRow(int row) { setFirst(GridAxis::Rows, row); }
    int LeftCol() const { return first_[kColsSlot]; }
    void setLeftCol(int col) { setFirst(GridAxis::Columns, col); }
    // Non-fixed rows (columns) that show whole, at least 1.
    int VisibleRowCount() const { return metrics(GridAxis::Rows).pageSize(); }
    int VisibleColCount() const { return metrics(GridAxis::Columns).pageSize(); }

    // The rectangle of a cell (without its grid lines) in client coordinates; empty when no
    // part of the cell shows.
    QRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; each coordinate outside the cells gives -1 for its part.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    GridCell MouseCoord(int X, int Y) const;
    // The layout along one axis at the current scroll position and client size.
    AxisMetrics metrics(GridAxis axis) const;

    // The editor mode: on shows the editor over the current cell when CanEditShow() agrees,
    // off hides it (writing its text into its cell). ShowEditor switches it on, HideEditor
    // off.
    bool EditorMode() const override { return hosting_.mode(); }
    void ShowEditor() override;
    void HideEditor() override;
    // The editor, or nullptr before its first use. The cell it is bound to is its
    // BoundCell().
    TInplaceEdit* InplaceEditor() const override { return hosting_.editor(); }

    // The painter of the running paint, or nullptr outside painting. Inside DrawCell and
    // OnDrawCell its clip is the viewport, its brush the cell background and its pen the text
    // colour that the paint loop prepared.
    QPainter* Canvas() const { return canvas_; }

    // True while the keyboard focus is on the grid or its editor.
    bool isActiveControl() const override;

    // Key handling, public so that the editor can hand keys to the grid.
    // KeyDown: fires OnKeyDown, then moves the current cell (arrows, Home, End, PgUp, PgDn,
    // with Ctrl and Shift as the framework does; Tab and Shift+Tab with goTabs).
    void KeyDown(int& Key, TShiftState Shift) override;
    // KeyPress: fires OnKeyPress; then, with goEditing and without goAlwaysShowEditor,
    // Enter opens or closes the editor and is consumed.
    void KeyPress(QChar& Key) override;

    // Events, called only when assigned; Sender is the grid.
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnTopLeftChanged;
    // Called by the base DrawCell after it drew the cell.
    TDrawCellEvent OnDrawCell;

protected:
    // A grid on data of a derived kind (the phrase grid's model).
    TStringGrid(std::unique_ptr<StringGridModel> model, QWidget* parent);

    // Drawing one cell, called by the paint loop for every visible cell except the one the
    // editor covers, after the loop prepared Canvas() (and, with DefaultDrawing, filled the
    // cell). The base draws the text 2 pixels in from the top left and fires OnDrawCell.
    virtual void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState);

    // Editor hooks.
    // Whether the editor may show now. The base: goEditing without goRowSelect, the editor
    // mode on, and the focus on the grid or goAlwaysShowEditor.
    virtual bool CanEditShow();
    // Makes the editor on its first use; the grid owns it. The base makes a TInplaceEdit.
    virtual TInplaceEdit* CreateEditor();
    // The text the editor loads for a cell, and where its text goes when it hides.
    QByteArray GetEditText(int ACol, int ARow) override;
    virtual void SetEditText(int ACol, int ARow, const QByteArray& Value);
    // What the editor takes from the cell it is loaded for. The base: left, the grid's Font
    // and Color.
    InplaceEditorSetup editorSetup(GridCell cell) override;
    // The user changed the editor's text (the cell is not written until the editor hides).
    virtual void EditorTextChanged() {}

    // The character hook: one character typed on the grid itself (not in the editor). With
    // goEditing, Backspace and printable characters open the editor and go into it (dropped
    // when it cannot show); every other character goes to KeyPress.
    virtual void characterInput(QChar Key);

    // Mouse hooks, in client coordinates. MouseDown (every button; ssDouble for the second
    // press of a double-click) moves the current cell or starts a range selection or a
    // column (row) drag for the left button, then fires OnMouseDown. A double-click calls
    // DblClick first, which fires OnDblClick.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void DblClick() override;

    // The focus entered the grid-or-editor from outside, or left both. Moves between the
    // grid and its own editor, and the window losing activation, are not entering or
    // leaving. The base DoExit switches the editor mode off unless goAlwaysShowEditor.
    virtual void DoEnter();
    virtual void DoExit();

    // After the grid's Font (the data's font record) changed; the base gives the editor the
    // widget's font and places it again.
    virtual void FontChanged();
    // After column widths or row heights changed and the layout followed.
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    // After the client area changed size and the layout followed.
    virtual void Resize() {}
    // After the scroll position changed; fires OnTopLeftChanged.
    virtual void TopLeftChanged();
    // Asked before the tooltip shows; info holds the grid's toolTip() and the positions.
    // Returns whether it may show (an empty text shows nothing either way). A HintPos
    // changed here is where the hint's top left corner goes; unchanged, Qt places the hint
    // by the mouse pointer as for any other widget.
    virtual bool HintShow(THintInfo& info);

    // Scrolling while a scroll bar's thumb is dragged, besides goThumbTracking.
    void setLiveThumbTracking(bool on);

    // Moves the focus on to the next (previous) control in the window's tab order that is
    // no part of the grid (its editor and scroll bars are); false when there is none.
    bool focusNextControl(bool backwards) override;

    // Observer of the data.
    void gridRepaint() override;
    void gridCellChanged(int col, int row) override;
    void gridCountsChanged() override;
    void gridSizesChanged(GridAxis axis) override;
    void gridCurrentChanged(GridCell oldCurrent, TGridRect oldSelection) override;
    void gridFontChanged() override;

    // The data's hold on the editor: visible means shown for a cell (also while that cell
    // is scrolled out of view); the cell is the editor's bound cell.
    bool editorVisible() const override { return hosting_.shown(); }
    GridCell editorCell() const override;
    void setEditorCell(GridCell cell) override;

    // Shows the editor over the current cell if CanEditShow() agrees, creating and loading
    // it as needed. CanEditShow() is asked again once the editor is loaded, before it is
    // placed, as the framework does.
    void updateEditor();
    // Hides the editor, writing a changed text into its cell; the editor mode stays.
    void closeEditor() override;

    // The rest of the editor's view of the grid.
    QWidget* editorParent() override { return viewport(); }
    GridCell currentCell() const override { return model_->current(); }
    bool takesTabs() const override { return options_.testFlag(goTabs); }
    void editorKeyDown(int& Key, TShiftState Shift) override;
    bool alwaysShowsEditor() const override { return options_.testFlag(goAlwaysShowEditor); }
    void focusGrid() override { setFocus(Qt::OtherFocusReason); }

    // Qt events.
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Composed input (a dead key and a letter, an input method): the characters it commits
    // are typed as the characters of a key are.
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kColsSlot = 0;
    static constexpr int kRowsSlot = 1;
    static constexpr int slot(GridAxis axis) { return axis == GridAxis::Columns ? 0 : 1; }

    void initialize();

    // Scrolling (StringGridScroll.cpp).
    int effectiveLineWidth(GridAxis axis) const;
    void setFirst(GridAxis axis, int first);
    void updateScrollRanges();
    void applyScrollBarPolicies();
    void scrolled();
    void clampInView(GridCell cell);

    // Painting (StringGridPaint.cpp).
    TGridDrawState drawState(int col, int row, const TGridRect& selection, bool focused) const;
    TGridRect shownSelection() const;
    void prepareCanvas(QPainter& painter, const QRect& rect, TGridDrawState state,
                       const QFont& font);
    void drawGridLines(QPainter& painter, const QRect& rect, bool fixed) const;
    void drawRaisedEdges(QPainter& painter, const QRect& rect) const;
    void drawFocusRect(QPainter& painter, const QRect& rect) const;
    void drawLineMoveMark(QPainter& painter) const;

    // Mouse (StringGridMouse.cpp, StringGridLineMove.cpp).
    // The cell at a client point brought into the scrolled part of the grid, for drags.
    GridCell clampedCellAt(QPoint point) const;
    int clampedLineAt(GridAxis axis, int p) const;
    void dragTo(QPoint point);
    void autoScrollStep();
    bool startLineMove(GridCell cell);
    void lineMoveTo(QPoint point);
    // The button was let go: a moved line lands.
    void finishDrag();

    // Keys (StringGridKeys.cpp).
    void moveByKey(int key, TShiftState shift);
    GridCell tabTarget(bool backwards) const;
    void deliverCharacters(const QString& text);

    // Editor (StringGridEditor.cpp).
    void placeEditor();
    void focusChanged(QWidget* old, QWidget* now);
    bool isInside(const QWidget* widget) const;
    void mirrorWidgetFont();
    void applyThumbTracking();
    // F2, Enter, typing or a click: the current cell is scrolled into view and edited.
    void openEditorByUser();
    void showHint(const THintInfo& info, QPoint defaultPos);
    // The click on the current cell counts (ClickToEdit).
    void clickEditDue(GridCell cell);

    std::unique_ptr<StringGridModel> model_;
    TGridOptions options_ = kDefaultGridOptions;
    int gridLineWidth_ = 1;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    bool defaultDrawing_ = true;
    std::set<int> noTabStops_;
    int first_[2] = {StringGridModel::kInitialFixedCols, StringGridModel::kInitialFixedRows};
    // The fixed counts the scroll position was last set up for.
    int shownFixed_[2] = {StringGridModel::kInitialFixedCols, StringGridModel::kInitialFixedRows};

    QPainter* canvas_ = nullptr;
    bool liveThumbTracking_ = false;

    GridDrag drag_{[this] { autoScrollStep(); }};
    ClickToEdit clickEdit_{[this] { return drag_.active(); },
                           [this](GridCell cell) { clickEditDue(cell); }};
    EditorHosting hosting_{*this};
    // The focus is on the grid or its editor (DoEnter ran, DoExit not yet).
    bool entered_ = false;
    QMetaObject::Connection focusConnection_;
};
