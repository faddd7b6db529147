#pragma once

#include "grid/view/StringGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// A grid in a shown, active window, frameless and without scroll bars so that client and
// widget coordinates agree, next to a line edit that can take the focus away.
//
// Layout used by most tests: 4 columns of 50 pixels, 20 rows of 20 pixels, header row 30
// pixels high, one fixed row and column, grid lines of 1 pixel, a 300 x 150 client area.
// So column c >= 1 starts at 51 * c, row 0 spans 0..29, row r >= 1 starts at 31 + 21 * (r - 1).
template <typename Grid>
class GridWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        grid = new Grid(window.get());
        grid->setFrameShape(QFrame::NoFrame);
        grid->setScrollBars(TScrollStyle::ssNone);
        grid->setGeometry(0, 0, 300, 150);
        other = new QLineEdit(window.get());
        other->setGeometry(0, 160, 100, 24);
        StringGridModel& data = grid->model();
        data.setColCount(4);
        data.setRowCount(20);
        data.setDefaultColWidth(50);
        data.setDefaultRowHeight(20);
        data.setRowHeights(0, 30);
        window->resize(300, 190);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        grid->setFocus();
        QApplication::processEvents();
    }

    void TearDown() override { window.reset(); }

    QWidget* client() const { return grid->viewport(); }
    QPoint centre(int col, int row) const { return grid->CellRect(col, row).center(); }

    void click(int col, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(client(), Qt::LeftButton, modifiers, centre(col, row));
    }
    // A double-click as the platform delivers it: a click, then the double-click press.
    void doubleClick(int col, int row) {
        click(col, row);
        QTest::mouseDClick(client(), Qt::LeftButton, {}, centre(col, row));
        QTest::mouseRelease(client(), Qt::LeftButton, {}, centre(col, row));
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(client(), Qt::LeftButton, {}, from);
        QTest::mouseMove(client(), to);
        QTest::mouseRelease(client(), Qt::LeftButton, {}, to);
    }
    // A key typed where the focus is (the grid or its editor).
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : grid, static_cast<Qt::Key>(key), modifiers);
    }
    GridCell current() const { return grid->model().current(); }
    // Characters typed one by one into a widget, as a keyboard layout delivers them (QTest's
    // own typing knows only part of Latin-1).
    static void typeText(QWidget* target, const QString& text) {
        for (const QChar character : text) {
            const int code = character.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(character));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(character));
            QApplication::sendEvent(target, &release);
        }
    }

    std::unique_ptr<QWidget> window;
    Grid* grid = nullptr;
    QLineEdit* other = nullptr;
};
