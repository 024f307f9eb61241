#include "CodeListTestSupport.h"

#include "SqlLiteral.h"

#include <QApplication>
#include <QTimer>

void WhenDialogShows(const std::function<void(QDialog *)> &action)
{
    // Polls until the modal dialog runs its own event loop.
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

void FillTable(Connection &connection, const QString &table, const QStringList &columns,
               const QList<QStringList> &rows)
{
    connection.change([&] {
        connection.execute(QStringLiteral("DELETE FROM %1;").arg(table));
        for (const QStringList &row : rows) {
            QStringList values;
            for (const QString &value : row)
                values << QLatin1Char('\'') + EscapeSqlText(value) + QLatin1Char('\'');
            connection.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                                   .arg(table, columns.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
        }
    });
}

