#include "dialogs/TfOptionen.h"

#include "runtime/Cp1252.h"
#include "runtime/GuardedHandler.h"
#include "runtime/ProfileFile.h"
#include "runtime/SettingsKeys.h"
#include "runtime/SettingsPath.h"
#include "widgets/DesignFont.h"
#include "widgets/FontFamilyList.h"
#include "widgets/FontListDelegate.h"
#include "widgets/MainWindowFont.h"
#include "widgets/MouseClick.h"
#include "widgets/SpinEdit.h"
#include "widgets/WindowStyle.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace {

QPushButton* makeButton(const QString& caption, QRect geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    // The window is left by a button or its close box only, never by Enter.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TfOptionen::TfOptionen(QWidget* mainWindow, TargetTitleSetter setTargetTitle, QWidget* parent)
    : QDialog(parent, kToolWindowFlags),
      GroupBox2(new QGroupBox(QStringLiteral("Genaue Bezeichnung des Zielfensters"), this)),
      Edit1(new QLineEdit(GroupBox2)),
      GroupBox1(new QGroupBox(QStringLiteral("Schriftauswahl"), this)),
      FontComboBox1(new QFontComboBox(GroupBox1)), SpinEdit1(new SpinEdit(0, 100, GroupBox1)),
      GroupBox3(new QGroupBox(QStringLiteral("Sendeoptionen"), this)),
      CheckBox1(new QCheckBox(GroupBox3)),
      Label1(new QLabel(QStringLiteral("automatisch ein \"Enter\" nachsenden, \n"
                                       "d.h. man muß im Browser nicht noch\n"
                                       "einmal auf den Knopf \"Senden\" drücken!"),
                        GroupBox3)),
      Button1(makeButton(QStringLiteral("&Abbrechen"), {8, 240, 85, 25}, this)),
      btn_OK(makeButton(QStringLiteral("&Übernehmen"), {256, 240, 85, 25}, this)),
      mainWindow_(mainWindow), setTargetTitle_(std::move(setTargetTitle)) {
    setWindowTitle(QStringLiteral("Optionen"));
    setFont(designFont(DesignTypeface::Tahoma));
    setFixedSize(347, 278);

    GroupBox2->setGeometry(8, 8, 329, 57);
    Edit1->setGeometry(16, 24, 297, 21);

    GroupBox1->setGeometry(8, 72, 329, 65);
    FontComboBox1->setEditable(false);
    listEachFamilyOnce(*FontComboBox1);
    FontComboBox1->setItemDelegate(new FontListDelegate(FontComboBox1));
    FontComboBox1->setGeometry(16, 28, 233, 21);
    SpinEdit1->setGeometry(264, 28, 49, 21);
    SpinEdit1->setValue(8);

    GroupBox3->setGeometry(8, 144, 329, 81);
    CheckBox1->setGeometry(16, 32, 17, 17);
    Label1->setGeometry(56, 23, 224, 42);
    Label1->installEventFilter(this);

    connect(FontComboBox1, &QComboBox::activated, this,
            guarded(this, &TfOptionen::FontComboBox1Change));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded(this, &TfOptionen::SpinEdit1Change));
    connect(btn_OK, &QPushButton::clicked, this, guarded(this, &TfOptionen::btn_OKClick));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TfOptionen::Button1Click));

    guarded(this, &TfOptionen::FormCreate)();
}

bool TfOptionen::SendEnter() const {
    return CheckBox1->isChecked();
}

void TfOptionen::FormCreate() {
    settingsPath_ = ::settingsPath();
    loadFromSettings();
}

void TfOptionen::FormShow() {
    loadFromSettings();
    // The spinner follows the window too, so that "&Übernehmen" stores the size in use.
    const QSignalBlocker quiet(SpinEdit1);
    SpinEdit1->setValue(windowFontSize(*mainWindow_));
}

void TfOptionen::loadFromSettings() {
    const ProfileFile settings(settingsPath_);
    Edit1->setText(
        fromCp1252(settings.readString(SettingsKeys::kSection, SettingsKeys::kZielFenster)));
    CheckBox1->setChecked(
        settings.readBool(SettingsKeys::kSection, SettingsKeys::kSendEnter, false));
    selectFontName(windowFontName(*mainWindow_));
}

void TfOptionen::selectFontName(const QString& name) {
    fontName_ = name;
    int index = FontComboBox1->findText(name, Qt::MatchFixedString);
    if (index < 0) {
        // Not installed: show the family that is drawn in its place.
        index = FontComboBox1->findText(QFontInfo(QFont(name)).family(), Qt::MatchFixedString);
    }
    const QSignalBlocker quiet(FontComboBox1);
    FontComboBox1->setCurrentIndex(index);
}

void TfOptionen::FontComboBox1Change() {
    fontName_ = FontComboBox1->currentText();
    setWindowFontName(*mainWindow_, fontName_);
}

void TfOptionen::SpinEdit1Change() {
    setWindowFontSize(*mainWindow_, SpinEdit1->value());
}

void TfOptionen::btn_OKClick() {
    ProfileFile settings(settingsPath_);
    const QByteArray title = toCp1252(Edit1->text());
    settings.writeString(SettingsKeys::kSection, SettingsKeys::kZielFenster, title);
    settings.writeString(SettingsKeys::kSection, SettingsKeys::kFontname, toCp1252(fontName_));
    settings.writeWholeNumber(SettingsKeys::kSection, SettingsKeys::kFontSize, SpinEdit1->value());
    settings.writeBool(SettingsKeys::kSection, SettingsKeys::kSendEnter, CheckBox1->isChecked());
    if (setTargetTitle_) {
        setTargetTitle_(title);
    }
    accept();
}

void TfOptionen::Button1Click() {
    reject();
}

void TfOptionen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded(this, &TfOptionen::FormShow)();
}

void TfOptionen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Neither button answers these keys.
        event->ignore();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TfOptionen::eventFilter(QObject* watched, QEvent* event) {
    // The three lines are the check box's caption: a click on them ticks it.
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonRelease &&
            completesClick(*Label1, static_cast<const QMouseEvent&>(*event))) {
            CheckBox1->click();
        }
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonRelease ||
            event->type() == QEvent::MouseButtonDblClick) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
