#include "ErrorHandler.h"

#include "Error.h"
#include "MessageBoxes.h"

void ShowUnhandledError(const QString &message)
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    ShowError(parent, message);
}

void ShowUnhandledError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const TrelvoError &trelvoError) {
        ShowUnhandledError(trelvoError.message());
    } catch (const std::exception &other) {
        ShowUnhandledError(QStringLiteral("Neočekávaná chyba: %1").arg(QString::fromLocal8Bit(other.what())));
    } catch (...) {
        ShowUnhandledError(QStringLiteral("Neočekávaná chyba."));
    }
}

TrelvoApplication::TrelvoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TrelvoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowUnhandledError(std::current_exception());
        return false;
    }
}
