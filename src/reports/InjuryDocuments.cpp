#include "InjuryDocuments.h"

#include "Error.h"
#include "ReportEngine.h"
#include "SqlLiteral.h"

QString TemplateName(InjuryDocument document)
{
    switch (document) {
    case InjuryDocument::BookEntry: return QStringLiteral("frReportUrazE");
    case InjuryDocument::RegisteredRecord: return QStringLiteral("frReportUrazR");
    case InjuryDocument::SchoolRecord: return QStringLiteral("frReportUrazS");
    case InjuryDocument::ChangeReport: return QStringLiteral("frReportHlaseniZmen");
    }
    return QString();
}

QString BlankTemplateName(InjuryDocument document)
{
    return TemplateName(document) + QStringLiteral("Empty");
}

QString DocumentTable(InjuryDocument document)
{
    switch (document) {
    case InjuryDocument::BookEntry: return QStringLiteral("URAZEVIDOVANY");
    case InjuryDocument::RegisteredRecord: return QStringLiteral("URAZREGISTROVANY");
    case InjuryDocument::SchoolRecord: return QStringLiteral("URAZZAKA");
    case InjuryDocument::ChangeReport: return QStringLiteral("URAZZMENY");
    }
    return QString();
}

QString QueryName(InjuryDocument document)
{
    switch (document) {
    case InjuryDocument::BookEntry: return QStringLiteral("EvidovanyUrazQuery");
    case InjuryDocument::RegisteredRecord: return QStringLiteral("RegistrovanyUrazQuery");
    case InjuryDocument::SchoolRecord: return QStringLiteral("SkolniUrazQuery");
    case InjuryDocument::ChangeReport: return QStringLiteral("HlaseniZmenQuery");
    }
    return QString();
}

QSet<QString> MemoColumns(InjuryDocument document)
{
    switch (document) {
    case InjuryDocument::BookEntry:
        return {"UKON", "POPISDEJE", "PRVPOMOC", "OPATRENI", "PORUSENO", "POZNAMKA"};
    case InjuryDocument::RegisteredRecord:
        return {"POPISDEJE", "OPATRENI", "VYJADRENIZAMESTNANCE", "PORUSENO"};
    case InjuryDocument::SchoolRecord:
        return {"POPISDEJE", "JINAOSOBA", "DALSI"};
    case InjuryDocument::ChangeReport:
        return {"JINEZMENY"};
    }
    return {};
}

QString SingleRowSql(InjuryDocument document, int id)
{
    return SqlFormat(QStringLiteral("SELECT * FROM %s WHERE ID=%d;"), {DocumentTable(document), id});
}

ResultSet InjuryDocumentQuery(InjuryDocument document, Connection &connection, int id)
{
    return connection.select(SingleRowSql(document, id));
}

ResultSet EvidovanyUrazQuery(Connection &connection, int id)
{
    return InjuryDocumentQuery(InjuryDocument::BookEntry, connection, id);
}

ResultSet RegistrovanyUrazQuery(Connection &connection, int id)
{
    return InjuryDocumentQuery(InjuryDocument::RegisteredRecord, connection, id);
}

ResultSet SkolniUrazQuery(Connection &connection, int id)
{
    return InjuryDocumentQuery(InjuryDocument::SchoolRecord, connection, id);
}

ResultSet HlaseniZmenQuery(Connection &connection, int id)
{
    return InjuryDocumentQuery(InjuryDocument::ChangeReport, connection, id);
}

PreparedDocument PrepareInjuryDocument(InjuryDocument document, const ResultSet &rows)
{
    ReportEngine engine(LoadTemplate(TemplateName(document)));
    QuerySource source(rows, MemoColumns(document));
    engine.setSource(QueryName(document), &source);
    // The row has every column of the table, so a name that is none of them is
    // a fault of the template, not a missing value.
    engine.strictNames = true;
    std::optional<PreparedDocument> prepared = engine.prepare();
    if (!prepared)
        throw TrelvoError(QStringLiteral("Tisková sestava nebyla připravena."));
    return *prepared;
}

PreparedDocument PrepareStoredInjuryDocument(InjuryDocument document, Connection &connection, int id)
{
    return PrepareInjuryDocument(document, InjuryDocumentQuery(document, connection, id));
}

PreparedDocument PrepareBlankForm(InjuryDocument document)
{
    ReportTemplate report = LoadTemplate(TemplateName(document));
    report.name = BlankTemplateName(document);
    report.title.clear();  // the blank forms have no title of their own
    ReportEngine engine(report);
    engine.blank = true;
    std::optional<PreparedDocument> prepared = engine.prepare();
    if (!prepared)
        throw TrelvoError(QStringLiteral("Tisková sestava nebyla připravena."));
    return *prepared;
}

bool PreviewIsModal(InjuryDocument document, bool blank)
{
    return blank || document != InjuryDocument::RegisteredRecord;
}
