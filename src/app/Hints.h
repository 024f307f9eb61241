#pragma once

// Hints, application-wide: shown after 500 ms, hidden after 2500 ms, with no
// delay when moving on to a neighbouring control.

class QApplication;

void InstallHints(QApplication &app);
