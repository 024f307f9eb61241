#include "ClassificationForms.h"
#include "ClassificationTree.h"
#include "CodeListTestSupport.h"
#include "MessageBoxes.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

Q_DECLARE_METATYPE(TreeRule)

namespace {

QList<ClassificationRow> rowsOf(const QStringList &codes)
{
    QList<ClassificationRow> rows;
    for (const QString &code : codes)
        rows.append({code, QStringLiteral("Název ") + code});
    return rows;
}

const QList<QStringList> IscoRows = {
    {"1", "Zákonodárci a řídící pracovníci"},
    {"11", "Nejvyšší představitelé společností"},
    {"111", "Zákonodárci"},
    {"12", "Řídící pracovníci správy podniku"},
    {"2", "Specialisté"},
    {"21", "Specialisté v oblasti vědy a techniky: Ska"},
    {"22", "Pracovníci ze Slovenska"},
};

} // namespace

class ClassificationTest : public QObject
{
    Q_OBJECT

private slots:
    void treeNesting_data()
    {
        QTest::addColumn<TreeRule>("rule");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("shape");
        QTest::newRow("CZ-ISCO 1 11 111 12 2") << TreeRule::CodePrefix << QStringList{"1", "11", "111", "12", "2"}
                                               << "1(11(111),12),2";
        QTest::newRow("prefix back up several levels")
            << TreeRule::CodePrefix << QStringList{"1", "11", "111", "1111", "11111", "2", "21"} << "1(11(111(1111(11111)))),2(21)";
        QTest::newRow("CZ-NACE division and a skipped level")
            << TreeRule::CodePrefix << QStringList{"01", "0111", "0113", "02"} << "01(0111,0113),02";
        QTest::newRow("prefix without any parent") << TreeRule::CodePrefix << QStringList{"11", "12"} << "11,12";
        QTest::newRow("OKEČ with dots three deep")
            << TreeRule::FixedStep << QStringList{"01", "01.1", "01.11", "01.12", "01.2", "02"}
            << "01(01.1(01.11,01.12),01.2),02";
        QTest::newRow("OKEČ 2 4 6 characters")
            << TreeRule::FixedStep << QStringList{"01", "0111", "011100", "0112", "02"} << "01(0111(011100),0112),02";
        QTest::newRow("OKEČ new top level when the first two characters differ")
            << TreeRule::FixedStep << QStringList{"01", "0101", "02", "0201", "1"} << "01(0101),02(0201),1";
    }

    void treeNesting()
    {
        QFETCH(TreeRule, rule);
        QFETCH(QStringList, codes);
        QFETCH(QString, shape);
        ClassificationTree tree;
        tree.build(rowsOf(codes), rule);
        QCOMPARE(tree.shape(), shape);
        QCOMPARE(tree.size(), codes.size());
    }

    void searchIsAnExactCaseSensitiveSubstring()
    {
        ClassificationTree tree;
        tree.build({{"1", "Maska"}, {"2", "Skalník"}, {"3", "Laská"}, {"ska", "kód"}, {"4", "SKA"}}, TreeRule::CodePrefix);
        QCOMPARE(tree.search("ska"), QList<int>({0, 3}));
        QCOMPARE(tree.search(""), QList<int>());
        // The caption is code, " - ", name: the separator is searchable too.
        QCOMPARE(tree.search("1 - M"), QList<int>({0}));
    }

    void pickerMarksTheCallersCodeAndKeepsOkDisabled()
    {
        OpenCompany company;
        FillTable(company.common(), "CZISCO", {"KODCZISCO", "NAZEV"}, IscoRows);
        TCzIscoForm form;
        form.prepare(company.common(), "11", "Starý název");
        QCOMPARE(form.tree().shape(), QString("1(11(111),12),2(21,22)"));
        QCOMPARE(form.treeView()->topLevelItemCount(), 2);
        QCOMPARE(form.marked(), QList<int>({1, 2}));  // "11 - …" and "111 - …"
        QVERIFY(form.item(2)->parent()->isExpanded());
        QVERIFY(!form.okButton()->isEnabled());
        QCOMPARE(form.codeEdit()->text(), QString("11"));
        QCOMPARE(form.nameEdit()->text(), QString("Starý název"));
    }

