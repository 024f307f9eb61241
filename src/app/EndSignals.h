#pragma once

// A log-off or shutdown ends the program the orderly way: the termination
// signals close the main window (its placement is saved, the databases close)
// instead of being ignored.

class QWidget;

// Installs the handlers; call again after something else (the embedded
// database engine) may have installed its own.
void EndOnTerminationSignals(QWidget *mainWindow);
