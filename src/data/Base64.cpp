#include "Base64.h"

#include "Error.h"

#include <QBuffer>

namespace {

const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextet(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return u - 'A';
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 26;
    if (u >= '0' && u <= '9')
        return u - '0' + 52;
    if (u == '+')
        return 62;
    return 63;
}

} // namespace

QString EncodeBase64(const QByteArray &bytes)
{
    QString out;
    out.reserve(4 * ((bytes.size() + 2) / 3));
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; i += 3) {
        const unsigned b0 = data[i];
        const unsigned b1 = i + 1 < n ? data[i + 1] : 0;
        const unsigned b2 = i + 2 < n ? data[i + 2] : 0;
        const unsigned group = (b0 << 16) | (b1 << 8) | b2;
        out += QLatin1Char(Alphabet[(group >> 18) & 63]);
        out += QLatin1Char(Alphabet[(group >> 12) & 63]);
        out += i + 1 < n ? QLatin1Char(Alphabet[(group >> 6) & 63]) : QLatin1Char('=');
        out += i + 2 < n ? QLatin1Char(Alphabet[group & 63]) : QLatin1Char('=');
    }
    return out;
}

QByteArray DecodeBase64(const QString &text)
{
    if (text.size() % 4 != 0)
        throw TrelvoError(QStringLiteral("Base64: Incorrect string format"));
    QByteArray out;
    out.reserve(text.size() / 4 * 3);
    for (qsizetype i = 0; i < text.size(); i += 4) {
        const unsigned group = (sextet(text.at(i)) << 18) | (sextet(text.at(i + 1)) << 12)
            | (sextet(text.at(i + 2)) << 6) | sextet(text.at(i + 3));
        out += char((group >> 16) & 0xFF);
        out += char((group >> 8) & 0xFF);
        out += char(group & 0xFF);
    }
    if (text.endsWith(QLatin1String("==")))
        out.chop(2);
    else if (text.endsWith(QLatin1Char('=')))
        out.chop(1);
    return out;
}

QString BitmapToBase64(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw TrelvoError(QStringLiteral("Obrázek nelze převést do formátu BMP."));
    return EncodeBase64(bytes);
}

QImage Base64ToBitmap(const QString &text)
{
    if (text.isEmpty())
        return {};
    QImage picture;
    if (!picture.loadFromData(DecodeBase64(text), "BMP"))
        throw TrelvoError(QStringLiteral("Uložený obrázek není platný obrázek BMP."));
    return picture;
}
