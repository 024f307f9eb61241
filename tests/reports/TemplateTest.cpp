#include "Error.h"
#include "Expression.h"
#include "ReportTemplate.h"
#include "TestMain.h"

namespace {

// Template texts of the cases below.
const char Json1[] = R"({"pages":[{"bands":[
            {"kind":"pageFooter","height":10},{"kind":"masterData","name":"a","height":10},
            {"kind":"pageHeader","height":10},{"kind":"masterData","name":"b","height":10},
            {"kind":"reportTitle","height":10}]}]})";
const char Json2[] = R"({"pages":[{"bands":[{"kind":"masterData","height":1},{"kind":"sideBand","height":1}]}]})";
const char Json3[] = R"({"pages":[{"bands":[{"kind":"masterData","name":"osoba","height":1,
                           "boxes":[{"x":0,"y":0,"w":5,"text":"a"}]}]}]})";
const char Json4[] = R"({"pages":[{"bands":[{"kind":"masterData","height":1,
                           "boxes":[{"x":0,"y":0,"w":5,"h":5,"border":"LX"}]}]}]})";
const char Json5[] = R"({"pages":[{"bands":[{"kind":"masterData","height":1,
                           "boxes":[{"x":0,"y":0,"w":5,"h":5,"aling":"left"}]}]}]})";
const char Json6[] = R"({"pages":[{"bands":[{"kind":"masterData","height":1,
                           "boxes":[{"x":0,"y":0,"w":5,"h":5,"text":"[JMENO"}]}]}]})";
const char Json7[] = R"({"pages":[{"bands":[{"kind":"masterData","height":1,
                           "boxes":[{"kind":"mark","x":0,"y":0,"w":5,"h":5}]}]}]})";

