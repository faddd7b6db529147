// Cell hints: the hint text of the cell under the mouse, 6 pixels below the cell, each cell
// its own; the control's own hint when cell hints are off.
#include "support/grid/PhraseGridWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

namespace {

class CellHints : public PhraseGridWindow {
protected:
    void SetUp() override {
        PhraseGridWindow::SetUp();
        grid->setToolTip(QStringLiteral("Hier doppelklicken um den gewünschten \n"
                                        "Text in das Vorschaufenster zu kopieren!"));
        model().setHintCell(2, 3, "Hinweis \xE4");
    }
    void TearDown() override {
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        PhraseGridWindow::TearDown();
    }

    // The mouse rests at the middle of a cell and Qt asks for the hint.
    void restOn(int col, int row) {
        const QPoint at = centre(col, row);
        QTest::mouseMove(client(), at);
        QHelpEvent event(QEvent::ToolTip, at, client()->mapToGlobal(at));
        QApplication::sendEvent(client(), &event);
    }
    static QWidget* tipLabel() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }
    QPoint belowCell(int col, int row) const {
        const QRect cell = grid->CellRect(col, row);
        return client()->mapToGlobal(QPoint(cell.left(), cell.top() + cell.height() + 6));
    }
};

TEST_F(CellHints, TheHandlerSeesTheCellAndMayChangeTextPlaceOrForbidTheHint) {
    GridCell asked;
    bool allow = true;
    grid->OnShowHintCell = [&](QObject* sender, int col, int row, QString& text, bool& canShow,
                               THintInfo& info) {
        EXPECT_EQ(sender, grid);
        asked = {col, row};
        EXPECT_EQ(&text, &info.HintStr);
        text += QStringLiteral("!");
        info.HintPos += QPoint(10, 20);
        canShow = allow;
    };
    restOn(2, 3);
    EXPECT_EQ(asked, (GridCell{2, 3}));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Hinweis ä!"));
    ASSERT_NE(tipLabel(), nullptr);
    EXPECT_EQ(tipLabel()->pos(), belowCell(2, 3) + QPoint(10, 20));

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    allow = false;
    restOn(2, 3);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(CellHints, EachCellShowsItsOwnHintSixPixelsBelowItsLowerLeftCornerOrNone) {
    model().setHintCell(3, 3, "drei");
    restOn(2, 3);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Hinweis ä"));
    ASSERT_NE(tipLabel(), nullptr);
    EXPECT_EQ(tipLabel()->pos(), belowCell(2, 3));
    QTest::mouseMove(client(), centre(2, 3) + QPoint(5, 2));
    QTest::qWait(400);
    EXPECT_TRUE(QToolTip::isVisible()) << "still on the same cell";
    QTest::mouseMove(client(), centre(3, 3));
    QTRY_VERIFY(!QToolTip::isVisible());
    restOn(3, 3);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("drei"));

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    restOn(1, 3);
    EXPECT_FALSE(QToolTip::isVisible())
        << "not even the control's: " << QToolTip::text().toStdString();
}

TEST_F(CellHints, WithoutCellHintsTheControlsHintShowsInTheGridsTooltipColours) {
    grid->setShowCellHints(false);
    QPalette colours = grid->palette();
    colours.setColor(QPalette::ToolTipBase, QColor(1, 2, 3));
    colours.setColor(QPalette::ToolTipText, QColor(250, 251, 252));
    grid->setPalette(colours);
    restOn(2, 3);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), grid->toolTip());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(1, 2, 3));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(250, 251, 252));
}

} // namespace
