#pragma once

// "Úprava obrázku": the picture at full size with a frame that follows the
// mouse; "+", "-" and the wheel change the frame, a click cuts the picture.

#include "ImageCrop.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QScrollArea;

class TImageForm : public QDialog
{
    Q_OBJECT

public:
    TImageForm(const QImage &picture, QWidget *parent = nullptr);

    // Shows the window modally; `picture` then holds the result.
    static void Crop(QImage &picture, QWidget *parent = nullptr);

    ImageCropper &cropper() { return m_cropper; }
    QWidget *imageWidget() const { return m_canvas; }
    // The picture as it stands: cut by a click, or unchanged.
    QImage result() const;
    bool clicked() const { return m_clicked; }
    QStringList panelTexts() const;

    // What the canvas reports, in image coordinates.
    void imageMouseMove(const QPoint &position);
    void imageClick();
    void enlarge();
    void shrink();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void refresh();

    ImageCropper m_cropper;
    QImage m_target;
    bool m_clicked = false;
    QWidget *m_canvas;
    QScrollArea *m_scroll;
    QLabel *m_panels[4];
};