QString loadError(const QByteArray &json)
{
    try {
        ParseTemplate(json, "zkouska.json");
    } catch (const TrelvoError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TemplateTest : public QObject
{
    Q_OBJECT

private slots:
    void everyShippedTemplateLoads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pages");
        QTest::newRow("book entry") << "frReportUrazE" << 1;
        QTest::newRow("registered record") << "frReportUrazR" << 3;
        QTest::newRow("school record") << "frReportUrazS" << 1;
        QTest::newRow("report of changes") << "frReportHlaseniZmen" << 1;
    }

    void everyShippedTemplateLoads()
    {
        QFETCH(QString, name);
        try {
            const ReportTemplate report = LoadTemplate(name);
            QCOMPARE(report.name, name);
            QTEST(int(report.pages.size()), "pages");
            // Every box lies within the printable width of its page.
            for (const TemplatePage &page : report.pages)
                for (const TemplateBand &band : page.bands)
                    for (const TemplateBox &box : band.boxes)
                        QVERIFY2(page.margins.left() + box.rect.right() <= A4Width - page.margins.right() + 0.5,
                                 qPrintable(box.name));
        } catch (const TrelvoError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }

    void bandsAreSortedIntoTheEngineOrder()
    {
        const ReportTemplate report = ParseTemplate(Json1,
                                                    "x.json");
        QStringList order;
        for (const TemplateBand &band : report.pages.first().bands)
            order << (band.name.startsWith('p') ? QString::number(int(band.kind)) : band.name);
        QCOMPARE(order, QStringList({"0", "1", "a", "b", "8"}));
    }

    void brokenTemplateNamesFileAndElement_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not JSON") << QByteArray("{\"pages\": [") << "zkouska.json";
        QTest::newRow("no pages") << QByteArray("{\"pages\": []}") << "nemá žádnou stránku";
        QTest::newRow("unknown band")
            << QByteArray(Json2)
            << "stránka 1, oddíl 2 – neznámý druh oddílu „sideBand“";
        QTest::newRow("box without height")
            << QByteArray(Json3)
            << "oddíl 1 („osoba“), prvek 1 – chybí údaj „h“";
        QTest::newRow("unknown border")
            << QByteArray(Json4)
            << "neznámý okraj „X“";
        QTest::newRow("misspelt key")
            << QByteArray(Json5)
            << "neznámý údaj „aling“";
        QTest::newRow("unclosed expression")
            << QByteArray(Json6)
            << "neuzavřená hranatá závorka";
        QTest::newRow("mark without condition")
            << QByteArray(Json7)
            << "značka nemá podmínku";
    }

    void brokenTemplateNamesFileAndElement()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, expected);
        const QString error = loadError(json);
        QVERIFY2(error.contains("zkouska.json"), qPrintable(error));
        QVERIFY2(error.contains(expected), qPrintable(error));
    }

    void missingTemplateFileSaysWhich()
    {
        try {
            LoadTemplate("frNeexistuje");
            QFAIL("no error");
        } catch (const TrelvoError &error) {
            QVERIFY2(error.message().contains(":/reports/frNeexistuje.json"), qPrintable(error.message()));
        }
    }

    void expressions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("column") << "[PRIJMENI] [JMENO]" << "Novák Jan";
        QTest::newRow("choice") << "[IF(ZENA=1,'žena','muž')]" << "žena";
        QTest::newRow("choice not") << "[IF(ZENA<>1,'muž','žena')]" << "žena";
        QTest::newRow("bit set") << "[IF(BIT(ZDROJ,4),'A','')][IF(BIT(ZDROJ,8),'B','')][IF(BIT(ZDROJ,16),'C','')]"
                                 << "AC";
        QTest::newRow("And as in the forms") << "[IF((ZDROJ AND 16)<>0,'ano','ne')]" << "ano";
        QTest::newRow("date") << "[NAROZEN]" << "4.5.1980";
        QTest::newRow("day month year") << "[DAY(NAROZEN)]/[MONTH(NAROZEN)]/[YEAR(NAROZEN)]" << "4/5/1980";
        QTest::newRow("days between") << "[DAYS(OD,DO)]" << "10";
        QTest::newRow("days with no date") << "[DAYS(OD,NIC)]" << "";
        QTest::newRow("no date prints empty") << "<[NIC]>" << "<>";
        QTest::newRow("no-date test") << "[IF(ISNODATE(NIC),'ne','ano')][IF(ISNODATE(OD),'ne','ano')]" << "neano";
        QTest::newRow("time") << "[CAS]" << "07:05";
        QTest::newRow("page") << "[PAGE#] z [TOTALPAGES]" << "2 z 5";
        QTest::newRow("print date") << "[DATE]" << "31.12.2024";
        QTest::newRow("quote in literal") << "[IF(1=1,'O''Neil','')]" << "O'Neil";
        QTest::newRow("bracket in literal") << "[IF(1=1,'[x]','')]" << "[x]";
        QTest::newRow("text join") << "[PRIJMENI + ', ' + JMENO]" << "Novák, Jan";
        QTest::newRow("variable") << "[NADPIS]" << "Střediska";
        QTest::newRow("unknown name is empty") << "a[NEZNAMY]b" << "ab";
    }

    void expressions()
    {
        QFETCH(QString, text);
        const QHash<QString, QVariant> row{{"PRIJMENI", "Novák"},
                                           {"JMENO", "Jan"},
                                           {"ZENA", 1},
                                           {"ZDROJ", 20},
                                           {"NAROZEN", QDate(1980, 5, 4)},
                                           {"OD", QDate(2024, 3, 1)},
                                           {"DO", QDate(2024, 3, 11)},
                                           {"NIC", QDate(1, 1, 1)},
                                           {"CAS", QTime(7, 5)},
                                           {"NADPIS", "Střediska"}};
        ExpressionContext context;
        context.lookup = [&](const QString &name) -> std::optional<QVariant> {
            if (row.contains(name))
                return row.value(name);
            return std::nullopt;
        };
        context.page = 2;
        context.totalPages = 5;
        context.printDate = QDate(2024, 12, 31);
        try {
            QTEST(ExpandText(text, context), "printed");
        } catch (const TrelvoError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }

    void badExpressionsSayWhatIsWrong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown function") << "[SOUCET(1)]" << "neznámá funkce SOUCET";
        QTest::newRow("missing parenthesis") << "[IF(1=1,'a','b']" << "chybí „)“";
        QTest::newRow("wrong count") << "[IF(1,'a')]" << "funkce IF má 3 parametry";
        QTest::newRow("unknown column in strict mode") << "[PRIJMENY]" << "neznámý údaj „PRIJMENY“";
        QTest::newRow("open text") << "[IF(1,'a,'b')]" << "Chybný výraz";
    }

    void badExpressionsSayWhatIsWrong()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        ExpressionContext context;
        context.strictNames = true;
        try {
            ExpandText(text, context);
            QFAIL("no error");
        } catch (const TrelvoError &error) {
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        }
    }
};

TRELVO_TEST(TemplateTest)

#include "TemplateTest.moc"
