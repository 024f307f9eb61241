#include "SyntheticCompany.h"

#include "Connection.h"
#include "SqlLiteral.h"

#include <QSqlError>
#include <QSqlQuery>

#include <random>

namespace {

const QStringList MaleNames = {"Jan", "Petr", "Josef", "Pavel", "Martin", "Tomáš", "Jaroslav", "Miroslav", "Zdeněk",
                               "Václav", "Michal", "František", "Jiří", "Lukáš", "Ondřej", "Radek", "Stanislav"};
const QStringList FemaleNames = {"Jana", "Marie", "Eva", "Hana", "Anna", "Lenka", "Kateřina", "Věra", "Lucie",
                                 "Alena", "Petra", "Jaroslava", "Zdeňka", "Veronika", "Markéta", "Šárka"};
// Surnames with their female form.
const QList<QPair<QString, QString>> Surnames = {
    {"Novák", "Nováková"}, {"Svoboda", "Svobodová"}, {"Novotný", "Novotná"}, {"Dvořák", "Dvořáková"},
    {"Černý", "Černá"}, {"Procházka", "Procházková"}, {"Kučera", "Kučerová"}, {"Veselý", "Veselá"},
    {"Horák", "Horáková"}, {"Němec", "Němcová"}, {"Pokorný", "Pokorná"}, {"Marek", "Marková"},
    {"Pospíšil", "Pospíšilová"}, {"Hájek", "Hájková"}, {"Jelínek", "Jelínková"}, {"Král", "Králová"},
    {"Růžička", "Růžičková"}, {"Beneš", "Benešová"}, {"Fiala", "Fialová"}, {"Sedláček", "Sedláčková"},
    {"Doležal", "Doležalová"}, {"Zeman", "Zemanová"}, {"Kolář", "Kolářová"}, {"Čermák", "Čermáková"},
    {"Šťastný", "Šťastná"}, {"Chalupa", "Chalupová"}, {"O'Neill", "O'Neillová"}};
const QList<QPair<QString, QString>> Towns = {
    {"Praha", "110 00"}, {"Brno", "602 00"}, {"Ostrava", "702 00"}, {"Plzeň", "301 00"},
    {"Liberec", "460 01"}, {"Olomouc", "779 00"}, {"České Budějovice", "370 01"}, {"Hradec Králové", "500 02"},
    {"Ústí nad Labem", "400 01"}, {"Pardubice", "530 02"}, {"Zlín", "760 01"}, {"Jihlava", "586 01"}};
const QStringList Streets = {"Hlavní", "Nádražní", "Školní", "Masarykova", "Husova", "Žižkova", "Palackého",
                             "Komenského", "Jiráskova", "Nerudova", "Sokolská", "Zahradní"};
const QStringList Departments = {"Výroba", "Sklad", "Údržba", "Doprava", "Kontrola kvality", "Obchod", "Účtárna",
                                 "Lisovna", "Svařovna", "Lakovna", "Montáž", "Expedice", "Kantýna", "Vývoj"};
const QStringList Works = {"svářeč", "zámečník", "skladník", "řidič", "lakýrník", "elektrikář", "obráběč kovů",
                           "montážní dělník", "účetní", "uklízečka", "kuchař", "technik"};
const QStringList Injuries = {"řezná rána", "zlomenina", "pohmoždění", "popálenina", "podvrtnutí", "tržná rána",
                              "otřes mozku", "vymknutí"};
const QStringList BodyParts = {"hlava", "oko", "ruka", "prsty ruky", "zápěstí", "noha", "kotník", "záda", "hrudník"};
const QStringList Places = {"dílna", "sklad", "dvůr", "schodiště", "kancelář", "hala č. 2", "nakládací rampa"};

class Generator
{
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int number(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    const QString &pick(const QStringList &list) { return list.at(number(0, int(list.size()) - 1)); }
    template <typename T>
    const T &pick(const QList<T> &list) { return list.at(number(0, int(list.size()) - 1)); }
    QDate date(const QDate &from, const QDate &to) { return from.addDays(number(0, int(from.daysTo(to)))); }
    int bits(int count, double p)
    {
        int mask = 0;
        for (int k = 0; k < count; ++k)
            if (chance(p))
                mask |= 1 << k;
        return mask == 0 ? 1 << number(0, count - 1) : mask;
    }

private:
    std::mt19937 m_random;
};

// A prepared insert with positional parameters: the generator writes many
// thousands of rows, which the single-statement path would prepare one by one.
class BulkInsert
{
public:
    BulkInsert(Connection &connection, const QString &table, const QStringList &columns)
        : m_query(connection.database())
    {
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(", "), marks.join(", "));
        if (!m_query.prepare(sql))
            throw TrelvoError(m_query.lastError().text() + "\n" + sql);
    }