    void pickerOpenedWithoutCodeMarksNothing()
    {
        OpenCompany company;
        FillTable(company.common(), "CZISCO", {"KODCZISCO", "NAZEV"}, IscoRows);
        TCzIscoForm form;
        form.prepare(company.common(), "", "");
        QVERIFY(form.marked().isEmpty());
        QVERIFY(!form.okButton()->isEnabled());
    }

    void selectingFillsTheFieldsAndSearchOnlyMarks()
    {
        OpenCompany company;
        FillTable(company.common(), "CZISCO", {"KODCZISCO", "NAZEV"}, IscoRows);
        TCzIscoForm form;
        form.prepare(company.common(), "", "");
        form.treeView()->setCurrentItem(form.item(3));
        QCOMPARE(form.codeEdit()->text(), QString("12"));
        QCOMPARE(form.nameEdit()->text(), QString("Řídící pracovníci správy podniku"));
        QVERIFY(form.okButton()->isEnabled());

        form.searchEdit()->setText("ska");
        form.search();
        QCOMPARE(form.marked(), QList<int>({6}));  // "Slovenska", not "Ska"
        QVERIFY(!form.okButton()->isEnabled());
        QCOMPARE(form.codeEdit()->text(), QString("12"));
        QCOMPARE(form.treeView()->currentItem(), form.item(3));

        form.searchEdit()->clear();
        form.search();
        QVERIFY(form.marked().isEmpty());
    }

    void okReturnsEditedTextsAndCloseReturnsNothing_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("Zavřít") << false;
    }

    void okReturnsEditedTextsAndCloseReturnsNothing()
    {
        QFETCH(bool, confirm);
        OpenCompany company;
        FillTable(company.common(), "CZNACE", {"KODCZNACE", "NAZEV"}, {{"01", "Zemědělství"}, {"011", "Plodiny"}});
        WhenDialogShows([confirm](QDialog *dialog) {
            auto *form = qobject_cast<TClassificationForm *>(dialog);
            form->treeView()->setCurrentItem(form->item(1));
            form->nameEdit()->setText("Plodiny upravené");
            if (confirm)
                form->okButton()->click();
            else
                form->reject();
        });
        const std::optional<CodeAndName> picked = TCzNaceForm::Open(nullptr, "99", "Původní");
        if (confirm) {
            QVERIFY(picked.has_value());
            QCOMPARE(picked->code, QString("011"));
            QCOMPARE(picked->name, QString("Plodiny upravené"));
        } else {
            QVERIFY(!picked.has_value());
        }
    }

    void missingTableIsReportedAndNothingOpens()
    {
        OpenCompany company;
        ScriptedResponder responder;
        company.common().change([&] { company.common().execute("DROP TABLE OKEC;"); });
        QVERIFY(!TOkecForm::Open(nullptr, "01", "Zemědělství").has_value());
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.at(0).kind, MessageKind::Error);
    }

    void okecCodeIsCutToSixCharacters()
    {
        ClassificationRow row{"01.11.0", "Pěstování obilovin"};
        QCOMPARE(SelectedCode(OkecKind(), row), QString("01.11."));
        QCOMPARE(SelectedCode(CzIscoKind(), {"111111", "x"}), QString("11111"));
    }

    void shippedClassificationsNestByTheirCodes()
    {
        OpenCompany company;
        ClassificationTree isco;
        isco.build(LoadClassification(company.common(), CzIscoKind()), TreeRule::CodePrefix);
        QCOMPARE(isco.topLevel().size(), 10);  // major groups 0 to 9
        for (int top : isco.topLevel())
            QVERIFY(!isco.nodes().at(top).children.isEmpty());
        ClassificationTree nace;
        nace.build(LoadClassification(company.common(), CzNaceKind()), TreeRule::CodePrefix);
        QCOMPARE(nace.topLevel().size(), 88);  // the divisions
        // OKEČ ships its divisions only: the fixed-step rule must keep each at the top.
        const QList<ClassificationRow> okecRows = LoadClassification(company.common(), OkecKind());
        ClassificationTree okec;
        okec.build(okecRows, TreeRule::FixedStep);
        QVERIFY(!okecRows.isEmpty());
        QCOMPARE(okec.topLevel().size(), okecRows.size());
    }
};

TRELVO_TEST(ClassificationTest)
#include "ClassificationTest.moc"
