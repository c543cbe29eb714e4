// Ignore Entities, Preferences, the uppercase warning, About, centring and the single instance.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "UiFixture.h"
#include "UiTestMain.h"
#include "frontend/core/CheckerLaunch.h"
#include "frontend/core/Version.h"
#include "frontend/ui/AboutDialog.h"
#include "frontend/ui/ContextHelp.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/IgnoreDialog.h"
#include "frontend/ui/PreferencesDialog.h"
#include "frontend/ui/SingleInstance.h"
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

void Select(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

struct IgnoreFixture : UiFixture {
    std::vector<std::string> ignoreList;
    std::string Base() const { return paths.gameDir + "quake2.db"; }
};

}  // namespace

class SecondaryDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void IgnoreMovesSelectedClassesAndBeepsWithoutSelection();
    void IgnoreBeepsAtFullList();
    void IgnoreListsAreSortedAndDisjointAndOkKeepsAndCancelDrops();
    void IgnoreReportsMissingDatabase();
    void PreferencesStoreTheirBoxes();
    void PreferencesResetDontAskWhenLowerCasingChanges_data();
    void PreferencesResetDontAskWhenLowerCasingChanges();
    void UppercaseWarningReadsItsBoxEveryWay();
    void AboutShowsTitleOpensUpdatesAndBeepsOnControlShiftDoubleClick();
    void CentringRoundsDownToEight();
    void SecondStartBringsFirstToFront();
};

void SecondaryDialogsTest::IgnoreMovesSelectedClassesAndBeepsWithoutSelection() {
    IgnoreFixture fixture;
    IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
    QVERIFY(dialog.Load(fixture.Base(), fixture.Base()));
    auto* entities = Control<QListWidget>(&dialog, IgnoreDialog::ID_ENTITIES);
    auto* ignored = Control<QListWidget>(&dialog, IgnoreDialog::ID_IGNORE);
    const int classes = entities->count();
    Control<QPushButton>(&dialog, IgnoreDialog::ID_ADD)->click();
    QCOMPARE(fixture.services.beeps, 1);
    Control<QPushButton>(&dialog, IgnoreDialog::ID_REMOVE)->click();
    QCOMPARE(fixture.services.beeps, 2);

    Select(entities, QStringLiteral("monster_tank"));
    Control<QPushButton>(&dialog, IgnoreDialog::ID_ADD)->click();
    Select(entities, QStringLiteral("item_armor_body"));
    Control<QPushButton>(&dialog, IgnoreDialog::ID_ADD)->click();
    QCOMPARE(Entries(ignored), (QStringList{QStringLiteral("item_armor_body"), QStringLiteral("monster_tank")}));
    QCOMPARE(entities->count(), classes - 2);
    Select(ignored, QStringLiteral("monster_tank"));
    Control<QPushButton>(&dialog, IgnoreDialog::ID_REMOVE)->click();
    QCOMPARE(Entries(ignored), QStringList{QStringLiteral("item_armor_body")});
    QVERIFY(!entities->findItems(QStringLiteral("monster_tank"), Qt::MatchExactly).isEmpty());
    QCOMPARE(fixture.services.beeps, 2);
}

void SecondaryDialogsTest::IgnoreBeepsAtFullList() {
    IgnoreFixture fixture;
    {
        IgnoreDialog all(nullptr, fixture.ignoreList, fixture.services, nullptr);
        QVERIFY(all.Load(fixture.Base(), fixture.Base()));
        const QStringList names = Entries(Control<QListWidget>(&all, IgnoreDialog::ID_ENTITIES));
        QVERIFY(names.size() > IgnoreDialog::MAX_IGNORED_CLASSES);
        for (int index = 0; index < IgnoreDialog::MAX_IGNORED_CLASSES - 1; ++index) {
            fixture.ignoreList.push_back(names[index].toStdString());
        }
    }
    IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
    QVERIFY(dialog.Load(fixture.Base(), fixture.Base()));
    auto* entities = Control<QListWidget>(&dialog, IgnoreDialog::ID_ENTITIES);
    auto* ignored = Control<QListWidget>(&dialog, IgnoreDialog::ID_IGNORE);
    entities->setCurrentRow(0);
    dialog.Add();
    QCOMPARE(ignored->count(), 128);
    QCOMPARE(fixture.services.beeps, 0);
    entities->setCurrentRow(0);
    const QString next = entities->currentItem()->text();
    dialog.Add();
    QCOMPARE(fixture.services.beeps, 1);
    QCOMPARE(ignored->count(), 128);
    QVERIFY(ignored->findItems(next, Qt::MatchExactly).isEmpty());
    dialog.accept();
    QCOMPARE(fixture.ignoreList.size(), std::size_t{128});
}

