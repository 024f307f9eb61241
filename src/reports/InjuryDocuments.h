#pragma once

// The four injury documents, each filled from one stored row or printed blank:
//
//   book entry           frReportUrazE        URAZEVIDOVANY     EvidovanyUrazQuery
//   registered record    frReportUrazR        URAZREGISTROVANY  RegistrovanyUrazQuery
//   school record        frReportUrazS        URAZZAKA          SkolniUrazQuery
//   report of changes    frReportHlaseniZmen  URAZZMENY         HlaseniZmenQuery
//
// One template serves both versions; the blank one runs the engine in blank
// mode (every band once, no values, every mark empty, no database access).

#include "Connection.h"
#include "PreparedDocument.h"

#include <QSet>
#include <QString>

#include <optional>

enum class InjuryDocument { BookEntry, RegisteredRecord, SchoolRecord, ChangeReport };

QString TemplateName(InjuryDocument document);   // "frReportUrazE", ...
QString BlankTemplateName(InjuryDocument document);  // "frReportUrazEEmpty", ...
QString DocumentTable(InjuryDocument document);  // "URAZEVIDOVANY", ...
QString QueryName(InjuryDocument document);      // "EvidovanyUrazQuery", ...
// The memo columns of the document's table: they print as stored, every other
// text column goes through UnescapeSqlText.
QSet<QString> MemoColumns(InjuryDocument document);

// "SELECT * FROM <table> WHERE ID=<id>;"
QString SingleRowSql(InjuryDocument document, int id);

// The single-row queries narrowed to one ID. An ID that no longer exists gives
// an empty result (with its columns). Throw TrelvoError on a database failure.
ResultSet EvidovanyUrazQuery(Connection &connection, int id);
ResultSet RegistrovanyUrazQuery(Connection &connection, int id);
ResultSet SkolniUrazQuery(Connection &connection, int id);
ResultSet HlaseniZmenQuery(Connection &connection, int id);
ResultSet InjuryDocumentQuery(InjuryDocument document, Connection &connection, int id);

// Prepares the filled document from the rows of its query (normally one; none
// prints only the title and page sections). Throws TrelvoError.
PreparedDocument PrepareInjuryDocument(InjuryDocument document, const ResultSet &rows);
// Narrows the query to `id` and prepares the document.
PreparedDocument PrepareStoredInjuryDocument(InjuryDocument document, Connection &connection, int id);
// The blank paper form; touches no database.
PreparedDocument PrepareBlankForm(InjuryDocument document);

// Whether the preview of the document waits until it is closed: every one
// does except the filled registered record.
bool PreviewIsModal(InjuryDocument document, bool blank);
