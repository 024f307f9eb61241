#pragma once

// Replacing a classification or the postcode list by an official edition
// downloaded from its publisher, without any window: reading the file
// (encoding, delimiter and columns found by themselves), checking and
// normalising every row, and replacing the table in one transaction.
//
// Files understood:
//  - the CSV export of a code list of the Czech Statistical Office: the code
//    in the column CHODNOTA, the name in TEXT;
//  - a plain CSV of code and name (with a header "kód;název", or without a
//    header when its first line already holds a code);
//  - the Czech Post's list of postcodes saved as CSV: postcode, municipality,
//    post office and district found by their header names.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class Connection;

enum class ImportTarget { CzNace, CzIsco, Okec, Psc };

struct ImportTargetInfo
{
    ImportTarget target;
    QString caption;      // shown to the user
    QString table;
    QStringList columns;  // the table's columns in insert order
    QStringList titles;   // their titles for the user
};

const QList<ImportTargetInfo> &ImportTargets();
const ImportTargetInfo &TargetInfo(ImportTarget target);

struct ImportedList
{
    ImportTarget target = ImportTarget::CzNace;
    QList<QStringList> rows;  // one value per column of the table
    int skipped = 0;          // rows of sections (codes without digits) left out
    QString encoding;         // "UTF-8", "UTF-16" or "Windows-1250"
    QChar delimiter;
    QString format;           // what kind of file it was, for the user
};

// The most characters each text column of `table` holds, read from the
// database's own description of the table. Throws TrelvoError.
QMap<QString, int> ColumnWidths(Connection &connection, const QString &table);

// Reads and checks the whole file. Throws TrelvoError with a Czech message
// naming the line and the reason when anything is wrong; nothing is read in
// part. `widths` gives the most characters of each column (missing: no limit).
ImportedList ParseCodeListFile(const QByteArray &bytes, ImportTarget target, const QMap<QString, int> &widths);

// Reads a file from disk and parses it against the columns of the database.
ImportedList ReadCodeListFile(const QString &path, ImportTarget target, Connection &connection);

// The code in the form the picker trees need: CZ-NACE and CZ-ISCO without
// dots and blanks, OKEČ without blanks, postcodes as "123 45". An empty
// result means the text is no code of that list.
QString NormaliseCode(ImportTarget target, const QString &text);

// Replaces the table's rows by the imported ones in one transaction.
// `progress` (rows done, rows in all) may return false to stop: the table is
// then left as it was and TrelvoError is thrown. Any failure rolls back.
void ReplaceCodeList(Connection &connection, const ImportedList &list,
                     const std::function<bool(int, int)> &progress = {});
