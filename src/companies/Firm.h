#pragma once

// The open company's details and settings as kept in its "Firm.ini".

#include <QList>
#include <QString>

struct TAdr
{
    QString town;         // "MESTO" / "DMesto"
    QString postcode;     // "PSC" / "DPSC"
    QString street;       // "Ulice" / "DUlice"
    QString houseNumber;  // "CP" / "DCP"
};

// A contact person of the earlier program versions, kept in "Firm.ini" and
// written back unchanged; today's contacts live in the table KONTAKTY.
struct TContakt
{
    QString phone;     // "Tel"
    QString mobile;    // "Mobil"
    QString web;       // "WWW"
    QString email;     // "Mail"
    QString fax;       // "Fax"
    QString name;      // "Name"
    QString function;  // "Fnc"
};

struct TFirm
{
    QString name;
    TAdr address;          // registered address
    TAdr deliveryAddress;
    QString ico;
    QString dic;
    QString activityCode;  // "OKECNUM"
    QString activityName;  // "OKECNAME"
    QString insurerName;   // "Pojistovna"
    QString insurerCode;   // "PojistovnaNum"
    bool schoolInjuries = false;       // "SKUraz": the page "Školní úrazy" is shown
    bool autoPersonalNumbers = true;   // "AutoOsC"
    int personalNumberStart = 0;       // "StartNumOsC"
    int personalNumberDigits = 1;      // "CountNumOsC", 1 to 6
    QString personalNumberPrefix;      // "PrefixOsC", kept with its blanks
    QList<TContakt> contacts;
};

inline const char *FirmIniFile = "Firm.ini";

// Reads every key with its default; a missing file gives the defaults.
void LoadFirm(TFirm &firm, const QString &firmIniPath);
// Writes every key in the file's order and flushes. The caller deletes an old
// file first when it wants the file written anew.
void SaveFirm(const TFirm &firm, const QString &firmIniPath);
