#pragma once

// Pictures kept in text columns: the standard Base64 form of a Windows bitmap
// file image, without line breaks.

#include <QByteArray>
#include <QImage>
#include <QString>

QString EncodeBase64(const QByteArray &bytes);
// Throws TrelvoError("Base64: Incorrect string format") when the length of the
// text is not a multiple of 4. Characters outside the alphabet count as 63.
QByteArray DecodeBase64(const QString &text);

// An empty (null) picture gives an empty text and back.
QString BitmapToBase64(const QImage &picture);
QImage Base64ToBitmap(const QString &text);
