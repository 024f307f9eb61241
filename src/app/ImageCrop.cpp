#include "ImageCrop.h"

#include <QPainter>

ImageCropper::ImageCropper(const QImage &picture)
    : m_shown(picture.convertToFormat(QImage::Format_RGB32))
{
    invert(m_shown.rect());  // the veil
    m_veiled = true;
}

QRect ImageCropper::frame() const
{
    return QRect(m_position.x() - m_w, m_position.y() - m_h, 2 * m_w, 2 * m_h);
}

void ImageCropper::invert(const QRect &rect)
{
    if (m_shown.isNull())
        return;
    QPainter painter(&m_shown);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::white, Qt::DiagCrossPattern));
    painter.drawRect(rect);
}

void ImageCropper::drawFrame()
{
    invert(frame());
    m_drawn = true;
}

void ImageCropper::removeFrame()
{
    if (m_drawn)
        invert(frame());
    m_drawn = false;
}

void ImageCropper::moveTo(const QPoint &position)
{
    removeFrame();
    m_position = position;
    drawFrame();
}

void ImageCropper::enlarge()
{
    removeFrame();
    m_w += Step;
    m_h += Step;
    drawFrame();
}

void ImageCropper::shrink()
{
    removeFrame();
    m_w = qMax(SmallestHalfWidth, m_w - Step);
    m_h = qMax(SmallestHalfHeight, m_h - Step);
    drawFrame();
}

void ImageCropper::cropInto(QImage &target)
{
    target.fill(Qt::white);
    removeFrame();
    if (m_veiled) {
        invert(m_shown.rect());
        m_veiled = false;
    }
    const QRect region = frame();
    const QRect source = region.intersected(m_shown.rect());
    if (source.isEmpty())
        return;
    QPainter painter(&target);
    painter.drawImage(source.topLeft() - region.topLeft(), m_shown, source);
}

void ImageCropper::finish(QImage &target) const
{
    const QSize size(2 * m_w, 2 * m_h);
    if (target.size() == size)
        return;
    QImage::Format format = target.isNull() ? QImage::Format_RGB32 : target.format();
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono || format == QImage::Format_MonoLSB)
        format = QImage::Format_RGB32;
    QImage result(size, format);
    result.fill(Qt::white);
    if (!target.isNull()) {
        QPainter painter(&result);
        painter.drawImage(QPoint(0, 0), target);
    }
    target = result;
}

QString ImageCropper::leftText() const
{
    return QStringLiteral("x = %1").arg(m_position.x() - m_w);
}

QString ImageCropper::topText() const
{
    return QStringLiteral("y = %1").arg(m_position.y() - m_h);
}

QString ImageCropper::sizeText() const
{
    return QStringLiteral("%1x%2").arg(2 * m_w).arg(2 * m_h);
}

QString ImageCropper::helpText()
{
    return QStringLiteral("Zvětšení  [ + ]  Zmenšení  [ - ] ,  nebo prostřední kolečko myši   ");
}
