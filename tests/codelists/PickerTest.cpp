#include "CodeListTestSupport.h"
#include "DBListView.h"
#include "EmployeeList.h"
#include "SeznamForm.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace {

// Employees Novák (department S01), Čermák (none), Chalupa (deleted department),
// Horák (S01), with personal numbers 10, 9, 100, 2.
QList<int> addStaff(Connection &company)
{
    company.change([&] {
        company.execute("INSERT INTO STREDISKA (ID, NAME, STRED_ID, PARENTID) VALUES (5, 'Dílna', 'S01', -1);");
        company.execute("INSERT INTO ZAMESTNANCI (OSOBNICISLO, JMENO, PRIJMENI, RODNECISLO, STREDISKO) "
                        "VALUES ('10', 'Jan', 'Novák', '800101/0001', 5);");
        company.execute("INSERT INTO ZAMESTNANCI (OSOBNICISLO, JMENO, PRIJMENI, RODNECISLO, STREDISKO) "
                        "VALUES ('9', 'Eva', 'Čermák', '855101/0002', -1);");
        company.execute("INSERT INTO ZAMESTNANCI (OSOBNICISLO, JMENO, PRIJMENI, RODNECISLO, STREDISKO) "
                        "VALUES ('100', 'Petr', 'Chalupa', '700101/0003', 77);");
        company.execute("INSERT INTO ZAMESTNANCI (OSOBNICISLO, JMENO, PRIJMENI, RODNECISLO, STREDISKO) "
                        "VALUES ('2', 'Iva', 'Horák', '905101/0004', 5);");
    });
    const ResultSet ids = company.select("SELECT ID FROM ZAMESTNANCI ORDER BY ID");
    QList<int> out;
    for (int i = 0; i < ids.rowCount(); ++i)
        out << ids.integer(i, "ID");
    return out;
}

QStringList column(const EmployeeList &list, int column)
{
    QStringList out;
    for (int i = 0; i < list.rowCount(); ++i)
        out << EmployeeList::value(list.at(i), column);
    return out;
}

} // namespace

class PickerTest : public QObject
{
    Q_OBJECT

private slots:
    void departmentCaptionIsCodeTwoBlanksAndName()
    {
        OpenCompany company;
        addStaff(company.company());
        EmployeeList list;
        list.load(company.company());
        QCOMPARE(column(list, EmployeeList::Umisteni), QStringList({"S01  Dílna", "", "", "S01  Dílna"}));
    }

    void sortingTogglesAndFollowsCzechOrder()
    {
        OpenCompany company;
        addStaff(company.company());
        EmployeeList list;
        list.load(company.company());
        list.sortBy(EmployeeList::Prijmeni);
        QCOMPARE(column(list, EmployeeList::Prijmeni), QStringList({"Čermák", "Horák", "Chalupa", "Novák"}));
        QVERIFY(list.ascending());
        list.sortBy(EmployeeList::Prijmeni);
        QCOMPARE(column(list, EmployeeList::Prijmeni), QStringList({"Novák", "Chalupa", "Horák", "Čermák"}));
        list.sortBy(EmployeeList::OsobniCislo);
        QVERIFY(list.ascending());
        QCOMPARE(column(list, EmployeeList::OsobniCislo), QStringList({"2", "9", "10", "100"}));
    }

    void searchUsesTheSortColumn_data()
    {
        QTest::addColumn<int>("sortColumn");  // -1: none sorted yet
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");   // surname of the row found, empty: the row stays
        QTest::newRow("unsorted searches surnames") << -1 << "ch" << "Chalupa";
        QTest::newRow("ignores case") << int(EmployeeList::Jmeno) << "IVA" << "Horák";
        QTest::newRow("prefix only") << int(EmployeeList::Prijmeni) << "alupa" << "";
        QTest::newRow("personal number") << int(EmployeeList::OsobniCislo) << "10" << "Novák";
        QTest::newRow("department") << int(EmployeeList::Umisteni) << "s01" << "Novák";
    }

    void searchUsesTheSortColumn()
    {
        QFETCH(int, sortColumn);
        QFETCH(QString, text);
        QFETCH(QString, found);
        OpenCompany company;
        const QList<int> ids = addStaff(company.company());
        EmployeeList list;
        list.load(company.company());
        if (sortColumn >= 0)
            list.sortBy(sortColumn);
        list.open(ids.at(1));  // Čermák
        QCOMPARE(list.search(text), !found.isEmpty());
        QCOMPARE(list.at(list.current()).prijmeni, found.isEmpty() ? QString("Čermák") : found);
    }

    void pickerReturnsTheGivenIdUnlessConfirmed_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("closed without OK") << false;
    }

    void pickerReturnsTheGivenIdUnlessConfirmed()
    {
        QFETCH(bool, confirm);
        OpenCompany company;
        const QList<int> ids = addStaff(company.company());
        WhenDialogShows([confirm](QDialog *dialog) {
            auto *picker = qobject_cast<TDBListView *>(dialog);
            QCOMPARE(picker->list().at(picker->list().current()).prijmeni, QString("Horák"));
            picker->grid()->setCurrentIndex(picker->grid()->model()->index(0, 0));  // Novák
            if (confirm)
                picker->okButton()->click();
            else
                dialog->reject();
        });
        const int picked = TDBListView::Open(nullptr, "Výběr zaměstnance", ids.at(3));
        QCOMPARE(picked, confirm ? ids.at(0) : ids.at(3));
    }

    void enterInTheSearchFieldSearches()
    {
        OpenCompany company;
        addStaff(company.company());
        TDBListView picker("Výběr zaměstnance");
        picker.prepare(company.company(), -1);
        picker.sortByColumn(EmployeeList::Prijmeni);
        QTest::keyClicks(picker.searchEdit(), "no");
        QTest::keyClick(picker.searchEdit(), Qt::Key_Return);
        QVERIFY(!picker.isVisible() || picker.result() != QDialog::Accepted);
        QCOMPARE(picker.grid()->currentIndex().row(), 3);
        QCOMPARE(picker.list().at(picker.list().current()).prijmeni, QString("Novák"));
    }

    void itemChooser()
    {
        TSeznamForm form({"Hlavní sídlo", "Pobočka"});
        QCOMPARE(form.windowTitle(), QString("Zvol položku"));
        QVERIFY(!form.okButton()->isEnabled());
        form.list()->setCurrentRow(1);
        QVERIFY(form.okButton()->isEnabled());
        QCOMPARE(form.selectedIndex(), 1);

        WhenDialogShows([](QDialog *dialog) {
            auto *chooser = qobject_cast<TSeznamForm *>(dialog);
            chooser->list()->setCurrentRow(0);
            chooser->okButton()->click();
        });
        QCOMPARE(TSeznamForm::Choose(nullptr, {"A", "B"}, "Vyber"), 0);
        WhenDialogShows([](QDialog *dialog) { dialog->reject(); });
        QCOMPARE(TSeznamForm::Choose(nullptr, {"A", "B"}), -1);
    }
};

TRELVO_TEST(PickerTest)
#include "PickerTest.moc"
