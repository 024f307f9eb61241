// Timings of the code-list pickers on lists of realistic size: the postcode
// picker over 20,000 rows, the CZ-ISCO tree over 2,000 rows and the CZ-NACE
// tree over 1,000. Prints the figures; the goals are an opening well under
// half a second and a keystroke answered within one frame (16 ms).

#include "ClassificationForms.h"
#include "CodeListImport.h"
#include "PSCForm.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QKeyEvent>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

// Types text as key presses (QTest's key clicks take ASCII only).
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

double timeMs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1.0e6;
}

void report(const char *what, double ms, double goal)
{
    std::printf("%-58s %9.2f ms  (goal %.0f ms, %.2f of it)\n", what, ms, goal, ms / goal);
}

const char *const Syllables[] = {"ba", "če", "dol", "hra", "chl", "ko", "li", "mě", "no", "pra", "ře", "st", "šu", "to", "vy", "ža"};

QString townName(int i)
{
    QString name;
    int n = i;
    for (int k = 0; k < 3; ++k) {
        name += QString::fromUtf8(Syllables[n % 16]);
        n /= 16;
    }
    name[0] = name[0].toUpper();
    return name + QStringLiteral(" %1").arg(i);
}

ImportedList postcodes(int count)
{
    ImportedList list;
    list.target = ImportTarget::Psc;
    for (int i = 0; i < count; ++i) {
        const QString psc = QStringLiteral("%1 %2").arg(100 + i / 100, 3, 10, QLatin1Char('0')).arg(i % 100, 2, 10, QLatin1Char('0'));
        list.rows.append({psc, townName(i), townName(i / 7), townName(i / 300)});
    }
    list.rows.last()[1] = QStringLiteral("Žďárec na konci");
    return list;
}

ImportedList iscoLike(int count)
{
    ImportedList list;
    list.target = ImportTarget::CzIsco;
    QStringList level = {""};
    QStringList all;
    // Each level gives every code of the one above it up to nine children.
    for (int depth = 1; depth <= 5 && all.size() < count; ++depth) {
        QStringList next;
        for (const QString &parent : std::as_const(level)) {
            for (int digit = 1; digit <= (depth == 1 ? 9 : 4) && all.size() + next.size() < count; ++digit)
                next << parent + QString::number(digit);
        }
        all << next;
        level = next;
    }
    all.sort();
    for (const QString &code : std::as_const(all))
        list.rows.append({code, QStringLiteral("Pracovníci skupiny %1").arg(code)});
    return list;
}

ImportedList naceLike(int count)
{
    ImportedList list;
    list.target = ImportTarget::CzNace;
    QStringList all;
    for (int division = 1; division <= 99 && all.size() < count; ++division) {
        const QString d = QStringLiteral("%1").arg(division, 2, 10, QLatin1Char('0'));
        all << d;
        for (int group = 1; group <= 3 && all.size() < count; ++group) {
            all << d + QString::number(group);
            for (int cls = 1; cls <= 3 && all.size() < count; ++cls)
                all << d + QString::number(group) + QString::number(cls);
        }
    }
    all.sort();
    for (const QString &code : std::as_const(all))
        list.rows.append({code, QStringLiteral("Činnost %1").arg(code)});
    return list;
}

void benchTree(Connection &common, const ImportedList &rows, const char *name,
               const std::function<TClassificationForm *()> &make, const QString &searchText)
{
    ReplaceCodeList(common, rows);
    TClassificationForm *form = nullptr;
    const double open = timeMs([&] {
        form = make();
        form->prepare(common, QString(), QString());
        form->show();
        QApplication::processEvents();
    });
    std::printf("%s: %lld rows\n", name, static_cast<long long>(rows.rows.size()));
    report("  opening (read, build the tree, show)", open, 500);
    form->searchEdit()->setText(searchText);
    const double search = timeMs([&] {
        form->search();
        QApplication::processEvents();
    });
    std::printf("  search \"%s\" marked %lld nodes\n", qPrintable(searchText), static_cast<long long>(form->marked().size()));
    report("  one search", search, 16);
    delete form;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    OpenCompany company;
    Connection &common = company.common();

    const ImportedList psc = postcodes(20000);
    const double fill = timeMs([&] { ReplaceCodeList(common, psc); });
    std::printf("Postcode list: %lld rows (filled in %.0f ms)\n", static_cast<long long>(psc.rows.size()), fill);
    {
        TPSCForm *form = nullptr;
        const double open = timeMs([&] {
            form = new TPSCForm;
            form->prepare(common, QString(), QStringLiteral("Žďárec na konci"));
            form->show();
            QApplication::processEvents();
        });
        report("  opening with a town given (found at the end)", open, 500);
        // A keystroke whose town lies at the end of the list: every row is passed.
        const double key = timeMs([&] {
            QTest::keyClick(form->searchEdit(), 'q');
            QApplication::processEvents();
        });
        report("  one keystroke of \"Najít obec:\" (no match, whole list)", key, 16);
        form->searchEdit()->clear();
        type(form->searchEdit(), QStringLiteral("Ž"));
        const double found = timeMs([&] {
            type(form->searchEdit(), QStringLiteral("ď"));  // only the last town is "Žď…"
            QApplication::processEvents();
        });
        report("  one keystroke of \"Najít obec:\" (town at the end)", found, 16);
        std::printf("  current town: %s\n", qPrintable(form->townEdit()->text()));
        const double sort = timeMs([&] {
            form->sortByColumn(PostcodeList::Obec);
            QApplication::processEvents();
        });
        report("  sorting by \"Obec\" in Czech order", sort, 500);
        delete form;
    }

    benchTree(common, iscoLike(2000), "CZ-ISCO-like tree", [] { return new TCzIscoForm; }, QStringLiteral("skupiny 4"));
    benchTree(common, naceLike(1000), "CZ-NACE-like tree", [] { return new TCzNaceForm; }, QStringLiteral("Činnost 5"));
    return 0;
}
