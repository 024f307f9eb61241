#include "Utils.h"

#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QTextEdit>
#include <QWidget>

void ClearInputs(QWidget *part)
{
    if (!part)
        return;
    const auto children = part->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (auto *edit = qobject_cast<QLineEdit *>(child)) {
            edit->clear();
        } else if (auto *combo = qobject_cast<QComboBox *>(child)) {
            if (combo->isEditable())
                combo->setEditText(QString());
            else
                combo->setCurrentIndex(-1);
        } else if (auto *check = qobject_cast<QCheckBox *>(child)) {
            check->setChecked(false);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(child)) {
            memo->clear();
        } else if (auto *rich = qobject_cast<QTextEdit *>(child)) {
            rich->clear();
        } else if (auto *picker = child->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
                   picker && child->property("pickerEdit").toBool()) {
            // An edit with a picker button is a small composite that marks
            // itself with the property "pickerEdit".
            picker->clear();
        }
    }
}

bool PrinterMissing(QWidget *parent)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return false;
    Notice(parent, QStringLiteral("V počítači není nainstalována tiskárna\rtiskové a náhledové funkce nebudou přístupné"));
    return true;
}

int DrawText3D(const QString &text, QPainter &painter, const QRect &rect, bool wordWrap, int effect,
               int alignment, const QColor &textColor, const QColor &shadowColor)
{
    const QRect area = rect.adjusted(1, 1, -1, -1);
    int flags = 0;
    bool clip = false;
    switch (alignment) {
    case 1: flags = Qt::AlignRight | Qt::AlignVCenter; break;
    case 2: flags = Qt::AlignHCenter | Qt::AlignVCenter; break;
    case 4: flags = Qt::AlignLeft | Qt::AlignBottom; break;
    case 0:
    case 3: flags = Qt::AlignLeft | Qt::AlignVCenter; break;
    default: flags = Qt::AlignLeft | Qt::AlignTop; clip = true; break;
    }
    if (wordWrap)
        flags |= Qt::TextWordWrap;
    else
        flags |= Qt::TextSingleLine;
    if (!clip)
        flags |= Qt::TextDontClip;

    painter.save();
    if (clip)
        painter.setClipRect(area);
    QRect bounds;
    auto draw = [&](const QRect &where, const QColor &color) {
        painter.setPen(color);
        painter.drawText(where, flags, text, &bounds);
    };
    if (effect == int(TextEffect::Raised)) {
        draw(area, shadowColor);
        draw(area.translated(-1, -1), textColor);
    } else if (effect == int(TextEffect::Sunken)) {
        draw(area, shadowColor);
        draw(area.translated(1, 1), textColor);
    } else {
        draw(area, textColor);
    }
    painter.restore();
    return bounds.height() + 3;
}

QString VersionText()
{
#ifdef TRELVO_VERSION
    return QStringLiteral(TRELVO_VERSION);
#else
    return QString();
#endif
}
