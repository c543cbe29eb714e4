// Help: F1 and the context menu open the manual at the control's topic, and the manual has a
// topic for every control that offers one.
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>
#include <set>
#include <vector>

#include "UiFixture.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/FindEntitiesDialog.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon::test {

namespace {

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
    void F1ContextMenuAndHelpButtonOpenTheManual() {
        UiFixture fixture;
        const auto dialog = fixture.Main();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        std::vector<QUrl>& opened = fixture.services.openedUrls;
        for (const auto& [id, topic] : {std::pair{MainDialog::ID_MAP_FILE, "1000"}, {MainDialog::ID_GO, "1010"}}) {
            QWidget* control = Control<QWidget>(dialog.get(), id);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_F1);
            QCOMPARE(opened.back().toLocalFile(), QString::fromStdString(fixture.paths.programDir + "manual.html"));
            QCOMPARE(opened.back().fragment(), QString::fromLatin1(topic));
        }
        // A button's context menu holds only the help entry; an edit keeps its editing entries and
        // gains the help entry at the end.
        for (const auto& [id, topic] :
             {std::pair{MainDialog::ID_PREFERENCES, "1022"}, {MainDialog::ID_TEXTURE_DIR, "1027"}}) {
            QWidget* control = Control<QWidget>(dialog.get(), id);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(control, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QVERIFY(id == MainDialog::ID_PREFERENCES ? menu->actions().size() == 1 : menu->actions().size() > 3);
            menu->actions().last()->trigger();
            menu->close();
            QCOMPARE(opened.back().fragment(), QString::fromLatin1(topic));
        }
        // The Help button opens the manual at its contents.
        Click(*dialog, MainDialog::ID_HELP);
        QCOMPARE(opened.size(), std::size_t{5});
        QCOMPARE(opened.back().toLocalFile(), QString::fromStdString(fixture.paths.programDir + "manual.html"));
        QVERIFY(!opened.back().hasFragment());
    }

    void BuiltInViewerTakesOverWithoutBrowser() {
        UiFixture fixture;
        fixture.services.desktopOpensUrls = false;
        {
            const auto dialog = fixture.Main();
            dialog->Help().OpenTopic(MainDialog::ID_IGNORE);
            TextViewer* viewer = VisibleViewer();
            QVERIFY(viewer != nullptr);
            QVERIFY(viewer->Source().endsWith(QStringLiteral("manual.html#1016")));
            QVERIFY(viewer->Text().contains(QStringLiteral("Ignore Entities")));
            // Headings read as the user sees the controls, without their internal numbers.
            QVERIFY(viewer->Text().contains(QStringLiteral("\nOutput file\n")));
            QVERIFY(!viewer->Text().contains(QStringLiteral("1002")));
            // Exit closes the help window with the dialog.
            Click(*dialog, MainDialog::ID_EXIT);
        }
        QCOMPARE(CloseViewers(), 0);
    }

    void ManualHasEveryTopicAndDialogsBlockOnlyTheMainDialog() {
        UiFixture fixture;
        QFile manual(QStringLiteral(QUILLON_SOURCE_DIR "/docs/manual.html"));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(manual.readAll());

        fixture.settings.game.lastMapFile = fixture.WriteSmallMap();
        MainDialog main(fixture.paths, fixture.settings, false, fixture.services);
        EntityDatabaseEntry database;
        database.fullPath = fixture.BaseDatabase();
        HelpBook* help = &main.Help();
        const std::unique_ptr<QWidget> dialogs[] = {
            std::make_unique<AboutDialog>(&main, main.windowTitle(), fixture.services, help),
            std::make_unique<PreferencesDialog>(&main, fixture.settings.game, help),
            std::make_unique<UppercaseFixDialog>(&main, false, help),
            std::make_unique<IgnoreDialog>(&main, main.IgnoreList(), fixture.services, help),
            std::make_unique<FindEntitiesDialog>(&main, fixture.paths, fixture.settings, database, fixture.services,
                                                 help),
            std::make_unique<FileListDialog>(&main, fixture.paths, fixture.settings, fixture.services, help)};
        std::set<int> topics = TopicsOf(main);
        for (const auto& dialog : dialogs) {
            // Modal over the main dialog only, so the built-in viewers beside it stay usable.
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            const std::set<int> own = TopicsOf(*dialog);
            QVERIFY2(!own.empty(), qPrintable(dialog->windowTitle()));
            topics.insert(own.begin(), own.end());
        }
        for (const int topic : topics) {
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(topic)), qPrintable(QString::number(topic)));
        }
    }
};

QUILLON_UI_TEST(ContextHelpTest);

}  // namespace quillon::test

#include "ContextHelpTest.moc"
