#include "ImageForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

class CropCanvas : public QWidget
{
public:
    CropCanvas(TImageForm *form, QWidget *parent) : QWidget(parent), m_form(form)
    {
        setMouseTracking(true);
        setCursor(Qt::SizeAllCursor);
        setFixedSize(form->cropper().shown().size());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_form->cropper().shown());
    }
    void mouseMoveEvent(QMouseEvent *event) override { m_form->imageMouseMove(event->position().toPoint()); }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_form->imageClick();
    }
    // The wheel sizes the frame instead of scrolling the picture.
    void wheelEvent(QWheelEvent *event) override
    {
        const int delta = event->angleDelta().y();
        if (delta > 0)
            m_form->enlarge();
        else if (delta < 0)
            m_form->shrink();
        event->accept();
    }

private:
    TImageForm *m_form;
};

} // namespace

TImageForm::TImageForm(const QImage &picture, QWidget *parent)
    : QDialog(parent), m_cropper(picture), m_target(picture)
{
    setWindowTitle(QStringLiteral("Úprava obrázku"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_canvas = new CropCanvas(this, m_scroll);
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll, 1);
    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    const int widths[4] = {50, 50, 100, 300};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setMinimumWidth(widths[i]);
        status->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
    m_panels[3]->setText(ImageCropper::helpText());
    layout->addWidget(status);
    resize(437, 337);
}

QImage TImageForm::result() const
{
    return m_target;
}

QStringList TImageForm::panelTexts() const
{
    return {m_panels[0]->text(), m_panels[1]->text(), m_panels[2]->text(), m_panels[3]->text()};
}

void TImageForm::refresh()
{
    m_panels[0]->setText(m_cropper.leftText());
    m_panels[1]->setText(m_cropper.topText());
    m_panels[2]->setText(m_cropper.sizeText());
    m_canvas->update();
}

void TImageForm::imageMouseMove(const QPoint &position)
{
    if (m_clicked)
        return;
    m_cropper.moveTo(position);
    refresh();
}

void TImageForm::imageClick()
{
    if (m_clicked)
        return;
    m_clicked = true;
    m_cropper.cropInto(m_target);
    m_canvas->update();
    accept();
}

void TImageForm::enlarge()
{
    m_cropper.enlarge();
    refresh();
}

void TImageForm::shrink()
{
    m_cropper.shrink();
    refresh();
}

void TImageForm::keyPressEvent(QKeyEvent *event)
{
    if (event->text() == QLatin1String("+") || event->key() == Qt::Key_Plus) {
        enlarge();
    } else if (event->text() == QLatin1String("-") || event->key() == Qt::Key_Minus) {
        shrink();
    } else {
        QDialog::keyPressEvent(event);
    }
}

void TImageForm::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta > 0)
        enlarge();
    else if (delta < 0)
        shrink();
    event->accept();
}

void TImageForm::Crop(QImage &picture, QWidget *parent)
{
    TImageForm form(picture, parent);
    form.exec();
    picture = form.result();
    form.cropper().finish(picture);
}
