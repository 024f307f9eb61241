#pragma once

// What the code-list pickers hand back, and the common database they read.

#include "Error.h"
#include "MessageBoxes.h"

#include <QDialog>
#include <QString>

class Connection;

struct CodeAndName
{
    QString code;
    QString name;
};

// The common connection of the running program, connected first when it is
// not yet. Throws TrelvoError when there is no data module or it cannot connect.
Connection &CommonConnection();
// The open company's connection. Throws TrelvoError when none is open.
Connection &CompanyConnection();

// Shows a picker modally after `prepare` has read its list. Gives `picked()`
// when the user confirms, and `nothing` when the list cannot be read (the
// error is shown) or the window is closed without OK.
template <typename Prepare, typename Picked, typename Result>
Result ExecPicker(QDialog &form, QWidget *parent, Prepare &&prepare, Picked &&picked, Result nothing)
{
    try {
        prepare();
    } catch (const TrelvoError &error) {
        ShowError(parent, error.message());
        return nothing;
    }
    if (form.exec() != QDialog::Accepted)
        return nothing;
    return picked();
}