    void insert(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values.at(i));
        if (!m_query.exec())
            throw TrelvoError(m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
};

QString personalNumber(int id)
{
    return QStringLiteral("%1").arg(id, 5, 10, QLatin1Char('0'));
}

} // namespace

SyntheticCompanyCounts FillSyntheticCompany(Connection &company, const SyntheticCompanySize &size)
{
    Generator g(size.seed);
    SyntheticCompanyCounts counts;
    const QDate today(2026, 12, 1);

    company.change([&] {
        // Departments: a few at the top, the rest under them.
        QList<int> departmentIds;
        {
            BulkInsert insert(company, "STREDISKA", {"ID", "NAME", "STRED_ID", "ADRPULICE", "ADRPOBEC", "ADRPPSC",
                                                     "TELEFON", "EMAIL", "PARENTID"});
            for (int i = 0; i < size.departments; ++i) {
                const int id = company.nextId("STREDISKA");
                const int parent = i < 4 || departmentIds.isEmpty() ? -1 : departmentIds.at(g.number(0, qMin(3, int(departmentIds.size()) - 1)));
                const auto &town = g.pick(Towns);
                insert.insert({id, QStringLiteral("%1 %2").arg(g.pick(Departments)).arg(i + 1),
                               QStringLiteral("S%1").arg(i + 1, 3, 10, QLatin1Char('0')),
                               QStringLiteral("%1 %2").arg(g.pick(Streets)).arg(g.number(1, 120)), town.first,
                               town.second, QStringLiteral("+420 5%1").arg(g.number(10000000, 99999999)),
                               QStringLiteral("stredisko%1@firma.cz").arg(i + 1), parent});
                departmentIds << id;
                ++counts.departments;
            }
        }

        // Employees; the database assigns their ID, read back afterwards.
        QList<int> employeeIds;
        {
            BulkInsert insert(company, "ZAMESTNANCI",
                              {"JMENO", "PRIJMENI", "RODNEJMENO", "ZENA", "NAROZEN", "RODNECISLO", "MISTONAROZENI",
                               "STATNIPRISLUSNOST", "OSOBNICISLO", "ADRBULICE", "ADRBOBEC", "ADRBPSC", "NASTUP",
                               "PROPUSTEN", "DATUMPROPUSTENI", "POJISTOVNAKOD", "POJISTOVNATEXT", "PROFESE",
                               "DATUMPORIZENI", "STREDISKO", "EXTERNI"});
            for (int i = 0; i < size.employees; ++i) {
                const bool woman = g.chance(0.45);
                const auto &surname = g.pick(Surnames);
                const QDate born = g.date(QDate(1958, 1, 1), QDate(2005, 12, 31));
                const auto &town = g.pick(Towns);
                const int department = departmentIds.isEmpty() || g.chance(0.05) ? 0 : g.pick(departmentIds);
                const bool left = g.chance(0.1);
                const QString birthNumber = QStringLiteral("%1%2%3/%4")
                                                .arg(born.year() % 100, 2, 10, QLatin1Char('0'))
                                                .arg(born.month() + (woman ? 50 : 0), 2, 10, QLatin1Char('0'))
                                                .arg(born.day(), 2, 10, QLatin1Char('0'))
                                                .arg(g.number(0, 9999), 4, 10, QLatin1Char('0'));
                insert.insert({woman ? g.pick(FemaleNames) : g.pick(MaleNames),
                               EscapeSqlText(woman ? surname.second : surname.first), "", woman ? 1 : 0, born,
                               birthNumber, g.pick(Towns).first, "ČR", personalNumber(i + 1),
                               QStringLiteral("%1 %2").arg(g.pick(Streets)).arg(g.number(1, 250)), town.first,
                               town.second, g.date(QDate(2000, 1, 1), today), left ? 1 : 0,
                               left ? g.date(QDate(2015, 1, 1), today) : NoDate(), "111",
                               "Všeobecná zdravotní pojišťovna České republiky", g.pick(Works), today, department, 0});
                ++counts.employees;
            }
            const ResultSet ids = company.select("SELECT ID FROM ZAMESTNANCI ORDER BY ID");
            for (int i = 0; i < ids.rowCount(); ++i)
                employeeIds << ids.integer(i, "ID");
        }

        // Book entries, some registered with reports of changes.
        BulkInsert book(company, "URAZEVIDOVANY",
                        {"ID", "IDREG", "IDZAMESTNANCE", "EVIDENCNICISLO", "JMENO", "PRIJMENI", "NAROZEN",
                         "OSOBNICISLO", "ADRBULICE", "ADRBOBEC", "ADRBPSC", "TRVANIVZTAHULET", "TRVANIVZTAHUMES",
                         "DRUHPRACE", "DATUMURAZ", "CASURAZ", "ODPRACOVANO", "DRUHZRANENI", "CASTTELA", "LEKAR",
                         "HOSPITP", "HOSPITS", "PRACNP", "PRACNS", "ZRANENOOSOB", "REGISTROVANY", "REGISTDNE",
                         "DRUHURAZU", "MISTOURAZU", "POPISDEJE", "NAVYKOVELATKY", "ZDROJURAZU", "PRICINAURAZU",
                         "SVEDEK", "PROSETRIL", "STRED_ID", "STREDISKO", "DATUM", "PRAVIDELNEPRACOVISTE"});
        BulkInsert registered(company, "URAZREGISTROVANY",
                              {"ID", "IDBOOK", "IDZAM", "EVIDCISLO", "DRUHURAZU", "ZAMEST", "JMENO", "PRIJMENI",
                               "ZENA", "NAROZEN", "DATUMURAZ", "CASURAZ", "PNOD", "PNDO", "DATUMUMRTI",
                               "ZDROJURAZU", "PRICINAURAZU", "DATUMZAPISU", "PRACOVISTE", "EXTERNI", "SMRTELNY"});
        BulkInsert changes(company, "URAZZMENY",
                           {"ID", "IDREG", "EVIDCISLO", "JMENO", "PRIJMENI", "NAROZEN", "DATUMURAZ", "HOSPITALIZACE",
                            "PNOD", "PNDO", "DATUMUMRTI", "DATUMZAPISU"});
        for (int i = 0; i < size.bookEntries; ++i) {
            const int id = company.nextId("URAZEVIDOVANY");
            // About one entry in a hundred was saved without choosing an employee.
            const bool withEmployee = !employeeIds.isEmpty() && !g.chance(0.01);
            const int employeeId = withEmployee ? g.pick(employeeIds) : 147483647;
            const bool woman = g.chance(0.45);
            const auto &surname = g.pick(Surnames);
            const QString first = woman ? g.pick(FemaleNames) : g.pick(MaleNames);
            const QString last = woman ? surname.second : surname.first;
            const QDate born = g.date(QDate(1958, 1, 1), QDate(2005, 12, 31));
            const QDate when = g.date(QDate(2015, 1, 1), today);
            const QTime at(g.number(5, 22), g.number(0, 59));
            const int days = g.chance(0.3) ? 0 : g.number(1, 60);
            const bool isRegistered = g.chance(size.registeredShare);
            const int regId = isRegistered ? company.nextId("URAZREGISTROVANY") : 0;
            const auto &town = g.pick(Towns);
            const int departmentIndex = departmentIds.isEmpty() ? -1 : g.number(0, int(departmentIds.size()) - 1);
            const int department = departmentIndex < 0 ? 0 : departmentIds.at(departmentIndex);
            const QString departmentCode =
                departmentIndex < 0 ? QString() : QStringLiteral("S%1").arg(departmentIndex + 1, 3, 10, QLatin1Char('0'));
            book.insert({id, regId, employeeId, QStringLiteral("%1/%2").arg(i + 1).arg(when.year()), first,
                         EscapeSqlText(last), born, QString::number(employeeId),
                         QStringLiteral("%1 %2").arg(g.pick(Streets)).arg(g.number(1, 250)), town.first, town.second,
                         g.number(0, 30), g.number(0, 11), g.pick(Works), when, at, g.number(0, 12), g.pick(Injuries),
                         g.pick(BodyParts), g.chance(0.7) ? 1 : 0, 0, days > 30 ? g.number(0, 10) : 0, days, days,
                         1, isRegistered ? 1 : 0, isRegistered ? when.addDays(3) : NoDate(),
                         days == 0 ? 5 : (days > 3 ? 2 : 4), g.pick(Places),
                         QStringLiteral("Při práci na pracovišti %1 došlo k úrazu.").arg(g.pick(Places)),
                         0, g.bits(10, 0.15), g.bits(7, 0.2), g.pick(MaleNames) + " " + g.pick(Surnames).first,
                         "BOZP technik", department, departmentCode, when.addDays(1), g.chance(0.8) ? 1 : 0});
            if (isRegistered) {
                registered.insert({regId, id, employeeId, QStringLiteral("R%1/%2").arg(regId).arg(when.year()),
                                   g.number(0, 2) == 0 ? 1 : 2, "Strojírny Trelvo s.r.o.", first, EscapeSqlText(last),
                                   woman ? 1 : 0, born, when, at, when, days > 0 ? when.addDays(days) : NoDate(),
                                   NoDate(), g.bits(11, 0.15), g.bits(7, 0.2), when.addDays(3), 1, 1, 0});
                ++counts.registered;
                for (int c = 0; c < size.changesPerRegistered; ++c) {
                    changes.insert({company.nextId("URAZZMENY"), regId, QStringLiteral("R%1/%2").arg(regId).arg(when.year()),
                                    first, EscapeSqlText(last), born, when, g.chance(0.1) ? 1 : 0, when,
                                    when.addDays(days + 7), NoDate(), when.addDays(10 + c)});
                    ++counts.changes;
                }
            }
            ++counts.bookEntries;
        }

        BulkInsert school(company, "URAZZAKA",
                          {"ID", "IDZAM", "EVIDCISLO", "VYKONAVA", "SKOLA", "POJISTK", "POJISTN", "ZADOST", "JMENO",
                           "PRIJMENI", "NAROZEN", "TRIDA", "ADRPULICE", "ADRPOBEC", "ADRPPSC", "DATUMURAZ", "CASURAZ",
                           "MISTOURAZU", "CASTTELA", "SMRTELNY", "DATUMUMRT", "DATUMZAPIS"});
        for (int i = 0; i < size.schoolRecords; ++i) {
            const bool girl = g.chance(0.5);
            const auto &surname = g.pick(Surnames);
            const QDate when = g.date(QDate(2018, 9, 1), today);
            const auto &town = g.pick(Towns);
            school.insert({company.nextId("URAZZAKA"), 0, QStringLiteral("%1/%2").arg(i + 1).arg(when.year()),
                           "Město " + town.first, "Základní škola " + g.pick(Streets), "111",
                           "Všeobecná zdravotní pojišťovna České republiky", 0,
                           girl ? g.pick(FemaleNames) : g.pick(MaleNames),
                           EscapeSqlText(girl ? surname.second : surname.first), g.date(QDate(2008, 1, 1), QDate(2019, 12, 31)),
                           QStringLiteral("%1.%2").arg(g.number(1, 9)).arg(QChar('A' + g.number(0, 2))),
                           QStringLiteral("%1 %2").arg(g.pick(Streets)).arg(g.number(1, 250)), town.first, town.second,
                           when, QTime(g.number(8, 15), g.number(0, 59)), "tělocvična", g.pick(BodyParts), 0, NoDate(),
                           when.addDays(1)});
            ++counts.schoolRecords;
        }
    });
    return counts;
}
