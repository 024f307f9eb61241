#pragma once

// The program's help: an HTML page compiled into the program, written into
// the data folder and opened in the user's browser.

#include <QString>

// Writes the help page into `folder` (ending with a separator) and gives its
// path; empty when it could not be written.
QString WriteHelpPage(const QString &folder);
// Opens the help in the user's browser; tells the user when it cannot.
void OpenHelp(const QString &dataFolder);
