// Start-up: the data module, the current company (the first one is created on
// first start), both databases, and the main window.

#include "DataFiles.h"
#include "Error.h"
#include "Firm.h"
#include "FirmRegistry.h"
#include "UrazData.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QTranslator>

#include <memory>

namespace {

const QString ApplicationTitle = QStringLiteral("Zuvezodu doded");

bool askYesNo(const QString &question)
{
    return QMessageBox::question(nullptr, QStringLiteral("Potvrzení"), question) == QMessageBox::Yes;
}

QString askFirstCompanyName()
{
    return QInputDialog::getText(nullptr, QStringLiteral("Před prvním spuštěním zadejte název firmy"),
                                 QStringLiteral("Zapište název firmy"));
}

// Opens the company remembered as the last one, creating the first company
// when there is none or its folder is gone. Gives the window caption.
QString openCurrentCompany(TUrazData &data, FirmRegistry &registry)
{
    QString folder = registry.lastFirmPath();
    if (folder.isEmpty() || !QFileInfo(data.companyFolderPath(folder)).isDir()) {
        folder = registry.CreateFirstFirm(askFirstCompanyName(), askYesNo);
        registry.setLastFirmPath(folder);
    }
    const DatabaseServerSettings server = registry.databaseSettings();
    data.setDatabaseServer(server.protocol, server.hostName, server.user, server.password);
    data.ConnectDatabases(folder);
    TFirm firm;
    LoadFirm(firm, registry.firmIniPath(folder));
    return QStringLiteral("Trelvo - %1 (%2%3)").arg(firm.name, QDir::toNativeSeparators(data.dataFolder()), folder);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setApplicationDisplayName(ApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral(TRELVO_VERSION));

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    std::unique_ptr<TUrazData> data;
    try {
        data = std::make_unique<TUrazData>();
    } catch (const TrelvoError &error) {
        QMessageBox::critical(nullptr, ApplicationTitle, error.message());
        return 1;
    }
    data->trace.onWriteFailure = [](const QString &message) {
        QMessageBox::warning(nullptr, ApplicationTitle, message);
    };

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Trelvo"));
    window.resize(800, 560);
    auto *label = new QLabel(&window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.show();

    FirmRegistry registry(data->dataFolder());
    try {
        window.setWindowTitle(openCurrentCompany(*data, registry));
        label->setText(QStringLiteral("Databáze firmy je otevřena."));
    } catch (const TrelvoError &error) {
        // The window opens anyway; the user can close it or try another company.
        label->setText(QStringLiteral("Databázi firmy se nepodařilo otevřít."));
        QMessageBox::critical(&window, ApplicationTitle, error.message());
    }
    return app.exec();
}
