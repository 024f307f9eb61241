#pragma once

// The items of the main menu "Databáze" that open the code-list editors and
// the import. Each shows its dialog modally; errors are shown, never thrown.

class QWidget;

// "Databáze zranění": the kinds of injury.
void OpenInjuryKindsEditor(QWidget *parent);
// "Databáze části těla": the parts of the body (caption "Části těla").
void OpenBodyPartsEditor(QWidget *parent);
// "Zdravotní pojišťovny": the insurers.
void OpenInsurersEditor(QWidget *parent);
// "Aktualizace číselníků…": replacing CZ-NACE, CZ-ISCO, OKEČ or the postcodes
// by an official edition.
void OpenCodeListImport(QWidget *parent);
