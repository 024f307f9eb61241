#include "DrawnTabBar.h"
#include "Error.h"
#include "FirmRegistry.h"
#include "GuiTestSupport.h"
#include "MessageBoxes.h"
#include "Pages.h"
#include "ProfileFile.h"
#include "ResultSetModel.h"
#include "TestMain.h"
#include "UrazData.h"
#include "UrazForm.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>

namespace {

QMenu *topMenu(TUrazForm &form, const QString &caption)
{
    for (QAction *entry : form.menuBar()->actions())
        if (entry->text() == caption)
            return entry->menu();
    return nullptr;
}

QStringList captionsOf(const QList<QAction *> &actions)
{
    QStringList captions;
    for (QAction *entry : actions)
        captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    return captions;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstStartCreatesAndOpensTheFirstCompany_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("name typed") << std::optional<QString>(QStringLiteral("Stavby Novák s.r.o.")) << "Stavby Novák s.r.o.";
        QTest::newRow("cancelled: empty name") << std::optional<QString>() << "";
    }
    void firstStartCreatesAndOpensTheFirstCompany()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(QString, name);
        TempDataFolder folder;
        ScriptedResponder responder;
        responder.answerInput(typed);
        TUrazData data;
        TUrazForm form(data);
        QCOMPARE(form.windowTitle(), QStringLiteral("Trelvo"));
        form.FormShow();

        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown[0].caption, QStringLiteral("Před prvním spuštěním zadejte název firmy"));
        QCOMPARE(responder.shown[0].text, QStringLiteral("Zapište název firmy"));
        ProfileFile index(folder.file("index.ini"));
        QCOMPARE(index.readString("Setup", "LastFirmPath"), QStringLiteral("Firm1\\"));
        QCOMPARE(index.sectionKeys("Firmy"), QStringList{QStringLiteral("path1")});
        QCOMPARE(ProfileFile(folder.file("Firm1/Firm.ini")).readString("Firma", "Name"), name);
        QVERIFY(QFileInfo::exists(folder.file("Firm1/TRELVOFIRMA.FDB")));
        QVERIFY(QFileInfo::exists(folder.file("TRELVOCOMMON.FDB")));
        const QString expected = QStringLiteral("Trelvo - ") + name + QStringLiteral(" (")
                                 + FirmRegistry(folder.path()).folderPathForDisplay("Firm1\\") + ")";
        QCOMPARE(form.windowTitle(), expected);
        QVERIFY(form.firm());
        QCOMPARE(form.firm()->name, name);
        // The fixed lists are open on the new (empty) database.
        QCOMPARE(form.bookList()->model()->columnCount(), 23);
        QCOMPARE(form.departmentList()->model()->columnCount(), 9);
    }

    void aRemovedLastCompanyStartsFirstCompanyCreation()
    {
        TempDataFolder folder;
        WriteRegistry(folder, "Firm2\\", {"Jedna"});  // Firm2 does not exist
        ScriptedResponder responder;
        responder.answerInput(QStringLiteral("Nová"));
        TUrazData data;
        TUrazForm form(data);
        form.FormShow();
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown[0].text, QStringLiteral("Zapište název firmy"));
        ProfileFile index(folder.file("index.ini"));
        QCOMPARE(index.readString("Setup", "LastFirmPath"), QStringLiteral("Firm2\\"));
        QCOMPARE(index.sectionKeys("Firmy"), (QStringList{"path1", "path2"}));
        QCOMPARE(form.firm()->name, QStringLiteral("Nová"));
        // The first company is untouched.
        QCOMPARE(ProfileFile(folder.file("Firm1/Firm.ini")).readString("Firma", "Name"), QStringLiteral("Jedna"));
    }

    void schoolSettingShowsOrHidesThePage_data()
    {
        QTest::addColumn<bool>("school");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("off") << false
                             << QStringList{"Kartotéka", "Kniha úrazů", "Registrované úrazy", "Přehled zaměstnanců",
                                            "Střediska", "Statistika"};
        QTest::newRow("on") << true
                            << QStringList{"Kartotéka", "Kniha úrazů", "Registrované úrazy", "Školní úrazy",
                                           "Přehled zaměstnanců", "Střediska", "Statistika"};
    }
    void schoolSettingShowsOrHidesThePage()
    {
        QFETCH(bool, school);
        QFETCH(QStringList, tabs);
        TempDataFolder folder;
        WriteRegistry(folder, "Firm1\\", {"Škola", "Továrna"}, school);
        ScriptedResponder responder;
        TUrazData data;
        TUrazForm form(data);
        form.FormShow();
        QVERIFY(responder.shown.isEmpty());
        QStringList shown;
        for (int i = 0; i < form.pageControl()->count(); ++i)
            shown << form.pageControl()->tabText(i);
        QCOMPARE(shown, tabs);
        QCOMPARE(form.schoolMenu()->menuAction()->isVisible(), school);

        // Switching to a company with the other setting turns the page round.
        WriteFile(folder.file("Firm2/Firm.ini"),
                  QByteArray("[Firma]\r\nName=Druhá\r\nSKUraz=") + (school ? "0" : "1") + "\r\n");
        form.opener().ChangeFirm(QStringLiteral("Firm2\\"));
        QCOMPARE(form.pageControl()->count(), school ? 6 : 7);
        QCOMPARE(form.pageControl()->tabText(school ? 5 : 6), QStringLiteral("Statistika"));
        QCOMPARE(form.schoolMenu()->menuAction()->isVisible(), !school);
        QCOMPARE(ProfileFile(folder.file("index.ini")).readString("Setup", "LastFirmPath"), QStringLiteral("Firm2\\"));
    }

    void listsShowTheCompanysRows()
    {
        TempDataFolder folder;
        WriteRegistry(folder, "Firm1\\", {"Jedna"});
        ScriptedResponder responder;
        TUrazData data;
        TUrazForm form(data);
        form.FormShow();
        QCOMPARE(form.departmentList()->model()->rowCount(), 0);
        try {
            data.ZUserDataConnection.change([&] {
                data.ZUserDataConnection.execute(
                    "INSERT INTO STREDISKA (ID, NAME, STRED_ID, PARENTID) VALUES (7, 'Dílna', '01', 0);");
            });
        } catch (const TrelvoError &error) {
            QFAIL(qPrintable(error.message()));
        }
        form.FormShow();
        QCOMPARE(form.departmentList()->model()->rowCount(), 1);
        QCOMPARE(form.departmentList()->model()->result().text(0, "NAME"), QStringLiteral("Dílna"));
        // The injury grids get their fixed column widths.
        QCOMPARE(form.registeredList()->grid()->columnWidth(0), 40);
        QCOMPARE(form.bookList()->grid()->columnWidth(3), 60);
    }

    void aDamagedDatabaseIsReportedAndAnotherCompanyCanBeChosen()
    {
        TempDataFolder folder;
        WriteRegistry(folder, "Firm1\\", {"Poškozená", "Zdravá"});
        WriteFile(folder.file("Firm1/TRELVOFIRMA.FDB"), QByteArray(70000, 'x'));
        ScriptedResponder responder;
        TUrazData data;
        TUrazForm form(data);
        form.FormShow();
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown[0].kind, MessageKind::Error);
        QCOMPARE(responder.shown[0].caption, ApplicationTitle);
        QVERIFY(!responder.shown[0].text.isEmpty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Trelvo"));
        QVERIFY(!form.firm());
        // The damaged file is still there as it was.
        QCOMPARE(QFileInfo(folder.file("Firm1/TRELVOFIRMA.FDB")).size(), 70000);

        form.opener().ChangeFirm(QStringLiteral("Firm2\\"));
        QVERIFY(form.windowTitle().startsWith(QStringLiteral("Trelvo - Zdravá (")));
        QCOMPARE(responder.shown.size(), 1);
    }

    void windowFrame()
    {
        TempDataFolder folder;
        TUrazData data;
        TUrazForm form(data);
        QCOMPARE(form.minimumSize(), QSize(695, 540));
        QCOMPARE(form.size(), QSize(815, 540));
        form.resize(300, 200);
        QCOMPARE(form.size(), QSize(695, 540));

        QCOMPARE(captionsOf(form.menuBar()->actions()),
                 (QStringList{"Soubor", "Databáze", "Nastavení", "Nápověda", "Test"}));
        QVERIFY(!topMenu(form, "Test")->menuAction()->isVisible());
        QCOMPARE(captionsOf(topMenu(form, "Soubor")->actions()),
                 (QStringList{"Změna firmy", "Nastavení firem", "-", "Zavřít"}));
        QCOMPARE(topMenu(form, "Soubor")->actions().last()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
        QCOMPARE(captionsOf(topMenu(form, "Databáze")->actions()),
                 (QStringList{"Zaměstnanci", "Kniha úrazu", "Registrované úrazy", "Školní úrazy", "Databáze zranění",
                              "Databáze části těla", "Zdravotní pojišťovny", "Aktualizace číselníků…"}));
        QCOMPARE(captionsOf(form.schoolMenu()->actions()),
                 (QStringList{"Přidat školní záznam o úrazu", "Upravit školní záznam o úrazu",
                              "Tisk školního záznamu o úrazu", "Tisk formuláře"}));
        QCOMPARE(captionsOf(topMenu(form, "Nastavení")->actions()),
                 (QStringList{"Nastavení firmy", "Úprava středisek"}));
        QCOMPARE(captionsOf(topMenu(form, "Nápověda")->actions()),
                 (QStringList{"O programu", "Nápověda k programu"}));
        for (QAction *later : {form.injuryCodesItem(), form.bodyPartsItem(), form.insurersItem(),
                               form.codeListUpdateItem()})
            QVERIFY(later->isEnabled());
        QCOMPARE(form.actionNames().size(), 32);
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ChangeFirm") << "ChangeFirm" << "Změna firmy" << "Změna firmy" << true;
        QTest::newRow("SetupAction") << "SetupAction" << "Nastavení programu" << "Nastavení programu" << true;
        QTest::newRow("AddUraz") << "AddUraz" << "Přeregistrovat úraz" << "Registrovat záznam" << false;
        QTest::newRow("RegPrintEmpty") << "RegPrintEmpty" << "Tisk registračního formuláře"
                                       << "Náhled a tisk prázdného registračního formuláře" << true;
        QTest::newRow("ZaznamPrintEmpty") << "ZaznamPrintEmpty" << "Tisk formuláře"
                                          << "Náhled a tisk prázdného formuláře" << true;
        QTest::newRow("SKUrazPrintEmpty") << "SKUrazPrintEmpty" << "Tisk formuláře"
                                          << "Náhled a tisk prázdného formuláře" << true;
        QTest::newRow("PrintHlZmenEmpty") << "PrintHlZmenEmpty" << "Tisk formuláře hlášení změn"
                                          << "Tisk formuláře hlášení změn" << true;
        QTest::newRow("DeleteMAn") << "DeleteMAn" << "Odstranit zaměstnance" << "Odstranit zaměstnace" << false;
        QTest::newRow("FirmSetting") << "FirmSetting" << "Nastavení firmy" << "" << false;
    }
    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, enabled);
        TempDataFolder folder;
        TUrazData data;
        TUrazForm form(data);
        QAction *action = form.action(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->statusTip(), hint);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void letterTabsDrawTheSelectedTabNavy()
    {
        DrawnTabBar bar(DrawnTabBar::Variant::LetterTabs, true);
        for (const char *letter : {"Vše", "A", "Á", "B"})
            bar.addTab(QString::fromUtf8(letter));
        bar.setCurrentIndex(2);
        bar.resize(bar.sizeHint());
        const QImage image = bar.grab().toImage();
        const QRect selected = bar.tabRect(2);
        const QRect other = bar.tabRect(0);
        QCOMPARE(QColor(image.pixel(selected.left() + 1, selected.top() + 1)), QColor(0, 0, 128));
        QCOMPARE(QColor(image.pixel(other.left() + 1, other.top() + 1)), QColor(192, 192, 192));
    }

    void aLaterStartBringsTheWindowBack()
    {
        TempDataFolder folder;
        ScriptedResponder responder;
        TUrazData data;
        TUrazForm form(data);
        form.setWindowState(Qt::WindowMinimized);
        form.bringToFront();
        QVERIFY(!form.isMinimized());
        QVERIFY(form.isVisible());
        QVERIFY(form.placementStoreEnabled());
    }

    void placementStoreIsOffWhileMinimized()
    {
        TempDataFolder folder;
        TUrazData data;
        TUrazForm form(data);
        QVERIFY(form.placementStoreEnabled());
        form.setWindowState(Qt::WindowMinimized);
        QVERIFY(!form.placementStoreEnabled());
        form.setWindowState(Qt::WindowNoState);
        QVERIFY(form.placementStoreEnabled());
    }

    void selectedTabIsDrawnGreyWithYellowCaption()
    {
        TempDataFolder folder;
        WriteRegistry(folder, "Firm1\\", {"Ukázková firma"}, true);
        ScriptedResponder responder;
        TUrazData data;
        TUrazForm form(data);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.firm());  // the company opens once the window is shown
        QVERIFY(responder.shown.isEmpty());
        DrawnTabBar *bar = form.tabBar();
        const QImage image = bar->grab().toImage();
        const QRect selected = bar->tabRect(bar->currentIndex());
        const QRect other = bar->tabRect(1);
        QCOMPARE(QColor(image.pixel(selected.left() + 2, selected.center().y())), QColor(128, 128, 128));
        QCOMPARE(QColor(image.pixel(other.left() + 2, other.center().y())), QColor(192, 192, 192));
        bool yellow = false;
        for (int x = selected.left(); x < selected.right() && !yellow; ++x)
            for (int y = selected.top(); y < image.height() && !yellow; ++y)
                yellow = QColor(image.pixel(x, y)) == QColor(255, 255, 0);
        QVERIFY(yellow);
        if (const QByteArray shots = qgetenv("TRELVO_SCREENSHOT_DIR"); !shots.isEmpty())
            form.grab().save(QString::fromLocal8Bit(shots) + "/main-window.png");
    }
};

TRELVO_TEST(MainWindowTest)
#include "MainWindowTest.moc"
