#include "CodeListTestSupport.h"
#include "CzechCollator.h"
#include "PSCForm.h"
#include "PostcodeList.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QTableView>

#include <algorithm>

namespace {

QList<PostcodeRow> sampleRows()
{
    return {
        {"110 00", "Praha", "Praha 1", "Hlavní město Praha"},
        {"460 01", "Liberec", "Liberec 1", "Liberec"},
        {"350 02", "Cheb", "Cheb 2", "Cheb"},
        {"500 03", "Hradec Králové", "Hradec Králové 3", "Hradec Králové"},
        {"470 01", "Česká Lípa", "Česká Lípa 1", "Česká Lípa"},
        {"391 11", "Cvikov", "Cvikov", "Česká Lípa"},
        {"301 00", "Plzeň", "Plzeň 1", "Plzeň-město"},
    };
}

QStringList towns(const PostcodeList &list)
{
    QStringList out;
    for (int i = 0; i < list.rowCount(); ++i)
        out << list.at(i).obec;
    return out;
}

} // namespace

class PostcodeTest : public QObject
{
    Q_OBJECT

private slots:
    void czechOrder_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Č after C") << "Cvikov" << "Čáslav";
        QTest::newRow("Ch after H") << "Hradec" << "Cheb";
        QTest::newRow("Ch before I") << "Chrudim" << "Ivančice";
        QTest::newRow("Ř after R") << "Rokycany" << "Řevnice";
        QTest::newRow("Š after S") << "Sokolov" << "Šumperk";
        QTest::newRow("Ž after Z") << "Zlín" << "Žatec";
        QTest::newRow("case does not split a letter") << "adamov" << "Brno";
    }

    void czechOrder()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QVERIFY(CzechCompare(before, after) < 0);
        QVERIFY(CzechCompare(after, before) > 0);
        QVERIFY(CzechSortKey(before).compare(CzechSortKey(after)) < 0);
    }

    void numbersAsTextSortByValueWhenAsked()
    {
        QVERIFY(CzechCompare("9", "10", true) < 0);
        QVERIFY(CzechCompare("9", "10", false) > 0);
    }

    void openFindsTownFirstThenPostcode_data()
    {
        QTest::addColumn<QString>("psc");
        QTest::addColumn<QString>("town");
        QTest::addColumn<QString>("currentTown");
        QTest::newRow("town with the postcode of another town") << "110 00" << "Liberec" << "Liberec";
        QTest::newRow("unknown town, known postcode") << "350 02" << "Neznámov" << "Cheb";
        QTest::newRow("unknown town and postcode") << "999 99" << "Neznámov" << "Praha";
        QTest::newRow("town must match exactly") << "" << "liberec" << "Praha";
    }

    void openFindsTownFirstThenPostcode()
    {
        QFETCH(QString, psc);
        QFETCH(QString, town);
        QFETCH(QString, currentTown);
        PostcodeList list;
        list.setRows(sampleRows());
        list.open(psc, town);
        QCOMPARE(list.at(list.current()).obec, currentTown);
    }

    void townSearchFollowsTheShownOrder()
    {
        PostcodeList list;
        list.setRows(sampleRows());
        QVERIFY(list.findTown("p"));
        QCOMPARE(list.at(list.current()).obec, QString("Praha"));  // first in table order
        list.sortBy(PostcodeList::Obec);
        QCOMPARE(towns(list), QStringList({"Cvikov", "Česká Lípa", "Hradec Králové", "Cheb", "Liberec", "Plzeň", "Praha"}));
        QVERIFY(list.findTown("P"));
        QCOMPARE(list.at(list.current()).obec, QString("Plzeň"));
        QVERIFY(list.findTown("če"));
        QCOMPARE(list.at(list.current()).obec, QString("Česká Lípa"));
        // No town matches: the current row stays.
        QVERIFY(!list.findTown("Xanadu"));
        QCOMPARE(list.at(list.current()).obec, QString("Česká Lípa"));
    }

    void sortingKeepsTheCurrentRowAndIsAlwaysAscending()
    {
        PostcodeList list;
        list.setRows(sampleRows());
        list.open("", "Liberec");
        list.sortBy(PostcodeList::Psc);
        QCOMPARE(list.at(0).psc, QString("110 00"));
        QCOMPARE(list.at(list.current()).obec, QString("Liberec"));
        list.sortBy(PostcodeList::Psc);
        QCOMPARE(list.at(0).psc, QString("110 00"));
    }

    void pickerShowsTheFoundRowAndFollowsTyping()
    {
        OpenCompany company;
        TPSCForm form;
        form.prepare(company.common(), "110 00", "Liberec");
        QCOMPARE(form.pscEdit()->text(), QString("460 01"));
        QCOMPARE(form.townEdit()->text(), QString("Liberec"));
        QCOMPARE(form.grid()->currentIndex().row(), form.list().current());

        QTest::keyClicks(form.searchEdit(), "ml");
        QCOMPARE(form.townEdit()->text(), QString("Mladá Boleslav"));
        QCOMPARE(form.pscEdit()->text(), QString("293 01"));
        QTest::keyClicks(form.searchEdit(), "x");  // no town begins with "mlx"
        QCOMPARE(form.townEdit()->text(), QString("Mladá Boleslav"));

        form.sortByColumn(PostcodeList::Obec);
        QCOMPARE(form.list().at(0).obec, QString("Beroun"));
        QCOMPARE(form.townEdit()->text(), QString("Mladá Boleslav"));
        QCOMPARE(form.result().psc, QString("293 01"));
    }

    void emptyListKeepsTheCallersValues()
    {
        OpenCompany company;
        FillTable(company.common(), "PSC", {"PSC", "OBEC"}, {});
        TPSCForm form;
        form.prepare(company.common(), "123 45", "Lhota");
        QCOMPARE(form.result().psc, QString("123 45"));
        QCOMPARE(form.result().obec, QString("Lhota"));
    }

    void pickerReturnsNothingWhenCancelled()
    {
        OpenCompany company;
        WhenDialogShows([](QDialog *dialog) { dialog->reject(); });
        QVERIFY(!TPSCForm::Open(nullptr, "", "Praha").has_value());
        WhenDialogShows([](QDialog *dialog) { dialog->accept(); });
        const auto picked = TPSCForm::Open(nullptr, "", "Zlín");
        QVERIFY(picked.has_value());
        QCOMPARE(picked->psc, QString("760 01"));
        QCOMPARE(picked->obec, QString("Zlín"));
    }
};

TRELVO_TEST(PostcodeTest)
#include "PostcodeTest.moc"
