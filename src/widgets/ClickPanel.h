#pragma once

#include <QWidget>

// A plain panel that reports a click on itself or on any child that lets the mouse through.
class ClickPanel : public QWidget {
    Q_OBJECT
public:
    explicit ClickPanel(QWidget* parent = nullptr) : QWidget(parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
