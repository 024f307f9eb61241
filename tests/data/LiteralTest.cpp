#include "Error.h"
#include "SqlLiteral.h"
#include "TestMain.h"

class LiteralTest : public QObject
{
    Q_OBJECT

private slots:
    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "Novák" << "Novák";
        QTest::newRow("apostrophe") << "O'Brien" << "O''Brien";
        QTest::newRow("backslash") << "C:\\Data" << "C:\\\\Data";
        QTest::newRow("double quote") << "\"Zlatá\" rybka" << "\\\"Zlatá\\\" rybka";
        QTest::newRow("line break") << "a\r\nb" << "a\\r\\nb";
        QTest::newRow("tab") << "a\tb" << "a\\tb";
        QTest::newRow("zero") << QString("a") + QChar(0) + "b" << "a\\0b";
        // A backslash before a letter must not turn into an escape on the way back.
        QTest::newRow("backslash n typed") << "\\n" << "\\\\n";
        QTest::newRow("every special") << QString("'\\\"\r\n\t") + QChar(0) << "''\\\\\\\"\\r\\n\\t\\0";
    }

    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(EscapeSqlText(text), stored);
    }

    void unescapeGivesTheTextBack_data() { escape_data(); }

    void unescapeGivesTheTextBack()
    {
        // The database undoes the doubled quote; everything else comes back escaped.
        QFETCH(QString, text);
        QString fromDatabase = EscapeSqlText(text).replace("''", "'");
        QCOMPARE(UnescapeSqlText(fromDatabase), text);
    }

    void unescapeLeavesPlainTextAlone()
    {
        QCOMPARE(UnescapeSqlText("Žluťoučký kůň, 5 % (a/b)"), QString("Žluťoučký kůň, 5 % (a/b)"));
    }

    void datesAndTimes()
    {
        QCOMPARE(SqlDate(QDate(2024, 3, 7)), QString("07.03.2024"));
        QCOMPARE(SqlDate(NoDate()), QString(NoDateText));
        QCOMPARE(SqlTime(QTime(7, 5)), QString("07:05"));
        QCOMPARE(SqlTime(QTime(23, 59, 58)), QString("23:59"));
        QCOMPARE(SqlOptionalDate(false, QDate(2024, 3, 7)), QString("01.01.0001"));
        QCOMPARE(SqlOptionalDate(true, QDate(2024, 3, 7)), QString("07.03.2024"));
        QCOMPARE(SqlFlag(true), QString("1"));
        QCOMPARE(IfThenStr(false, "1", "0"), QString("0"));
        QCOMPARE(DisplayDate(QVariant(NoDate())), QString());
        QCOMPARE(DisplayDate(QVariant()), QString());
        QCOMPARE(DisplayDate(QVariant(QDate(2024, 3, 7))), QString("7.3.2024"));
    }

    void formatFillsPatterns()
    {
        QCOMPARE(SqlFormat("UPDATE T SET JMENO='%s', LEKAR=%s WHERE ID=%d;",
                           {EscapeSqlText("O'Neil"), SqlFlag(true), 42}),
                 QString("UPDATE T SET JMENO='O''Neil', LEKAR=1 WHERE ID=42;"));
        QCOMPARE(SqlFormat("SELECT 100%% FROM X", {}), QString("SELECT 100% FROM X"));
    }

    void formatRejectsMismatches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QVariantList>("args");
        QTest::newRow("missing value") << "ID=%d AND X=%d" << QVariantList{1};
        QTest::newRow("extra value") << "ID=%d" << QVariantList{1, 2};
        QTest::newRow("text for integer") << "ID=%d" << QVariantList{"abc"};
        QTest::newRow("unknown placeholder") << "ID=%x" << QVariantList{1};
    }

    void formatRejectsMismatches()
    {
        QFETCH(QString, pattern);
        QFETCH(QVariantList, args);
        bool thrown = false;
        try {
            if (args.size() == 1)
                SqlFormat(pattern, {args[0]});
            else
                SqlFormat(pattern, {args[0], args[1]});
        } catch (const TrelvoError &) {
            thrown = true;
        }
        QVERIFY(thrown);
    }
};

TRELVO_TEST(LiteralTest)
#include "LiteralTest.moc"
