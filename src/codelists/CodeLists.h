#pragma once

// What the code-list pickers hand back, and the common database they read.

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
