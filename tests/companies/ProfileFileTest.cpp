#include "Error.h"
#include "ProfileFile.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "Windows1250.h"

#include <QDir>

class ProfileFileTest : public QObject
{
    Q_OBJECT

    TempDataFolder m_folder;

    QString fixture(const QByteArray &bytes)
    {
        const QString path = m_folder.file(QString("p%1.ini").arg(++m_count));
        WriteFile(path, bytes);
        return path;
    }
    int m_count = 0;

private slots:
    void readsByTheWindowsRules()
    {
        const ProfileFile ini(fixture("; comment\r\n"
                                      "garbage line without equals\r\n"
                                      "[Firma]\r\n"
                                      "Name = Stavby s.r.o. \r\n"
                                      "PrefixOsC=\" A \"\r\n"
                                      "CountNumOsC=abc\r\n"
                                      "StartNumOsC= 12 \r\n"
                                      "Hex=0x1F\r\n"
                                      "SKUraz=2\r\n"
                                      "AutoOsC=0\r\n"
                                      "[firmy]\r\n"
                                      "path1=Firm1\\\r\n"
                                      "=no key\r\n"
                                      "path3=Firm3\\\r\n"));
        QCOMPARE(ini.readString("FIRMA", "name"), QString("Stavby s.r.o."));
        QCOMPARE(ini.readString("Firma", "PrefixOsC"), QString(" A "));
        QCOMPARE(ini.readString("Firma", "Missing", "default"), QString("default"));
        QCOMPARE(ini.readString("Nothing", "Name", "d"), QString("d"));
        QCOMPARE(ini.readInteger("Firma", "CountNumOsC", 1), 1);
        QCOMPARE(ini.readInteger("Firma", "StartNumOsC", 0), 12);
        QCOMPARE(ini.readInteger("Firma", "Hex", 0), 31);
        QCOMPARE(ini.readBool("Firma", "SKUraz", false), true);
        QCOMPARE(ini.readBool("Firma", "AutoOsC", true), false);
        QCOMPARE(ini.readBool("Firma", "Missing", true), true);
        QCOMPARE(ini.sectionKeys("Firmy"), QStringList({"path1", "path3"}));
    }

    void writesInPlaceAndAppends()
    {
        const QString path = fixture("[Setup]\r\nLastFirmPath=Firm1\\\r\n\r\n[Firmy]\r\npath1=Firm1\\\r\n; keep me\r\n");
        ProfileFile ini(path);
        ini.writeString("SETUP", "lastfirmpath", "Firm2\\");
        ini.writeString("Setup", "Other", "x");
        ini.writeString("Firmy", "path2", "Firm2\\");
        ini.writeString("Database", "protocol", "firebird-2.0");
        QCOMPARE(QString::fromLatin1(ReadFile(path)),
                 QString("[Setup]\r\nlastfirmpath=Firm2\\\r\nOther=x\r\n\r\n"
                         "[Firmy]\r\npath1=Firm1\\\r\n; keep me\r\npath2=Firm2\\\r\n"
                         "[Database]\r\nprotocol=firebird-2.0\r\n"));
        ini.deleteKey("firmy", "PATH1");
        QCOMPARE(ProfileFile(path).sectionKeys("Firmy"), QStringList({"path2"}));
    }

    void textIsWindows1250AndUtf8IsRecognised()
    {
        const QString czech = "Žluťoučký kůň, ďábel";
        const QString cp = fixture("[Firma]\r\nName=" + ToWindows1250(czech) + "\r\n");
        QCOMPARE(ProfileFile(cp).readString("Firma", "Name"), czech);
        const QString utf = fixture("\xEF\xBB\xBF[Firma]\nName=" + czech.toUtf8() + "\n");
        QCOMPARE(ProfileFile(utf).readString("Firma", "Name"), czech);
        const QString noBom = fixture("[Firma]\nName=" + czech.toUtf8() + "\n");
        QCOMPARE(ProfileFile(noBom).readString("Firma", "Name"), czech);

        ProfileFile written(m_folder.file("new.ini"));
        written.writeString("Firma", "Name", czech);
        QCOMPARE(ReadFile(m_folder.file("new.ini")), "[Firma]\r\nName=" + ToWindows1250(czech) + "\r\n");
    }

    void binaryGarbageReadsAsDefaults()
    {
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk += char((i * 7919) % 256);
        const ProfileFile ini(fixture(junk));
        QCOMPARE(ini.readInteger("Firma", "CountNumOsC", 1), 1);
        QCOMPARE(ini.readString("Firma", "Name", "x"), QString("x"));
    }

    void unwritableFileThrows()
    {
        const QString folderAsFile = m_folder.file("adir");
        QDir().mkpath(folderAsFile);
        ProfileFile ini(folderAsFile);
        bool thrown = false;
        try {
            ini.writeString("A", "b", "c");
        } catch (const TrelvoError &error) {
            thrown = error.message().contains("nelze zapsat");
        }
        QVERIFY(thrown);
    }

    void windows1250TableIsCompleteForCzech()
    {
        const QString all = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ€„“";
        QCOMPARE(FromWindows1250(ToWindows1250(all)), all);
        QCOMPARE(ToWindows1250("č"), QByteArray("\xE8"));
        QCOMPARE(ToWindows1250("漢"), QByteArray("?"));
    }
};

TRELVO_TEST(ProfileFileTest)
#include "ProfileFileTest.moc"
