// Help: F1 and the context menu open the manual at the control's topic, and the manual has a
// topic for every control that offers one.
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <memory>
#include <set>
#include <vector>

#include "UiFixture.h"
#include "UiTestMain.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/FindEntitiesDialog.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon::test {

namespace {

QString ManualPath(const UiFixture& fixture) {
    return QString::fromStdString(fixture.paths.programDir + "manual.html");
}

/// Opens the context menu of `control` and chooses its last entry, the help entry.
QMenu* OpenContextMenu(QWidget* control) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(control, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

std::set<int> TopicsOf(const QWidget& dialog) {
    std::set<int> topics;
    for (const ContextHelp* help : dialog.findChildren<ContextHelp*>()) {
        topics.insert(help->Topics().begin(), help->Topics().end());
    }
    return topics;
}

}  // namespace

class ContextHelpTest : public QObject {
    Q_OBJECT

private slots:
    void F1ContextMenuAndHelpButtonOpenTheManual();
    void BuiltInViewerTakesOverWithoutBrowser();
    void ManualHasEveryTopicAndDialogsBlockOnlyTheMainDialog();
};

void ContextHelpTest::F1ContextMenuAndHelpButtonOpenTheManual() {
    UiFixture fixture;
    MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* map = Control<QLineEdit>(&dialog, MainDialog::ID_MAP_FILE);
    map->setFocus();
    QTest::keyClick(map, Qt::Key_F1);
    QCOMPARE(fixture.services.openedUrls.size(), std::size_t{1});
    QCOMPARE(fixture.services.openedUrls[0].toLocalFile(), ManualPath(fixture));
    QCOMPARE(fixture.services.openedUrls[0].fragment(), QStringLiteral("1000"));

    QPushButton* go = Control<QPushButton>(&dialog, MainDialog::ID_GO);
    go->setFocus();
    QTest::keyClick(go, Qt::Key_F1);
    QCOMPARE(fixture.services.openedUrls.back().fragment(), QStringLiteral("1010"));

    // A button's context menu holds only the help entry.
    QMenu* menu = OpenContextMenu(Control<QWidget>(&dialog, MainDialog::ID_PREFERENCES));
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), 1);
    menu->actions().last()->trigger();
    menu->close();
    QCOMPARE(fixture.services.openedUrls.back().fragment(), QStringLiteral("1022"));

    // An edit keeps its editing entries and gains the help entry at the end.
    menu = OpenContextMenu(Control<QWidget>(&dialog, MainDialog::ID_TEXTURE_DIR));
    QVERIFY(menu != nullptr);
    QVERIFY(menu->actions().size() > 3);
    menu->actions().last()->trigger();
    menu->close();
    QCOMPARE(fixture.services.openedUrls.back().fragment(), QStringLiteral("1027"));

    // The Help button opens the manual at its contents.
    Control<QPushButton>(&dialog, MainDialog::ID_HELP)->click();
    QCOMPARE(fixture.services.openedUrls.size(), std::size_t{5});
    QCOMPARE(fixture.services.openedUrls.back().toLocalFile(), ManualPath(fixture));
    QVERIFY(!fixture.services.openedUrls.back().hasFragment());
}

void ContextHelpTest::BuiltInViewerTakesOverWithoutBrowser() {
    UiFixture fixture;
    fixture.services.desktopOpensUrls = false;
    {
        MainDialog dialog(fixture.paths, fixture.settings, false, fixture.services);
        dialog.Help().OpenTopic(MainDialog::ID_IGNORE);
        TextViewer* viewer = VisibleViewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->Source().endsWith(QStringLiteral("manual.html#1016")));
        QVERIFY(viewer->Text().contains(QStringLiteral("Ignore Entities")));
        // Headings read as the user sees the controls, without their internal numbers.
        QVERIFY(viewer->Text().contains(QStringLiteral("\nOutput file\n")));
        QVERIFY(!viewer->Text().contains(QStringLiteral("1002")));
        // Exit closes the help window with the dialog.
        Control<QPushButton>(&dialog, MainDialog::ID_EXIT)->click();
    }
    QCOMPARE(CloseViewers(), 0);
}

void ContextHelpTest::ManualHasEveryTopicAndDialogsBlockOnlyTheMainDialog() {
    UiFixture fixture;
    QFile manual(QStringLiteral(QUILLON_SOURCE_DIR "/docs/manual.html"));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());

    fixture.settings.game.lastMapFile = fixture.WriteSmallMap();
    MainDialog main(fixture.paths, fixture.settings, false, fixture.services);
    EntityDatabaseEntry database;
    database.fullPath = fixture.paths.gameDir + "quake2.db";
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new AboutDialog(&main, main.windowTitle(), fixture.services, &main.Help()));
    dialogs.emplace_back(new PreferencesDialog(&main, fixture.settings.game, &main.Help()));
    dialogs.emplace_back(new UppercaseFixDialog(&main, false, &main.Help()));
    dialogs.emplace_back(new IgnoreDialog(&main, main.IgnoreList(), fixture.services, &main.Help()));
    dialogs.emplace_back(
        new FindEntitiesDialog(&main, fixture.paths, fixture.settings, database, fixture.services, &main.Help()));
    dialogs.emplace_back(new FileListDialog(&main, fixture.paths, fixture.settings, fixture.services, &main.Help()));

    std::set<int> topics = TopicsOf(main);
    for (const auto& dialog : dialogs) {
        // Modal over the main dialog only, so the built-in viewers beside it stay usable.
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        const std::set<int> own = TopicsOf(*dialog);
        QVERIFY2(!own.empty(), qPrintable(dialog->windowTitle()));
        topics.insert(own.begin(), own.end());
    }
    for (const int topic : topics) {
        const QRegularExpression anchor(QStringLiteral("id=\"%1\"").arg(topic));
        QVERIFY2(html.contains(anchor), qPrintable(QStringLiteral("no topic %1 in the manual").arg(topic)));
    }
}

QUILLON_UI_TEST(ContextHelpTest);

}  // namespace quillon::test

#include "ContextHelpTest.moc"
