// Ignore Entities, Preferences, the uppercase warning, About and centring.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <array>

#include "UiFixture.h"
#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/Version.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/UppercaseFixDialog.h"

namespace quillon::test {

namespace {

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) {
        entries << list->item(row)->text();
    }
    return entries;
}

/// An Ignore Entities dialog over the base database, with `ignoreList` as the list it edits.
struct IgnoreFixture : UiFixture {
    std::vector<std::string> ignoreList;
    std::unique_ptr<IgnoreDialog> dialog;
    QListWidget* entities = nullptr;
    QListWidget* ignored = nullptr;

    void Open() {
        dialog = std::make_unique<IgnoreDialog>(nullptr, ignoreList, services, nullptr);
        QVERIFY(dialog->Load(BaseDatabase(), BaseDatabase()));
        entities = Control<QListWidget>(dialog.get(), IgnoreDialog::ID_ENTITIES);
        ignored = Control<QListWidget>(dialog.get(), IgnoreDialog::ID_IGNORE);
    }
    /// Selects `name` in `list` and clicks the button that moves it to the other list.
    void Move(QListWidget* list, const char* name) {
        const QList<QListWidgetItem*> found = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->setCurrentItem(found.first());
        Click(*dialog, list == entities ? IgnoreDialog::ID_ADD : IgnoreDialog::ID_REMOVE);
    }
};

}  // namespace

class SecondaryDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void IgnoreListsAreSortedAndDisjointAndOkKeepsAndCancelDrops() {
        IgnoreFixture fixture;
        fixture.ignoreList = {"weapon_shotgun", "light"};
        fixture.Open();
        const QStringList entities = Entries(fixture.entities);
        QCOMPARE(Entries(fixture.ignored), (QStringList{QStringLiteral("light"), QStringLiteral("weapon_shotgun")}));
        QVERIFY(entities.contains(QStringLiteral("ammo_cells")));
        QVERIFY(!entities.contains(QStringLiteral("light")) && !entities.contains(QStringLiteral("weapon_shotgun")));
        QVERIFY(std::is_sorted(entities.begin(), entities.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        }));
        fixture.Move(fixture.entities, "target_speaker");
        fixture.Move(fixture.entities, "item_armor_body");
        QCOMPARE(Entries(fixture.ignored).first(), QStringLiteral("item_armor_body"));
        QCOMPARE(fixture.entities->count(), entities.size() - 2);
        Click(*fixture.dialog, ID_CANCEL);
        QCOMPARE(fixture.ignoreList, (std::vector<std::string>{"weapon_shotgun", "light"}));

        fixture.Open();
        fixture.Move(fixture.entities, "target_speaker");
        fixture.Move(fixture.ignored, "light");
        QVERIFY(!fixture.entities->findItems(QStringLiteral("light"), Qt::MatchExactly).isEmpty());
        Click(*fixture.dialog, ID_OK);
        QCOMPARE(fixture.ignoreList, (std::vector<std::string>{"target_speaker", "weapon_shotgun"}));
        QCOMPARE(fixture.services.beeps, 0);
    }

    void IgnoreReportsMissingDatabaseAndBeepsWithoutSelectionAndAtFullList() {
        IgnoreFixture fixture;
        const std::string missing = fixture.scratch.PathOf("mod.db");
        IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
        QVERIFY(!dialog.Load(fixture.BaseDatabase(), missing));
        QCOMPARE(fixture.services.messages, std::vector<std::string>{missing});
        QCOMPARE(fixture.services.messageTitles[0], std::string("File not found"));

        fixture.Open();
        Click(*fixture.dialog, IgnoreDialog::ID_ADD);
        QCOMPARE(fixture.services.beeps, 1);
        Click(*fixture.dialog, IgnoreDialog::ID_REMOVE);
        QCOMPARE(fixture.services.beeps, 2);

        const QStringList names = Entries(fixture.entities);
        QVERIFY(names.size() > IgnoreDialog::MAX_IGNORED_CLASSES);
        for (int index = 0; index < IgnoreDialog::MAX_IGNORED_CLASSES - 1; ++index) {
            fixture.ignoreList.push_back(names[index].toStdString());
        }
        fixture.Open();
        fixture.entities->setCurrentRow(0);
        fixture.dialog->Add();
        QCOMPARE(fixture.ignored->count(), 128);
        QCOMPARE(fixture.services.beeps, 2);
        fixture.entities->setCurrentRow(0);
        const QString next = fixture.entities->currentItem()->text();
        fixture.dialog->Add();
        QCOMPARE(fixture.services.beeps, 3);
        QCOMPARE(fixture.ignored->count(), 128);
        QVERIFY(fixture.ignored->findItems(next, Qt::MatchExactly).isEmpty());
        fixture.dialog->accept();
        QCOMPARE(fixture.ignoreList.size(), std::size_t{128});
    }

    void PreferencesStoreTheirBoxesAndResetDontAskWhenLowerCasingChanges() {
        GameSettings game;
        game.autoOverwrite = 0;
        game.findBadWals = 1;
        PreferencesDialog dialog(nullptr, game, nullptr);
        auto* overwrite = Control<QCheckBox>(&dialog, PreferencesDialog::ID_AUTO_OVERWRITE);
        QVERIFY(!overwrite->isChecked());
        QVERIFY(Control<QCheckBox>(&dialog, PreferencesDialog::ID_FIND_BAD_WALS)->isChecked());
        QCOMPARE(overwrite->text(), QStringLiteral("&Overwrite output files w/o warning"));
        Click(dialog, PreferencesDialog::ID_FIND_BAD_WALS);
        QCOMPARE(game.findBadWals, 0);
        overwrite->click();
        QCOMPARE(game.autoOverwrite, 0);
        // Closing the window stores the overwrite box as OK does.
        dialog.show();
        dialog.close();
        QCOMPARE(game.autoOverwrite, 1);

        // OK resets "don't ask" when the lower-casing box was turned on, turned off, turned on and
        // off again, untouched, turned off, turned on and off again, untouched.
        for (const auto& [fixTextures, clicks, dontAsk] : {std::array{0, 1, 0}, {1, 1, 0}, {0, 2, 1}, {1, 0, 1}}) {
            game.fixTextures = fixTextures;
            game.dontAsk = 1;
            PreferencesDialog lowerCasing(nullptr, game, nullptr);
            for (int click = 0; click < clicks; ++click) {
                Click(lowerCasing, PreferencesDialog::ID_FIX_TEXTURES);
            }
            QCOMPARE(game.fixTextures, clicks % 2 == 1 ? 1 - fixTextures : fixTextures);
            Click(lowerCasing, ID_OK);
            QCOMPARE(game.dontAsk, dontAsk);
        }
    }

    void UppercaseWarningReadsItsBoxEveryWay() {
        // Yes with the box as it was ticked, No after ticking it, and closing the window untouched.
        for (const int way : {0, 1, 2}) {
            UppercaseFixDialog dialog(nullptr, way == 0, nullptr);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("WARNING"));
            QVERIFY(!dialog.findChildren<QLabel*>().isEmpty());
            dialog.show();
            if (way == 1) {
                Click(dialog, UppercaseFixDialog::ID_DONT_ASK);
            }
            if (way == 2) {
                dialog.close();
            } else {
                Click(dialog, way == 0 ? ID_YES : ID_NO);
            }
            QCOMPARE(dialog.result(), way == 0 ? int(UppercaseFixDialog::ConvertResult) : 0);
            QCOMPARE(dialog.DontAskAgain(), way != 2);
        }
    }

    void AboutShowsTitleOpensUpdatesAndBeepsOnControlShiftDoubleClick() {
        UiFixture fixture;
        const QString title = QString::fromStdString(WindowTitle(VersionString()));
        HelpBook help(QStringLiteral("/opt/quillon/manual.html"), fixture.services);
        AboutDialog dialog(nullptr, title, fixture.services, &help);
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(Control<QLabel>(&dialog, AboutDialog::ID_TITLE)->text(), QStringLiteral("About ") + title);
        QVERIFY(Control<QLabel>(&dialog, AboutDialog::ID_DESCRIPTION)->text().startsWith("Quake 2 Map Diagnostics"));
        QVERIFY(Control<QLabel>(&dialog, AboutDialog::ID_DISCLAIMER)->text().startsWith("DISCLAIMER: The authors"));
        Click(dialog, AboutDialog::ID_UPDATES);
        QCOMPARE(fixture.services.openedUrls, std::vector<QUrl>{QUrl("file:///opt/quillon/manual.html#updates")});
        AboutDialog withoutManual(nullptr, title, fixture.services, nullptr);
        QVERIFY(Control<QPushButton>(&withoutManual, AboutDialog::ID_UPDATES)->isHidden());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 4));
        QCOMPARE(fixture.services.beeps, 0);
        QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(4, 4));
        QCOMPARE(fixture.services.beeps, 1);
    }

    void CentringRoundsDownToEight() {
        QCOMPARE(CentredPosition(QSize(1024, 768), QSize(300, 200)), QPoint(360, 284));
        QCOMPARE(CentredPosition(QSize(1920, 1080), QSize(401, 301)), QPoint(760, 389));
        QCOMPARE(CentredPosition(QSize(640, 480), QSize(700, 500)), QPoint(-32, -10));
    }
};

QUILLON_UI_TEST(SecondaryDialogsTest);

}  // namespace quillon::test

#include "SecondaryDialogsTest.moc"
