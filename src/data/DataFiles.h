#pragma once

// Where the program keeps its files, and how they are kept private: the data
// folder holds birth numbers and health data, so it and everything the program
// creates in it is readable by the user alone.

#include <QString>

// The per-user data folder, ending with a separator: TRELVO_DATA_DIR when set,
// else the application-data folder + "Trelvo/".
QString DefaultDataFolder();
// The folder of the template databases, ending with a separator: "Data/" beside
// the executable, or the installed share folder.
QString DefaultTemplateFolder();

// A company folder name as the registry keeps it ("Firm1\") in the form the
// disk wants ("Firm1/"). Names from a registry copied from Windows keep working.
QString NativeFolderName(const QString &registryFolderName);

// Creates the folder (and missing parents) with owner-only access. Throws
// TrelvoError naming the folder when it cannot be created.
void EnsurePrivateFolder(const QString &path);
// Restricts a file to its owner; silently leaves files it cannot change.
void MakePrivate(const QString &path);
// Copies `from` to `to` only when `to` does not exist; never overwrites. The
// copy is made private. Returns whether a copy was made.
bool CopyIfMissing(const QString &from, const QString &to);
