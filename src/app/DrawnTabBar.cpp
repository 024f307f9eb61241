#include "DrawnTabBar.h"

#include "Utils.h"

#include <QPainter>

DrawnTabBar::DrawnTabBar(Variant variant, bool boldCaptions, QWidget *parent) : QTabBar(parent), m_variant(variant)
{
    QFont captionFont = font();
    captionFont.setBold(boldCaptions);
    setFont(captionFont);
    setDrawBase(false);
    setExpanding(false);
}

QSize DrawnTabBar::tabSizeHint(int index) const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(tabText(index)) + 20, qMax(17, metrics.height() + 4));
}

void DrawnTabBar::drawTab(QPainter &painter, int index) const
{
    const QRect rect = tabRect(index);
    painter.setFont(font());
    const bool letters = m_variant == Variant::LetterTabs;
    if (index == currentIndex()) {
        const QColor fill = letters ? QColor(0, 0, 128) : QColor(128, 128, 128);
        painter.fillRect(rect, fill);
        const QRect captionRect =
            letters ? rect.translated(1, 3) : rect.translated(1, 4).adjusted(-1, -2, 1, 2);
        DrawText3D(tabText(index), painter, captionRect, false, int(TextEffect::Raised), 2, QColor(255, 255, 0),
                   Qt::black);
    } else {
        const QRect fillRect = letters ? rect.adjusted(-1, -1, 1, 1) : rect.adjusted(-1, -2, 1, 2);
        painter.fillRect(fillRect, QColor(192, 192, 192));
        DrawText3D(tabText(index), painter, rect, false, int(TextEffect::Raised), 2, Qt::black,
                   QColor(216, 216, 216));
    }
}

void DrawnTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The selected tab last, so its enlarged rectangle lies on top.
    for (int index = 0; index < count(); ++index)
        if (index != currentIndex())
            drawTab(painter, index);
    if (currentIndex() >= 0)
        drawTab(painter, currentIndex());
}
