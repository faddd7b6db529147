#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

class QRect;
class QWidget;
class TInplaceEdit;

// The base grid's one in-place editor as the grid holds it: the editor (made by the grid on
// first use, owned here), the editor mode, whether the editor is shown for its bound cell
// (also while that cell is scrolled out of view), the text it was loaded with, and the grid
// keeping the focus when the editor hides. The grid decides when; this does it.
class EditorHosting {
public:
    // grid: the widget that keeps the focus when the editor hides.
    explicit EditorHosting(QWidget& grid);
    ~EditorHosting();
    EditorHosting(const EditorHosting&) = delete;
    EditorHosting& operator=(const EditorHosting&) = delete;

    TInplaceEdit* editor() const { return editor_; }
    // Takes the editor the grid made on its first use, hidden; userChanged runs whenever
    // its text changes other than by loading.
    void adopt(TInplaceEdit* editor, std::function<void()> userChanged);
    // Deletes the editor, for a grid going away.
    void deleteEditor();

    bool mode() const { return mode_; }
    void setMode(bool on) { mode_ = on; }
    bool shown() const { return shown_; }
    // Visible over its cell.
    bool covers() const;
    // The grid is taking the focus from the hiding editor: that is no focus change of its
    // own.
    bool keepingFocus() const { return keepingFocus_; }

    // Loads the editor (UpdateContents: the grid's current cell becomes its bound cell) with
    // its whole text selected; it is shown from now on.
    void load();
    // A shown editor is shown no more and hides, the grid keeping the focus; false when it
    // was not shown.
    bool close();
    // The text when it differs from the one loaded: only then is it written back, so an
    // untouched cell keeps its exact bytes (line ends the box cannot hold, for one).
    std::optional<QByteArray> changedText() const;
    // Over rect, or hidden while rect is empty (its cell scrolled away or the editor not
    // shown); true when it appeared or disappeared.
    bool place(const QRect& rect);

private:
    void keepFocus();

    QWidget& grid_;
    TInplaceEdit* editor_ = nullptr;
    bool mode_ = false;
    bool shown_ = false;
    QByteArray loadedText_;
    bool loading_ = false;
    bool keepingFocus_ = false;
};
