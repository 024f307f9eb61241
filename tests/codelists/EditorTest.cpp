#include "CodeListEditor.h"
#include "CodeListEditorForm.h"
#include "CodeListMenu.h"
#include "CodeListTestSupport.h"
#include "MessageBoxes.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QString actionsText(const EditorActions &a)
{
    // One letter per enabled action, in toolbar order.
    QString out;
    const bool flags[] = {a.first, a.prior, a.next, a.last, a.add, a.remove, a.save, a.cancel, a.refresh};
    const char letters[] = "FPNLADSCR";
    for (int i = 0; i < 9; ++i)
        out += flags[i] ? QChar(letters[i]) : QChar('-');
    return out;
}

QString insurerName(Connection &connection, const QString &code)
{
    const ResultSet result = connection.select(QStringLiteral("SELECT JMENO FROM ZDRAVPOJ WHERE KODZP = '%1'").arg(code));
    return result.isEmpty() ? QStringLiteral("<none>") : result.text(0, "JMENO");
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void insurerEditorOpensInBrowseState()
    {
        OpenCompany company;
        CodeListEditor editor(company.common(), "ZDRAVPOJ");
        editor.open("");
        QCOMPARE(editor.current(), 0);
        QCOMPARE(editor.fields(), QStringList({"111", "Všeobecná zdravotní pojišťovna České republiky"}));
        QVERIFY(!editor.editing());
        QCOMPARE(actionsText(editor.actions()), QString("--NLAD--R"));
        editor.last();
        QCOMPARE(actionsText(editor.actions()), QString("FP--AD--R"));
        editor.open("209");
        QCOMPARE(editor.fields().at(1), QString("Zaměstnanecká pojišťovna Škoda"));
    }

    void typingSetsTheEditingStateAndBlocksMoves()
    {
        OpenCompany company;
        CodeListEditor editor(company.common(), "ZDRAVPOJ");
        editor.open("205");
        const int current = editor.current();
        editor.edit(1, "Nový název");
        QVERIFY(editor.editing());
        QVERIFY(!editor.insertMode());
        QCOMPARE(actionsText(editor.actions()), QString("------SC-"));
        editor.next();
        QCOMPARE(editor.current(), current);
        editor.cancel();
        QVERIFY(!editor.editing());
        QCOMPARE(editor.fields().at(1), QString("Česká průmyslová zdravotní pojišťovna"));
    }

    void changingAnInsurersCodeKeepsItsRow()
    {
        OpenCompany company;
        const int before = CountRows(company.common(), "ZDRAVPOJ");
        CodeListEditor editor(company.common(), "ZDRAVPOJ");
        editor.open("205");
        editor.edit(0, "206");
        editor.save();
        QCOMPARE(CountRows(company.common(), "ZDRAVPOJ"), before);
        QCOMPARE(insurerName(company.common(), "206"), QString("Česká průmyslová zdravotní pojišťovna"));
        QCOMPARE(insurerName(company.common(), "205"), QString("<none>"));
        QVERIFY(!editor.editing());
        QCOMPARE(editor.fields(), QStringList({"206", "Česká průmyslová zdravotní pojišťovna"}));
    }

    void afterAnInsertTheNextSaveChangesTheRowShown()
    {
        OpenCompany company;
        FillTable(company.common(), "ZRANENI", {"NAZEV"}, {});  // from an emptied list
        CodeListEditor editor(company.common(), "ZRANENI");
        editor.open("");
        editor.add();
        QVERIFY(editor.insertMode());
        QCOMPARE(editor.fields(), QStringList({""}));
        editor.edit(0, "Zlomenina");
        editor.save();
        editor.add();
        editor.edit(0, "Popálenina");
        editor.save();
        QCOMPARE(editor.rowCount(), 2);
        QVERIFY(!editor.insertMode());
        editor.last();
        const QString id = editor.currentId();
        editor.edit(0, "Popálenina 2. stupně");
        editor.save();
        QCOMPARE(CountRows(company.common(), "ZRANENI"), 2);
        QCOMPARE(company.common().select("SELECT NAZEV FROM ZRANENI WHERE ID = " + id).text(0, "NAZEV"),
                 QString("Popálenina 2. stupně"));
    }

    void refusedSaveKeepsTheEditingState_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("insert");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("name list: new name too long") << "ZRANENI" << true << 0 << QString(51, 'x');
        QTest::newRow("name list: changed name too long") << "CASTITELA" << false << 0 << QString(51, 'x');
        QTest::newRow("insurer: code too long") << "ZDRAVPOJ" << false << 0 << "1111";
        QTest::newRow("insurer: code taken") << "ZDRAVPOJ" << true << 0 << "111";
        QTest::newRow("insurer: name too long") << "ZDRAVPOJ" << true << 1 << QString(71, 'y');
    }

    void refusedSaveKeepsTheEditingState()
    {
        QFETCH(QString, table);
        QFETCH(bool, insert);
        QFETCH(int, field);
        QFETCH(QString, text);
        OpenCompany company;
        if (table != "ZDRAVPOJ")
            FillTable(company.common(), table, {"NAZEV"}, {{"Hlava"}, {"Krk"}});
        const int before = CountRows(company.common(), table);
        CodeListEditor editor(company.common(), table);
        editor.open("");
        if (insert) {
            editor.add();
            if (field == 1)
                editor.edit(0, "999");
        }
        editor.edit(field, text);
        const QStringList typed = editor.fields();
        const QString error = ErrorOf([&] { editor.save(); });
        QVERIFY(!error.isEmpty());
        QVERIFY(editor.editing());
        QCOMPARE(editor.insertMode(), insert);
        QCOMPARE(editor.fields(), typed);
        QCOMPARE(CountRows(company.common(), table), before);
        // The same editor saves once the text is put right.
        editor.edit(field, field == 0 && table == "ZDRAVPOJ" ? "998" : "Opraveno");
        editor.save();
        QCOMPARE(CountRows(company.common(), table), before + (insert ? 1 : 0));
    }

    void deletingTheLastRowAndTypingAgainInserts()
    {
        OpenCompany company;
        FillTable(company.common(), "CASTITELA", {"NAZEV"}, {{"Ruka"}});
        CodeListEditor editor(company.common(), "CASTITELA");
        editor.open("Ruka");
        editor.remove();
        QCOMPARE(editor.rowCount(), 0);
        QCOMPARE(editor.current(), -1);
        QCOMPARE(editor.fields(), QStringList({""}));
        QCOMPARE(actionsText(editor.actions()), QString("----A---R"));
        editor.edit(0, "Noha");
        QVERIFY(editor.insertMode());
        editor.save();
        QCOMPARE(editor.rowCount(), 1);
        QCOMPARE(editor.currentName(), QString("Noha"));
    }

    void textsRoundTripByTheLiteralRule()
    {
        OpenCompany company;
        FillTable(company.common(), "ZRANENI", {"NAZEV"}, {});  // from an emptied list
        const QString typed = "O'Brien \\ \"Skládka\" C:\\temp";
        CodeListEditor editor(company.common(), "ZRANENI");
        editor.open("");
        editor.edit(0, typed);
        editor.save();
        QCOMPARE(editor.currentName(), typed);
        // Saving the row again without a change stores it unchanged.
        editor.edit(0, editor.fields().at(0));
        editor.save();
        QCOMPARE(editor.currentName(), typed);
        QCOMPARE(CountRows(company.common(), "ZRANENI"), 1);
    }

    void unknownTableIsRefused()
    {
        OpenCompany company;
        QVERIFY(!ErrorOf([&] { CodeListEditor editor(company.common(), "ZAMESTNANCI"); }).isEmpty());
    }

    void dialogRunsTheStateMachine()
    {
        OpenCompany company;
        ScriptedResponder responder;
        TZPForm form;
        form.prepare(company.common(), "");
        QCOMPARE(form.field(0)->text(), QString("111"));
        QVERIFY(!form.action(TCodeListEditorForm::Save)->isEnabled());
        QVERIFY(!form.action(TCodeListEditorForm::First)->isEnabled());
        QVERIFY(form.grid()->isEnabled());

        QTest::keyClicks(form.field(0), "9");  // code "1119": too long
        QVERIFY(form.action(TCodeListEditorForm::Save)->isEnabled());
        QVERIFY(!form.action(TCodeListEditorForm::Next)->isEnabled());
        QVERIFY(!form.grid()->isEnabled());
        form.trigger(TCodeListEditorForm::Save);
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.at(0).kind, MessageKind::Error);
        QVERIFY(form.editor().editing());
        QCOMPARE(form.field(0)->text(), QString("1119"));

        form.trigger(TCodeListEditorForm::Cancel);
        QCOMPARE(form.field(0)->text(), QString("111"));
        QVERIFY(form.grid()->isEnabled());

        form.grid()->setCurrentIndex(form.grid()->model()->index(2, 0));
        QCOMPARE(form.field(0)->text(), QString("205"));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ano deletes") << true;
        QTest::newRow("Ne keeps") << false;
    }

    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        OpenCompany company;
        ScriptedResponder responder;
        responder.answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        TZPForm form;
        form.prepare(company.common(), "213");
        form.trigger(TCodeListEditorForm::Remove);
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.at(0).kind, MessageKind::CodeListDeletion);
        QCOMPARE(responder.shown.at(0).text, QString("Opravdu chcete vymazat tento záznam?"));
        QCOMPARE(insurerName(company.common(), "213") == "<none>", yes);
        QCOMPARE(form.editor().rowCount(), yes ? 6 : 7);
    }

    void shippedNameListsOfferEachNameOnce_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("kinds of injury") << "ZRANENI";
        QTest::newRow("parts of the body") << "CASTITELA";
    }

    void shippedNameListsOfferEachNameOnce()
    {
        // A name picked from these lists is all an injury record keeps, so two
        // rows with one name (or an empty one) could not be told apart.
        QFETCH(QString, table);
        OpenCompany company;
        const ResultSet counts = company.common().select(
            QStringLiteral("SELECT COUNT(*) AS ALLROWS, COUNT(DISTINCT NAZEV) AS NAMES FROM %1 "
                           "WHERE NAZEV IS NOT NULL AND TRIM(NAZEV) <> ''").arg(table));
        QVERIFY(counts.integer(0, "NAMES") > 0);
        QCOMPARE(counts.integer(0, "NAMES"), counts.integer(0, "ALLROWS"));
        QCOMPARE(counts.integer(0, "ALLROWS"), CountRows(company.common(), table));
    }

    void menuEntriesOpenTheirEditors_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::newRow("Databáze zranění") << 0 << "Databáze zranění" << "ZRANENI";
        QTest::newRow("Databáze části těla") << 1 << "Části těla" << "CASTITELA";
        QTest::newRow("Zdravotní pojišťovny") << 2 << "Zdravotní pojišťovny" << "ZDRAVPOJ";
    }

    void menuEntriesOpenTheirEditors()
    {
        QFETCH(int, entry);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        OpenCompany company;
        QString shownCaption;
        QString shownTable;
        bool browsing = false;
        WhenDialogShows([&](QDialog *dialog) {
            auto *form = qobject_cast<TCodeListEditorForm *>(dialog);
            shownCaption = dialog->windowTitle();
            shownTable = form->editor().table();
            browsing = !form->editor().editing() && form->action(TCodeListEditorForm::Add)->isEnabled();
            dialog->reject();
        });
        void (*const entries[])(QWidget *) = {OpenInjuryKindsEditor, OpenBodyPartsEditor, OpenInsurersEditor};
        entries[entry](nullptr);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(shownTable, table);
        QVERIFY(browsing);
    }

    void nameListDialogResults_data()
    {
        QTest::addColumn<int>("ending");  // 0 OK, 1 window closed, 2 OK with an unsaved change saved
        QTest::newRow("OK") << 0;
        QTest::newRow("closed by the window") << 1;
        QTest::newRow("OK with an unsaved change") << 2;
    }

    void nameListDialogResults()
    {
        QFETCH(int, ending);
        OpenCompany company;
        ScriptedResponder responder;
        responder.answer(MessageAnswer::Yes);  // "save the typed change?"
        FillTable(company.common(), "ZRANENI", {"NAZEV"}, {{"Řezná rána"}, {"Zlomenina"}});
        WhenDialogShows([ending](QDialog *dialog) {
            auto *form = qobject_cast<TForm5 *>(dialog);
            if (ending == 1) {
                dialog->close();
                return;
            }
            if (ending == 2) {
                // Typed where the user types: in the focused field, at its end.
                form->field(0)->setFocus();
                form->field(0)->end(false);
                QTest::keyClicks(form->field(0), " stehna");
            }
            form->okButton()->click();
        });
        const CodeAndName picked = TForm5::Open(nullptr, "ZRANENI", "Databáze zranění", "Zlomenina");
        if (ending == 1) {
            QCOMPARE(picked.code, QString());
            QCOMPARE(picked.name, QString());
            return;
        }
        const QString expected = ending == 2 ? "Zlomenina stehna" : "Zlomenina";
        QCOMPARE(picked.name, expected);
        QCOMPARE(company.common().select("SELECT NAZEV FROM ZRANENI WHERE ID = " + picked.code).text(0, "NAZEV"), expected);
        QCOMPARE(CountRows(company.common(), "ZRANENI"), 2);
    }
};

TRELVO_TEST(EditorTest)
#include "EditorTest.moc"
