#include "Base64.h"
#include "Error.h"
#include "TestMain.h"

class Base64Test : public QObject
{
    Q_OBJECT

private slots:
    void encodesLikeTheStandard_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte, two =") << QByteArray("M");
        QTest::newRow("two bytes, one =") << QByteArray("Ma");
        QTest::newRow("three bytes") << QByteArray("Man");
        QTest::newRow("binary") << QByteArray::fromHex("00ff10fbef7f80");
    }

    void encodesLikeTheStandard()
    {
        QFETCH(QByteArray, bytes);
        const QString text = EncodeBase64(bytes);
        QCOMPARE(text, QString::fromLatin1(bytes.toBase64()));
        QCOMPARE(text.size(), 4 * ((bytes.size() + 2) / 3));
        QCOMPARE(DecodeBase64(text), bytes);
    }

    void rejectsBadLengths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("three characters") << "TWF";
        QTest::newRow("five characters") << "TWFuT";
    }

    void rejectsBadLengths()
    {
        QFETCH(QString, text);
        try {
            DecodeBase64(text);
            QFAIL("no error");
        } catch (const TrelvoError &error) {
            QCOMPARE(error.message(), QString("Base64: Incorrect string format"));
        }
    }

    void foreignCharactersCountAs63()
    {
        // "/" is 63, and so is any character outside the alphabet.
        QCOMPARE(DecodeBase64("////"), DecodeBase64("**!!"));
    }

    void bitmapRoundTrip()
    {
        QImage picture(90, 100, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.setPixel(3, 4, qRgb(255, 0, 0));
        const QString text = BitmapToBase64(picture);
        QVERIFY(DecodeBase64(text).startsWith("BM"));
        const QImage back = Base64ToBitmap(text);
        QCOMPARE(back.size(), picture.size());
        QCOMPARE(back.pixel(3, 4), picture.pixel(3, 4));
    }

    void emptyPictureIsEmptyText()
    {
        QCOMPARE(BitmapToBase64(QImage()), QString());
        QVERIFY(Base64ToBitmap(QString()).isNull());
    }
};

TRELVO_TEST(Base64Test)
#include "Base64Test.moc"
