#include "CodeLists.h"

#include "Error.h"
#include "UrazData.h"

namespace {

TUrazData &dataModule()
{
    TUrazData *data = TUrazData::instance();
    if (!data)
        throw TrelvoError(QStringLiteral("Databáze nejsou připraveny (chybí datový modul programu)."));
    return *data;
}

} // namespace

Connection &CommonConnection()
{
    Connection &connection = dataModule().ZCommonConnection;
    if (!connection.connected())
        connection.connect();
    return connection;
}

Connection &CompanyConnection()
{
    Connection &connection = dataModule().ZUserDataConnection;
    if (!connection.connected())
        throw TrelvoError(QStringLiteral("Není otevřena databáze žádné firmy."));
    return connection;
}
