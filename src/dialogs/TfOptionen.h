#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SpinEdit;

// The options dialog: the target window's title, the main window's font and auto-Enter.
//
// Wiring, for the main window:
// - Construct it once at start, right after the main window, and keep it for the whole run:
//     TfOptionen(mainWindow, setTargetTitle, parent)
//   mainWindow: the window whose font the font controls show and preview live (its font is
//     shared by all its controls); it must outlive the dialog.
//   setTargetTitle: called by "&Übernehmen" with the new program-wide target title (cp1252);
//     may be empty.
//   parent: optional; the main window makes the dialog its child window (and then owns it).
//   Construction runs FormCreate: it computes the settings path and loads the title box and
//   the auto-Enter box from the settings file; an error there is reported, the dialog exists.
// - Show it modally with exec(); it returns when either button or the close box hid it.
// - The send action reads SendEnter() at the moment of sending.
// - settingsPath() is the settings file's path as computed at construction.
class TfOptionen : public QDialog {
    Q_OBJECT
public:
    using TargetTitleSetter = std::function<void(const QByteArray&)>;

    TfOptionen(QWidget* mainWindow, TargetTitleSetter setTargetTitle, QWidget* parent = nullptr);

    // The auto-Enter box as it stands, applied or not.
    bool SendEnter() const;
    const QString& settingsPath() const { return settingsPath_; }

    void FormCreate();
    void FormShow();
    void FontComboBox1Change();
    void SpinEdit1Change();
    // Raises the settings file's write error; the dialog then stays open.
    void btn_OKClick();
    void Button1Click();

    QGroupBox* const GroupBox2;
    QLineEdit* const Edit1;
    QGroupBox* const GroupBox1;
    QFontComboBox* const FontComboBox1;
    SpinEdit* const SpinEdit1;
    QGroupBox* const GroupBox3;
    QCheckBox* const CheckBox1;
    QLabel* const Label1;
    QPushButton* const Button1;
    QPushButton* const btn_OK;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadFromSettings();
    void selectFontName(const QString& name);

    QWidget* mainWindow_;
    TargetTitleSetter setTargetTitle_;
    QString settingsPath_;
    // The name "&Übernehmen" stores: the main window's font name, or the one the user
    // picked since the dialog was shown. The list may show a substitute for a font that is
    // not installed; that substitute is never stored unless the user picks it.
    QString fontName_;
};
