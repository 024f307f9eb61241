#include "ImageCrop.h"
#include "ImageForm.h"
#include "TestMain.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A picture whose every pixel is different, so a wrong offset shows.
QImage gradient(int width = 300, int height = 200)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 16));
    return image;
}

bool sameRegion(const QImage &result, const QImage &original, const QPoint &from)
{
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (result.pixel(x, y) != original.pixel(from.x() + x, from.y() + y))
                return false;
    return true;
}

} // namespace

class ImageCropTest : public QObject
{
    Q_OBJECT

private slots:
    void frameSize_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QSize>("frame");
        QTest::newRow("start") << "" << QSize(90, 100);
        QTest::newRow("three +") << "+++" << QSize(120, 130);
        QTest::newRow("four -") << "----" << QSize(50, 60);
        QTest::newRow("six - stays smallest") << "------" << QSize(50, 60);
        QTest::newRow("five - then two +") << "-----++" << QSize(70, 80);
    }
    void frameSize()
    {
        QFETCH(QString, keys);
        QFETCH(QSize, frame);
        TImageForm form(gradient());
        for (const QChar key : keys)
            QTest::keyClick(&form, key.toLatin1());
        QCOMPARE(form.cropper().frame().size(), frame);
        if (!keys.isEmpty())
            QCOMPARE(form.panelTexts()[2], QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height()));
        QImage picture = gradient();
        form.cropper().finish(picture);
        QCOMPARE(picture.size(), frame);
    }

    void wheelSizesTheFrame()
    {
        TImageForm form(gradient());
        const QPoint at(10, 10);
        QWheelEvent away(at, form.imageWidget()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.imageWidget(), &away);
        QCOMPARE(form.cropper().frame().size(), QSize(100, 110));
        QWheelEvent towards(at, form.imageWidget()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.imageWidget(), &towards);
        QApplication::sendEvent(form.imageWidget(), &towards);
        QCOMPARE(form.cropper().frame().size(), QSize(80, 90));
    }

    void plusBeforeAnyMoveCentresOnTheTopLeftCorner()
    {
        TImageForm form(gradient());
        QTest::keyClick(&form, '+');
        QCOMPARE(form.cropper().frame(), QRect(-50, -55, 100, 110));
        QCOMPARE(form.panelTexts(),
                 (QStringList{"x = -50", "y = -55", "100x110",
                              "Zvětšení  [ + ]  Zmenšení  [ - ] ,  nebo prostřední kolečko myši   "}));
    }

    void mouseMoveShowsTheFrameClearOverTheVeil()
    {
        const QImage original = gradient();
        TImageForm form(original);
        QVERIFY(form.cropper().shown() != original);  // veiled
        QMouseEvent move(QEvent::MouseMove, QPointF(100, 80), form.imageWidget()->mapToGlobal(QPointF(100, 80)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.imageWidget(), &move);
        QCOMPARE(form.cropper().position(), QPoint(100, 80));
        QCOMPARE(form.panelTexts().mid(0, 3), (QStringList{"x = 55", "y = 30", "90x100"}));
        const QImage shown = form.cropper().shown();
        QVERIFY(sameRegion(shown.copy(QRect(55, 30, 90, 100)), original, QPoint(55, 30)));
        // Moving on restores the veil where the frame was.
        form.imageMouseMove(QPoint(250, 150));
        ImageCropper fresh(original);
        QCOMPARE(form.cropper().shown().copy(55, 30, 90, 100), fresh.shown().copy(55, 30, 90, 100));
    }

    void clickCutsTheFramedRegion()
    {
        const QImage original = gradient();
        TImageForm form(original);
        form.imageMouseMove(QPoint(100, 80));
        QTest::keyClick(&form, '+');
        QTest::mouseClick(form.imageWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 80));
        QVERIFY(form.clicked());
        QImage picture = form.result();
        form.cropper().finish(picture);
        QCOMPARE(picture.size(), QSize(100, 110));
        QVERIFY(sameRegion(picture, original, QPoint(50, 25)));
    }

    void clickNearTheEdgeFillsTheRestWithWhite()
    {
        const QImage original = gradient();
        ImageCropper cropper(original);
        cropper.moveTo(QPoint(10, 10));  // frame from (-35, -40)
        QImage picture = original;
        cropper.cropInto(picture);
        cropper.finish(picture);
        QCOMPARE(picture.size(), QSize(90, 100));
        QCOMPARE(QColor(picture.pixel(0, 0)), QColor(Qt::white));
        QCOMPARE(picture.pixel(35, 40), original.pixel(0, 0));
        QCOMPARE(picture.pixel(89, 99), original.pixel(54, 59));
    }

    void closingWithoutAClickKeepsTheTopLeftPart_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start frame") << "" << QSize(90, 100);
        QTest::newRow("enlarged frame") << "++" << QSize(110, 120);
    }
    void closingWithoutAClickKeepsTheTopLeftPart()
    {
        QFETCH(QString, keys);
        QFETCH(QSize, size);
        const QImage original = gradient();
        TImageForm form(original);
        form.imageMouseMove(QPoint(200, 120));
        for (const QChar key : keys)
            QTest::keyClick(&form, key.toLatin1());
        form.reject();
        QImage picture = form.result();
        form.cropper().finish(picture);
        QCOMPARE(picture.size(), size);
        QVERIFY(sameRegion(picture, original, QPoint(0, 0)));
    }

    void aSmallPictureIsExtendedWithWhite()
    {
        const QImage original = gradient(40, 30);
        ImageCropper cropper(original);
        QImage picture = original;
        cropper.finish(picture);
        QCOMPARE(picture.size(), QSize(90, 100));
        QVERIFY(sameRegion(picture.copy(0, 0, 40, 30), original, QPoint(0, 0)));
        QCOMPARE(QColor(picture.pixel(60, 60)), QColor(Qt::white));
    }

    void windowShape()
    {
        TImageForm form(gradient());
        QCOMPARE(form.windowTitle(), QStringLiteral("Úprava obrázku"));
        QCOMPARE(form.size(), QSize(437, 337));
        QCOMPARE(form.imageWidget()->cursor().shape(), Qt::SizeAllCursor);
        if (const QByteArray shots = qgetenv("TRELVO_SCREENSHOT_DIR"); !shots.isEmpty()) {
            form.show();
            form.imageMouseMove(QPoint(120, 90));
            form.grab().save(QString::fromLocal8Bit(shots) + "/crop-window.png");
        }
    }
};

TRELVO_TEST(ImageCropTest)
#include "ImageCropTest.moc"
