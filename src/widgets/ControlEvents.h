#pragma once

#include <QChar>
#include <QFlags>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>

class QKeyEvent;
class QObject;
class QWidget;

// The framework's event types for controls. An event is a callback that is called only when
// assigned; its first argument is the control that fires it.

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held during an input event; ssDouble marks the press of a
// double-click.
enum TShiftStateFlag : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

using TNotifyEvent = std::function<void(QObject* Sender)>;
// X and Y are client coordinates of the control.
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
// Key is a Qt::Key value; a handler that sets it to 0 has consumed the key.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
// Key is one typed character; a handler that sets it to 0 has consumed it.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

// What a control is asked before its hint shows: the hint text, where it shows (screen
// coordinates) and where the mouse is (client coordinates). The control may change the text
// and the position.
struct THintInfo {
    QWidget* HintControl = nullptr;
    QPoint HintPos;
    QPoint CursorPos;
    QString HintStr;
};

// Turns Qt's modifier keys and pressed buttons into a shift state.
TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});
// The framework's name of a Qt mouse button; false for buttons it does not know.
bool toMouseButton(Qt::MouseButton button, TMouseButton& result);

// One key press as the framework sees it: the key for KeyDown and the characters it types
// for KeyPress. Backtab becomes Tab with ssShift; Enter types CR, Ctrl+Enter a line feed;
// Delete types nothing, and neither does a key held with Alt but not Ctrl (a menu key).
struct KeyInput {
    int key = 0;
    TShiftState shift;
    QString characters;
};
KeyInput keyInput(const QKeyEvent& event);
