// Opening a large company as the main window does: the data module, both
// connections, and the five main-window lists fetched to the end.
//
//   bench_open_company [employees] [book entries]     (default 10000 100000)
//
// Prints the time of each step for three openings (the first one reads a
// cold company; the later ones show the steady state).

#include "CompanyLists.h"
#include "SyntheticCompany.h"
#include "UrazData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double seconds(QElapsedTimer &timer)
{
    const double s = timer.nsecsElapsed() / 1e9;
    timer.restart();
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    SyntheticCompanySize size;
    size.employees = args.size() > 1 ? args.at(1).toInt() : 10000;
    size.bookEntries = args.size() > 2 ? args.at(2).toInt() : 100000;
    size.departments = 60;
    size.schoolRecords = 2000;

    QTemporaryDir folder;
    const QString data = folder.path() + "/";
    QDir().mkpath(data + "Firm1");

    try {
        QElapsedTimer timer;
        timer.start();
        {
            TUrazData module(data);
            module.ConnectDatabases("Firm1\\");
            const SyntheticCompanyCounts counts = FillSyntheticCompany(module.ZUserDataConnection, size);
            std::printf("synthetic company: %d employees, %d departments, %d book entries, %d registered records, "
                        "%d reports of changes, %d school records; filled in %.2f s\n",
                        counts.employees, counts.departments, counts.bookEntries, counts.registered, counts.changes,
                        counts.schoolRecords, seconds(timer));
        }

        const QList<QPair<const char *, QString>> lists = {
            {"injury book list", CompanyLists::InjuryBook},
            {"registered records list", CompanyLists::RegisteredRecords},
            {"school records list", CompanyLists::SchoolRecords},
            {"employee overview", CompanyLists::EmployeeOverview},
            {"department list", CompanyLists::Departments},
        };
        for (int run = 1; run <= 3; ++run) {
            std::printf("\nopening %d\n", run);
            timer.restart();
            TUrazData module(data);
            std::printf("  %-28s %8.3f s\n", "data module", seconds(timer));
            module.ConnectDatabases("Firm1\\");
            std::printf("  %-28s %8.3f s\n", "both connections", seconds(timer));
            double total = 0;
            for (const auto &[name, statement] : lists) {
                const ResultSet rows = module.ZUserDataConnection.select(statement);
                const double s = seconds(timer);
                total += s;
                std::printf("  %-28s %8.3f s  (%d rows, %.1f µs per row)\n", name, s, rows.rowCount(),
                            rows.isEmpty() ? 0.0 : s * 1e6 / rows.rowCount());
            }
            std::printf("  %-28s %8.3f s\n", "five lists together", total);
        }
    } catch (const TrelvoError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
