#include "FirmSetup.h"
#include "GuiTestSupport.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "SelectFirmForm.h"
#include "SetupForm.h"
#include "TestMain.h"
#include "UrazData.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Moving to the trash goes to a private trash folder, not the user's.
struct PrivateTrash
{
    QTemporaryDir home;
    QByteArray previous = qgetenv("XDG_DATA_HOME");
    bool testMode = QStandardPaths::isTestModeEnabled();
    PrivateTrash()
    {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }
    ~PrivateTrash()
    {
        QStandardPaths::setTestModeEnabled(testMode);
        if (previous.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previous);
    }
};

QStringList firmKeys(const TempDataFolder &folder)
{
    return ProfileFile(folder.file("index.ini")).sectionKeys("Firmy");
}

} // namespace

class CompanySetupTest : public QObject
{
    Q_OBJECT

private slots:
    void addingOffersAFolderLeftOver_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Yes uses Firm2") << MessageAnswer::Yes << "Firm2\\";
        QTest::newRow("No makes Firm3") << MessageAnswer::No << "Firm3\\";
    }
    void addingOffersAFolderLeftOver()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, folder);
        TempDataFolder data;
        WriteRegistry(data, "Firm1\\", {"Jedna"});
        WriteFile(data.file("Firm2/Firm.ini"), "[Firma]\r\nName=Stará\r\nICO=123\r\n");
        ScriptedResponder responder;
        responder.answer(answer);
        FirmRegistry registry(data.path());
        FirmSetup setup(registry, nullptr, QString());
        QCOMPARE(setup.addFirm(QStringLiteral("Nová")), folder);
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown[0].caption, QStringLiteral("Potvrzení"));
        QCOMPARE(responder.shown[0].text, QStringLiteral("Nalezen adresář se soubory %1Firm2, chcete jej použít?")
                                              .arg(QDir::toNativeSeparators(data.path())));
        QCOMPARE(setup.names(), (QStringList{"Jedna", "Nová"}));
        // The folder used keeps its other settings.
        if (answer == MessageAnswer::Yes)
            QCOMPARE(ProfileFile(data.file("Firm2/Firm.ini")).readString("Firma", "ICO"), QStringLiteral("123"));
        else
            QCOMPARE(ProfileFile(data.file("Firm2/Firm.ini")).readString("Firma", "Name"), QStringLiteral("Stará"));
    }

    void addingWithAnEmptyNameDoesNothing()
    {
        TempDataFolder data;
        WriteRegistry(data, "Firm1\\", {"Jedna"});
        ScriptedResponder responder;
        FirmRegistry registry(data.path());
        QVERIFY(FirmSetup(registry, nullptr, QString()).addFirm(QString()).isEmpty());
        QCOMPARE(firmKeys(data), QStringList{"path1"});
        QVERIFY(responder.shown.isEmpty());
    }

    void removing_data()
    {
        QTest::addColumn<bool>("deleteFiles");
        QTest::addColumn<bool>("folderStays");
        QTest::newRow("with files") << true << false;
        QTest::newRow("keeping files") << false << true;
    }
    void removing()
    {
        QFETCH(bool, deleteFiles);
        QFETCH(bool, folderStays);
        TempDataFolder data;
        PrivateTrash trash;
        WriteRegistry(data, "Firm1\\", {"Jedna", "Dvě"});
        WriteFile(data.file("Firm2/Zamest.dbf"), "old");
        WriteFile(data.file("Firm2/TRELVOFIRMA.FDB"), "database");
        ScriptedResponder responder;
        responder.answer(MessageAnswer::Yes);
        responder.answer(deleteFiles ? MessageAnswer::Yes : MessageAnswer::No);
        FirmRegistry registry(data.path());
        QVERIFY(FirmSetup(registry, nullptr, QString()).removeFirm(1, QStringLiteral("Dvě")));
        QCOMPARE(responder.shown.size(), 2);
        QCOMPARE(responder.shown[0].text, QStringLiteral("Opravdu odstranit firmu  \"Dvě\" ?"));
        QCOMPARE(responder.shown[1].text, QStringLiteral("Odstranit databázové soubory ?"));
        QCOMPARE(firmKeys(data), QStringList{"path1"});
        QCOMPARE(QFileInfo::exists(data.file("Firm2")), folderStays);
        QCOMPARE(QFileInfo::exists(data.file("Firm2/TRELVOFIRMA.FDB")), folderStays);
        // Only the files of earlier versions and Firm.ini are deleted outright.
        if (!folderStays) {
            QDir trashFiles(trash.home.path() + "/Trash/files");
            QVERIFY(trashFiles.exists("Firm2/TRELVOFIRMA.FDB"));
            QVERIFY(!trashFiles.exists("Firm2/Zamest.dbf"));
            QVERIFY(!trashFiles.exists("Firm2/Firm.ini"));
        }
        QCOMPARE(ProfileFile(data.file("index.ini")).readString("Setup", "LastFirmPath"), QStringLiteral("Firm1\\"));
    }

    void removingDeclinedChangesNothing()
    {
        TempDataFolder data;
        WriteRegistry(data, "Firm1\\", {"Jedna", "Dvě"});
        ScriptedResponder responder;
        responder.answer(MessageAnswer::No);
        FirmRegistry registry(data.path());
        QVERIFY(!FirmSetup(registry, nullptr, QString()).removeFirm(1, QStringLiteral("Dvě")));
        QCOMPARE(firmKeys(data), (QStringList{"path1", "path2"}));
    }

    void removingTheOpenCompanyKeepsItsFiles()
    {
        TempDataFolder data;
        PrivateTrash trash;
        WriteRegistry(data, "Firm1\\", {"Otevřená"});
        TUrazData module;
        module.ConnectDatabases(QStringLiteral("Firm1\\"));
        ScriptedResponder responder;
        responder.answer(MessageAnswer::Yes);
        responder.answer(MessageAnswer::Yes);
        FirmRegistry registry(data.path());
        FirmSetup setup(registry, nullptr, module.companyDatabasePath(QStringLiteral("Firm1\\")));
        QVERIFY(setup.removeFirm(0, QStringLiteral("Otevřená")));
        QCOMPARE(responder.shown.size(), 3);
        QCOMPARE(responder.shown[2].kind, MessageKind::Notice);
        QCOMPARE(responder.shown[2].caption, ApplicationTitle);
        QCOMPARE(responder.shown[2].text, QStringLiteral("Adresář není prázdný, Nelze odstranit"));
        QVERIFY(firmKeys(data).isEmpty());
        QVERIFY(QFileInfo::exists(data.file("Firm1/TRELVOFIRMA.FDB")));
        QVERIFY(QFileInfo::exists(data.file("Firm1/Firm.ini")));
        // The open company goes on working.
        try {
            module.ZUserDataConnection.select("SELECT COUNT(*) FROM ZAMESTNANCI;");
        } catch (const TrelvoError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }

    void setupWindowButtons()
    {
        TempDataFolder data;
        WriteRegistry(data, "Firm1\\", {"Jedna", "Dvě"});
        ScriptedResponder responder;
        FirmRegistry registry(data.path());
        TSetUpForm form(registry, QString());
        QCOMPARE(form.windowTitle(), QStringLiteral("Nastavení firem"));
        QCOMPARE(form.FirmList->count(), 2);
        QVERIFY(!form.RemoveButton->isEnabled());
        QVERIFY(!form.EditButton->isEnabled());
        QVERIFY(!form.FindButton->isEnabled());
        QVERIFY(form.PathEdit->isReadOnly());

        form.FirmList->setCurrentIndex(1);
        form.FirmListChange(1);
        QVERIFY(form.RemoveButton->isEnabled() && form.EditButton->isEnabled() && form.FindButton->isEnabled());
        QCOMPARE(form.NameEdit->text(), QStringLiteral("Dvě"));
        QCOMPARE(form.PathEdit->text(), registry.folderPathForDisplay("Firm2\\"));

        form.NameEdit->setText(QStringLiteral("Dvě a půl"));
        form.EditButton->click();
        QCOMPARE(form.FirmList->itemText(1), QStringLiteral("Dvě a půl"));
        QCOMPARE(form.FirmList->currentIndex(), 1);

        form.NameEdit->setText(QStringLiteral("Tři"));
        form.AddButton->click();
        QCOMPARE(form.FirmList->count(), 3);
        QCOMPARE(form.FirmList->itemText(2), QStringLiteral("Tři"));

        form.NameEdit->clear();
        form.AddButton->click();
        QCOMPARE(form.FirmList->count(), 3);
        QVERIFY(responder.shown.isEmpty());
        if (const QByteArray shots = qgetenv("TRELVO_SCREENSHOT_DIR"); !shots.isEmpty()) {
            form.show();
            form.grab().save(QString::fromLocal8Bit(shots) + "/setup-window.png");
        }
    }

    void pickerGivesTheChosenFolder()
    {
        TempDataFolder data;
        WriteRegistry(data, "Firm1\\", {"Jedna", "Dvě"});
        FirmRegistry registry(data.path());
        {
            TSelectFirmForm picker(registry);
            QCOMPARE(picker.windowTitle(), QStringLiteral("Výběr firmy"));
            QCOMPARE(picker.FirmListBox->count(), 2);
            picker.OkButtonClick();
            QVERIFY(!picker.chosenFolder());
        }
        TSelectFirmForm picker(registry);
        picker.FirmListBox->setCurrentRow(1);
        picker.OkButtonClick();
        QCOMPARE(picker.chosenFolder(), std::optional<QString>(QStringLiteral("Firm2\\")));
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }
};

TRELVO_TEST(CompanySetupTest)
#include "CompanySetupTest.moc"
