// Start-up: one running program per user, the splash window, the data module,
// and the main window, which opens the current company once it is shown.

#include "DataFiles.h"
#include "EndSignals.h"
#include "Error.h"
#include "ErrorHandler.h"
#include "Hints.h"
#include "MessageBoxes.h"
#include "SingleInstance.h"
#include "SplashForm.h"
#include "UrazData.h"
#include "UrazForm.h"

#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QThread>
#include <QTranslator>

#include <memory>

namespace {

// Keeps the splash window up for at least `milliseconds` while events run.
void showSplashFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    TrelvoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setOrganizationName(QStringLiteral("Kavrin"));
    // The application title is the caption of the program's message boxes;
    // it is not set as the display name, which would be appended to every
    // window caption here.
    QApplication::setApplicationVersion(QStringLiteral(TRELVO_VERSION));

    // Qt's own Czech texts: "Ano", "Ne", "Storno" on the standard buttons.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    InstallHints(app);

    const QString dataFolder = DefaultDataFolder();
    SingleInstance instance(SingleInstance::serverNameFor(dataFolder));

    TSplashForm splash;
    splash.show();
    QCoreApplication::processEvents();

    if (instance.handOver()) {
        // The running program has come to the front; this start ends.
        showSplashFor(700);
        return 0;
    }
    instance.listen();

    std::unique_ptr<TUrazData> data;
    try {
        data = std::make_unique<TUrazData>(dataFolder);
    } catch (const TrelvoError &error) {
        splash.hide();
        ShowError(nullptr, error.message());
        return 1;
    }
    data->trace.onWriteFailure = [](const QString &message) { Notice(nullptr, message); };

    TUrazForm window(*data);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &TUrazForm::bringToFront);
    EndOnTerminationSignals(&window);
    // The database engine installs its own handlers when it opens a database.
    data->onCompanyConnected = [&window] { EndOnTerminationSignals(&window); };

    splash.hide();
    window.show();
    const int result = app.exec();
    return result;
}
