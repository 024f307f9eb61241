#include "SplashForm.h"

#include "Utils.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

// A label drawn bold yellow on a black shadow.
class ShadowLabel : public QWidget
{
public:
    explicit ShadowLabel(QWidget *parent) : QWidget(parent)
    {
        QFont bold = font();
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 2);
        setFont(bold);
        setMinimumHeight(fontMetrics().height() + 6);
    }
    void setText(const QString &text)
    {
        m_text = text;
        update();
    }
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(font());
        DrawText3D(m_text, painter, rect(), false, int(TextEffect::Raised), 2, QColor(255, 255, 0), Qt::black);
    }

private:
    QString m_text;
};

namespace {

// The picture of the splash window: the program's name over a plain band.
class SplashPicture : public QWidget
{
public:
    explicit SplashPicture(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), QColor(0, 96, 64));
        QFont big = font();
        big.setBold(true);
        big.setPointSize(28);
        painter.setFont(big);
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, QStringLiteral("Trelvo"));
        QFont small = font();
        small.setPointSize(10);
        painter.setFont(small);
        painter.drawText(rect().adjusted(0, 40, 0, 0), Qt::AlignCenter, QStringLiteral("Evidence pracovních úrazů"));
    }
};

} // namespace

TSplashForm::TSplashForm(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(327, 245);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(224, 255, 217));
    setPalette(palette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addWidget(new SplashPicture(this), 1);
    VerzeJvxLabel = new ShadowLabel(this);
    layout->addWidget(VerzeJvxLabel);
    auto *maker = new QLabel(QStringLiteral("© Kavrin. Všechna práva vyhrazena."), this);
    maker->setAlignment(Qt::AlignCenter);
    layout->addWidget(maker);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TSplashForm::versionCaption() const
{
    return VerzeJvxLabel->text();
}

void TSplashForm::showEvent(QShowEvent *event)
{
    VerzeJvxLabel->setText(QStringLiteral("Verze ") + VersionText());
    QWidget::showEvent(event);
}
