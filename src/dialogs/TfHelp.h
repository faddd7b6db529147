#pragma once

#include <QWidget>

class QTextEdit;

// The help window: the rich text of "Help.rtf" from the current directory, read once when
// the window is made.
//
// Wiring, for the main window:
// - Construct it once at start (TfHelp(parent), parent optional), before the main window is
//   first shown: a missing "Help.rtf" is reported then, and the window stays empty.
// - The help command calls show() (and raise()); closing it only hides it.
class TfHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfHelp(QWidget* parent = nullptr);

    void FormCreate();

    QTextEdit* const RichEdit1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};
