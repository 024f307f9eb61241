#pragma once

// Helpers shared by the code-list tests.

#include "Connection.h"
#include "TestSupport.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

// Runs `action` on the dialog that the next modal exec() shows, once it is up.
void WhenDialogShows(const std::function<void(QDialog *)> &action);

// Empties a table and fills it with the given rows (values of `columns`).
void FillTable(Connection &connection, const QString &table, const QStringList &columns,
               const QList<QStringList> &rows);

