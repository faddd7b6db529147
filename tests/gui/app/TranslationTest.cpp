#include "support/app/AppTestSupport.h"

#include "app/QtTranslation.h"
#include "grid/editing/InplaceEdit.h"
#include "grid/view/PhraseGrid.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

namespace {

class TranslationTest : public AppTest {
protected:
    ~TranslationTest() override { delete translator; }

    // The first item of the context menu that the user opens on the cell editor of page 1.
    QString firstEditorMenuItem() {
        startWith(completeSettings());
        show();
        TPhraseGrid& grid = *fMain->grd[0];
        grid.setFocus();
        grid.model().setCurrentCell(0, 1);
        grid.ShowEditor();
        TInplaceEdit* editor = grid.InplaceEditor();
        if (editor == nullptr) {
            ADD_FAILURE() << "no editor";
            return {};
        }
        const QPoint at = editor->viewport()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor->viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->actions().isEmpty()) {
            ADD_FAILURE() << "no context menu";
            return {};
        }
        const QString first = menu->actions()[0]->text();
        menu->close();
        return first;
    }

    QTranslator* translator = nullptr;
};

} // namespace

TEST_F(TranslationTest, QtsOwnTextsAreGermanWithQtsCatalogue) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    ASSERT_TRUE(QFileInfo::exists(folder + QStringLiteral("/qtbase_de.qm")))
        << "Qt's German catalogue comes with qt6-translations-l10n";
    translator = installQtTranslation(*qApp, folder);
    ASSERT_NE(translator, nullptr);
    EXPECT_TRUE(firstEditorMenuItem().startsWith(QStringLiteral("&Rückgängig")));
    EXPECT_TRUE(errorTexts().empty());
}

TEST_F(TranslationTest, WithoutTheCatalogueTheProgramStartsInEnglish) {
    translator = installQtTranslation(*qApp, QDir::currentPath());
    EXPECT_EQ(translator, nullptr);
    EXPECT_TRUE(firstEditorMenuItem().startsWith(QStringLiteral("&Undo")));
    EXPECT_TRUE(errorTexts().empty());
    EXPECT_TRUE(fMain->isVisible());
}
