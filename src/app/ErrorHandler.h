#pragma once

// The one place where an error that no window handled is shown: a box titled
// with the application title holding the error's message. The window that was
// working stays as it was.

#include <QApplication>

#include <exception>

void ShowUnhandledError(const QString &message);
// Shows the error carried by `error` (a TrelvoError, another exception, or
// something unknown).
void ShowUnhandledError(std::exception_ptr error);

// The program's application object: every event is delivered inside the
// handler, so an error thrown by an action or a window ends that action only.
class TrelvoApplication : public QApplication
{
    Q_OBJECT

public:
    TrelvoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
