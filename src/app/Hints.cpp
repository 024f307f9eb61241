#include "Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int HintShowDelay = 500;
constexpr int HintHideDelay = 2500;

class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintShowDelay;
        // While a hint is up, the next control's hint follows at once.
        if (hint == SH_ToolTip_FallAsleepDelay)
            return HintHideDelay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Shows a widget's own hint with the hide delay.
class HintFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), HintHideDelay);
        return true;
    }
};

} // namespace

void InstallHints(QApplication &app)
{
    app.setStyle(new HintStyle);
    app.installEventFilter(new HintFilter(&app));
}
