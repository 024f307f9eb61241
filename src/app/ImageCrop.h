#pragma once

// Cutting a rectangle out of a picture. The shown image carries a veil and a
// frame drawn in an inverting mode (drawing a figure twice restores the
// image), so the picture shows clear inside the frame only.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class ImageCropper
{
public:
    static constexpr int StartHalfWidth = 45;
    static constexpr int StartHalfHeight = 50;
    static constexpr int SmallestHalfWidth = 25;
    static constexpr int SmallestHalfHeight = 30;
    static constexpr int Step = 5;

    explicit ImageCropper(const QImage &picture);

    const QImage &shown() const { return m_shown; }
    QPoint position() const { return m_position; }
    // From (x - w, y - h) to (x + w, y + h), the far edges excluded.
    QRect frame() const;

    void moveTo(const QPoint &position);
    void enlarge();
    void shrink();

    // The click: the region under the frame, on white, replaces the picture.
    void cropInto(QImage &target);
    // After the window closes, in every case: the picture is cut or extended
    // (with white) to the frame's size, keeping its top-left part.
    void finish(QImage &target) const;

    // The status texts.
    QString leftText() const;
    QString topText() const;
    QString sizeText() const;
    static QString helpText();

private:
    void invert(const QRect &rect);
    void drawFrame();
    void removeFrame();

    QImage m_shown;
    int m_w = StartHalfWidth;
    int m_h = StartHalfHeight;
    QPoint m_position{0, 0};
    bool m_drawn = false;
    bool m_veiled = false;
};
