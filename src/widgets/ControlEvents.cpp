#include "widgets/ControlEvents.h"

#include <QKeyEvent>

TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState state;
    state.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
    state.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
    state.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    state.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
    state.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
    state.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return state;
}

bool toMouseButton(Qt::MouseButton button, TMouseButton& result) {
    switch (button) {
    case Qt::LeftButton:
        result = TMouseButton::mbLeft;
        return true;
    case Qt::RightButton:
        result = TMouseButton::mbRight;
        return true;
    case Qt::MiddleButton:
        result = TMouseButton::mbMiddle;
        return true;
    default:
        return false;
    }
}

KeyInput keyInput(const QKeyEvent& event) {
    KeyInput input;
    input.key = event.key();
    input.shift = shiftState(event.modifiers());
    if (input.key == Qt::Key_Backtab) {
        input.key = Qt::Key_Tab;
        input.shift |= ssShift;
    }
    if (input.shift.testFlag(ssAlt) && !input.shift.testFlag(ssCtrl)) {
        return input;
    }
    if (input.key == Qt::Key_Return || input.key == Qt::Key_Enter) {
        input.characters =
            input.shift.testFlag(ssCtrl) ? QStringLiteral("\n") : QStringLiteral("\r");
        return input;
    }
    for (const QChar character : event.text()) {
        if (character != QChar(0x7F)) {
            input.characters += character;
        }
    }
    return input;
}
