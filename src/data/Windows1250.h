#pragma once

// The program's files (profile files, legacy tables) are Windows-1250 text.
// Qt 6 carries no codec for it, so the single-byte table lives here.

#include <QByteArray>
#include <QString>

QString FromWindows1250(const QByteArray &bytes);
// Characters that Windows-1250 cannot hold become "?".
QByteArray ToWindows1250(const QString &text);
// True for text that holds at least one multi-byte UTF-8 sequence and no
// invalid one: such a file was saved as UTF-8 rather than Windows-1250.
bool LooksLikeUtf8(const QByteArray &bytes);
