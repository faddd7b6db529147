#pragma once

#include <QWidget>

class ClickPanel;
class HotLinkLabel;
class QLabel;

// The about window: pictures, the version, the web and mail links and a thank-you line, on
// a frameless window that stays on top. A click on the background or a picture hides it; a
// click on a link opens the link and leaves the window open.
//
// Wiring, for the main window:
// - Construct it once at start (TfAbout(parent), parent optional) and keep it for the run.
// - The about command calls show() (and raise()).
class TfAbout : public QWidget {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    void Panel1Click();

    // The addresses the links open.
    static const QString kWebAddress;
    static const QString kMailAddress;

    ClickPanel* const Panel1;
    QLabel* const Image1;
    QLabel* const Image2;
    QLabel* const Label3;
    HotLinkLabel* const HotLink1;
    QLabel* const Label2;
    QLabel* const Label1;
    HotLinkLabel* const MailTo1;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool placed_ = false;
};