void SecondaryDialogsTest::IgnoreListsAreSortedAndDisjointAndOkKeepsAndCancelDrops() {
    IgnoreFixture fixture;
    fixture.ignoreList = {"weapon_shotgun", "light"};
    {
        IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
        QVERIFY(dialog.Load(fixture.Base(), fixture.Base()));
        const QStringList entities = Entries(Control<QListWidget>(&dialog, IgnoreDialog::ID_ENTITIES));
        QCOMPARE(Entries(Control<QListWidget>(&dialog, IgnoreDialog::ID_IGNORE)),
                 (QStringList{QStringLiteral("light"), QStringLiteral("weapon_shotgun")}));
        QVERIFY(entities.contains(QStringLiteral("ammo_cells")));
        QVERIFY(!entities.contains(QStringLiteral("light")) && !entities.contains(QStringLiteral("weapon_shotgun")));
        QStringList sorted = entities;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(entities, sorted);
        Select(Control<QListWidget>(&dialog, IgnoreDialog::ID_ENTITIES), QStringLiteral("target_speaker"));
        dialog.Add();
        Control<QPushButton>(&dialog, ID_CANCEL)->click();
    }
    QCOMPARE(fixture.ignoreList, (std::vector<std::string>{"weapon_shotgun", "light"}));
    IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
    QVERIFY(dialog.Load(fixture.Base(), fixture.Base()));
    Select(Control<QListWidget>(&dialog, IgnoreDialog::ID_ENTITIES), QStringLiteral("target_speaker"));
    dialog.Add();
    Select(Control<QListWidget>(&dialog, IgnoreDialog::ID_IGNORE), QStringLiteral("light"));
    dialog.Remove();
    Control<QPushButton>(&dialog, ID_OK)->click();
    QCOMPARE(fixture.ignoreList, (std::vector<std::string>{"target_speaker", "weapon_shotgun"}));
}

void SecondaryDialogsTest::IgnoreReportsMissingDatabase() {
    IgnoreFixture fixture;
    const std::string missing = fixture.scratch.PathOf("mod.db");
    IgnoreDialog dialog(nullptr, fixture.ignoreList, fixture.services, nullptr);
    QVERIFY(!dialog.Load(fixture.Base(), missing));
    QCOMPARE(fixture.services.MessageTexts(), std::vector<std::string>{missing});
    QCOMPARE(fixture.services.messages[0].title, std::string("File not found"));
}

void SecondaryDialogsTest::PreferencesStoreTheirBoxes() {
    UiFixture fixture;
    GameSettings& game = fixture.settings.game;
    game.autoOverwrite = 0;
    game.findBadWals = 1;
    PreferencesDialog dialog(nullptr, game, nullptr);
    auto* overwrite = Control<QCheckBox>(&dialog, PreferencesDialog::ID_AUTO_OVERWRITE);
    auto* badWals = Control<QCheckBox>(&dialog, PreferencesDialog::ID_FIND_BAD_WALS);
    QVERIFY(!overwrite->isChecked());
    QVERIFY(badWals->isChecked());
    QCOMPARE(overwrite->text(), QStringLiteral("&Overwrite output files w/o warning"));
    badWals->click();
    QCOMPARE(game.findBadWals, 0);
    overwrite->click();
    QCOMPARE(game.autoOverwrite, 0);
    // Closing the window stores the overwrite box as OK does.
    dialog.show();
    dialog.close();
    QCOMPARE(game.autoOverwrite, 1);
}

void SecondaryDialogsTest::PreferencesResetDontAskWhenLowerCasingChanges_data() {
    QTest::addColumn<int>("fixTextures");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("dontAsk");
    QTest::newRow("turned on") << 0 << 1 << 0;
    QTest::newRow("turned off") << 1 << 1 << 0;
    QTest::newRow("turned on and off again") << 0 << 2 << 1;
    QTest::newRow("untouched") << 1 << 0 << 1;
}

