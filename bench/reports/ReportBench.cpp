// Times the report engine: preparing the filled registered injury record (three
// sheets), preparing a program-driven listing of 5,000 rows with the page total,
// and exporting that listing to PDF and to a spreadsheet. Prints the figures;
// asserts nothing.

#include "Exporters.h"
#include "InjuryDocuments.h"
#include "ReportEngine.h"
#include "SqlLiteral.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

const QByteArray ListingTemplate = R"({"name":"vypis","title":"Výpis úrazů","pages":[{"margins":36,"bands":[
  {"kind":"reportTitle","height":30,"boxes":[{"x":0,"y":0,"w":684,"h":26,"size":14,"bold":true,"align":"center","text":"Výpis úrazů"}]},
  {"kind":"pageHeader","height":22,"boxes":[
     {"x":0,"y":0,"w":60,"h":18,"bold":true,"border":"LTRB","text":"Číslo"},
     {"x":60,"y":0,"w":220,"h":18,"bold":true,"border":"TRB","text":"Jméno"},
     {"x":280,"y":0,"w":100,"h":18,"bold":true,"border":"TRB","text":"Datum úrazu"},
     {"x":380,"y":0,"w":304,"h":18,"bold":true,"border":"TRB","text":"Místo úrazu"}]},
  {"kind":"masterData","height":18,"source":"radky","boxes":[
     {"x":0,"y":0,"w":60,"h":18,"border":"LRB","align":"right","text":"[CISLO]"},
     {"x":60,"y":0,"w":220,"h":18,"border":"RB","text":"[JMENO]"},
     {"x":280,"y":0,"w":100,"h":18,"border":"RB","text":"[DATUM]"},
     {"x":380,"y":0,"w":304,"h":18,"border":"RB","text":"[MISTO]"}]},
  {"kind":"pageFooter","height":20,"boxes":[{"x":0,"y":2,"w":684,"h":16,"align":"right","size":8,"text":"Strana [PAGE#] z [TOTALPAGES]"}]}
]}]})";

QTextStream out(stdout);

void report(const char *what, qint64 ms, int pages, int times = 1)
{
    out << QString("%1: %2 ms in all, %3 page(s) x %4, %5 ms per page\n")
               .arg(QLatin1String(what))
               .arg(ms)
               .arg(pages)
               .arg(times)
               .arg(double(ms) / (pages * times), 0, 'f', 3);
    out.flush();
}

PreparedDocument prepareListing(int rows)
{
    ReportEngine engine(ParseTemplate(ListingTemplate, "vypis.json"));
    CountedProgramSource source([rows] { return rows; });
    engine.setSource("radky", &source);
    engine.variables = [&](const QString &name) -> std::optional<QVariant> {
        const int i = source.position;
        if (name == "CISLO")
            return i + 1;
        if (name == "JMENO")
            return QString("Zaměstnanec č. %1").arg(i + 1);
        if (name == "DATUM")
            return QDate(2020, 1, 1).addDays(i % 1500);
        if (name == "MISTO")
            return QString("Dílna %1, hala %2").arg(i % 17).arg(i % 5);
        return std::nullopt;
    };
    return *engine.prepare();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    try {
        OpenCompany company;
        Connection &db = company.company();
        const int id = db.nextId("URAZREGISTROVANY");
        QString memo;
        for (int i = 0; i < 40; ++i)
            memo += QString("Věta %1 popisu úrazového děje, místa, příčin a okolností. ").arg(i);
        db.change([&] {
            db.execute(SqlFormat("INSERT INTO URAZREGISTROVANY (ID, JMENO, PRIJMENI, ZENA, ZDROJURAZU, PRICINAURAZU, "
                                 "PNOD, PNDO, DATUMUMRTI, EXTERNI) VALUES (%d, 'Jana', 'Nováková', 1, 37, 9, "
                                 "'01.03.2024', '11.03.2024', '01.01.0001', 2);",
                                 {id}));
            db.execute(SqlFormat("UPDATE URAZREGISTROVANY SET POPISDEJE=:PopisDeje, OPATRENI=:Opatreni WHERE ID=%d;",
                                 {id}),
                       {{"PopisDeje", memo}, {"Opatreni", memo}});
        });
        const ResultSet row = RegistrovanyUrazQuery(db, id);

        QElapsedTimer timer;
        timer.start();
        int pages = 0;
        constexpr int Times = 100;
        for (int i = 0; i < Times; ++i)
            pages = PrepareInjuryDocument(InjuryDocument::RegisteredRecord, row).pageCount();
        report("registered record, filled, prepared 100 times", timer.elapsed(), pages, Times);

        timer.restart();
        const PreparedDocument listing = prepareListing(5000);
        report("listing of 5,000 program-driven rows with page total (two passes)", timer.elapsed(),
               listing.pageCount());

        timer.restart();
        const QByteArray pdf = DocumentToPdf(listing);
        report("listing exported to PDF", timer.elapsed(), listing.pageCount());
        out << QString("  PDF size: %1 kB\n").arg(pdf.size() / 1024);

        timer.restart();
        const QByteArray xlsx = DocumentToXlsx(listing);
        report("listing exported to .xlsx", timer.elapsed(), listing.pageCount());
        out << QString("  .xlsx size: %1 kB\n").arg(xlsx.size() / 1024);
    } catch (const TrelvoError &error) {
        out << "error: " << error.message() << "\n";
        return 1;
    }
    return 0;
}
