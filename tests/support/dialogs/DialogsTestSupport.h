#pragma once

#include "runtime/MessageBoxes.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Every test runs in a fresh current directory, where the program keeps its files, and sees
// every message box instead of showing it.
class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() : previous_(QDir::currentPath()) {
        EXPECT_TRUE(directory_.isValid());
        QDir::setCurrent(directory_.path());
    }
    ~DialogsTest() override { QDir::setCurrent(previous_); }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const QString& path, const QByteArray& data) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(data), data.size());
    }

    std::vector<MessageBoxRequest> boxes;

private:
    QTemporaryDir directory_;
    QString previous_;
    ScopedMessageBoxPresenter presenter_{[this](const MessageBoxRequest& request) {
        boxes.push_back(request);
        return MessageBoxAnswer::Ok;
    }};
};

// A click where the user would make it: on the topmost widget under the point that takes
// the mouse, with the event travelling up from there as the application delivers it.
inline void clickAt(QWidget& window, QPoint point) {
    QWidget* target = window.childAt(point);
    if (target == nullptr) {
        target = &window;
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&window, point));
}