void SecondaryDialogsTest::PreferencesResetDontAskWhenLowerCasingChanges() {
    QFETCH(int, fixTextures);
    QFETCH(int, clicks);
    QFETCH(int, dontAsk);
    UiFixture fixture;
    GameSettings& game = fixture.settings.game;
    game.fixTextures = fixTextures;
    game.dontAsk = 1;
    PreferencesDialog dialog(nullptr, game, nullptr);
    for (int click = 0; click < clicks; ++click) {
        Control<QCheckBox>(&dialog, PreferencesDialog::ID_FIX_TEXTURES)->click();
    }
    QCOMPARE(game.fixTextures, clicks % 2 == 1 ? 1 - fixTextures : fixTextures);
    Control<QPushButton>(&dialog, ID_OK)->click();
    QCOMPARE(game.dontAsk, dontAsk);
}

void SecondaryDialogsTest::UppercaseWarningReadsItsBoxEveryWay() {
    {
        UppercaseFixDialog dialog(nullptr, true, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("WARNING"));
        QVERIFY(Control<QCheckBox>(&dialog, UppercaseFixDialog::ID_DONT_ASK)->isChecked());
        QVERIFY(!dialog.findChildren<QLabel*>().isEmpty());
        dialog.show();
        Control<QPushButton>(&dialog, ID_YES)->click();
        QCOMPARE(dialog.result(), int(UppercaseFixDialog::ConvertResult));
        QVERIFY(dialog.DontAskAgain());
    }
    {
        UppercaseFixDialog dialog(nullptr, false, nullptr);
        dialog.show();
        Control<QCheckBox>(&dialog, UppercaseFixDialog::ID_DONT_ASK)->click();
        Control<QPushButton>(&dialog, ID_NO)->click();
        QCOMPARE(dialog.result(), 0);
        QVERIFY(dialog.DontAskAgain());
    }
    UppercaseFixDialog dialog(nullptr, false, nullptr);
    dialog.show();
    dialog.close();
    QCOMPARE(dialog.result(), 0);
    QVERIFY(!dialog.DontAskAgain());
}

void SecondaryDialogsTest::AboutShowsTitleOpensUpdatesAndBeepsOnControlShiftDoubleClick() {
    UiFixture fixture;
    const QString title = QString::fromStdString(WindowTitle(VersionString()));
    HelpBook help(QStringLiteral("/opt/quillon/manual.html"), fixture.services);
    AboutDialog dialog(nullptr, title, fixture.services, &help);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(Control<QLabel>(&dialog, AboutDialog::ID_TITLE)->text(), QStringLiteral("About ") + title);
    QVERIFY(Control<QLabel>(&dialog, AboutDialog::ID_DESCRIPTION)->text().startsWith("Quake 2 Map Diagnostics"));
    QVERIFY(Control<QLabel>(&dialog, AboutDialog::ID_DISCLAIMER)->text().startsWith("DISCLAIMER: The authors"));
    Control<QPushButton>(&dialog, AboutDialog::ID_UPDATES)->click();
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

void SecondaryDialogsTest::CentringRoundsDownToEight() {
    QCOMPARE(CentredPosition(QSize(1024, 768), QSize(300, 200)), QPoint(360, 284));
    QCOMPARE(CentredPosition(QSize(1920, 1080), QSize(401, 301)), QPoint(760, 389));
    QCOMPARE(CentredPosition(QSize(640, 480), QSize(700, 500)), QPoint(-32, -10));
}

void SecondaryDialogsTest::SecondStartBringsFirstToFront() {
    const QString name = QStringLiteral("quillon-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance second(name);
    QVERIFY(!second.SignalRunningCopy());
    SingleInstance first(name);
    QVERIFY(first.Listen());
    QSignalSpy front(&first, &SingleInstance::BringToFrontRequested);
    QVERIFY(second.SignalRunningCopy());
    QTRY_COMPARE(front.count(), 1);
}

QUILLON_UI_TEST(SecondaryDialogsTest);

}  // namespace quillon::test

#include "SecondaryDialogsTest.moc"
