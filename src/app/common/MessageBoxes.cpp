#include "MessageBoxes.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

ScriptedResponder *currentResponder = nullptr;

struct BoxShape
{
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

BoxShape shapeOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Confirmation:
        return {QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case MessageKind::WarningQuestion:
        return {QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case MessageKind::Information:
        return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok};
    case MessageKind::CodeListDeletion:
        return {QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case MessageKind::DepartmentDeletion:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case MessageKind::Notice:
        return {QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok};
    case MessageKind::Error:
        return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
    }
    return {QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok};
}

MessageAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

} // namespace

QString CaptionOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Confirmation: return QStringLiteral("Potvrzení");
    case MessageKind::WarningQuestion: return QStringLiteral("Upozornění");
    case MessageKind::Information: return QStringLiteral("Informace");
    case MessageKind::CodeListDeletion: return QStringLiteral("Odstranit");
    case MessageKind::DepartmentDeletion: return QStringLiteral("Odstranit středisko");
    case MessageKind::Notice:
    case MessageKind::Error: return ApplicationTitle;
    }
    return ApplicationTitle;
}

MessageAnswer ShowMessage(QWidget *parent, MessageKind kind, const QString &text)
{
    QString shownText = text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (ScriptedResponder *responder = ScriptedResponder::active())
        return responder->take(kind, CaptionOf(kind), shownText);
    const BoxShape shape = shapeOf(kind);
    QMessageBox box(shape.icon, CaptionOf(kind), shownText, shape.buttons, parent);
    box.setDefaultButton(shape.defaultButton);
    return answerOf(box.exec());
}

bool Confirm(QWidget *parent, const QString &text)
{
    return ShowMessage(parent, MessageKind::Confirmation, text) == MessageAnswer::Yes;
}

bool AskWarning(QWidget *parent, const QString &text)
{
    return ShowMessage(parent, MessageKind::WarningQuestion, text) == MessageAnswer::Yes;
}

void Inform(QWidget *parent, const QString &text)
{
    ShowMessage(parent, MessageKind::Information, text);
}

bool ConfirmCodeListDeletion(QWidget *parent, const QString &text)
{
    return ShowMessage(parent, MessageKind::CodeListDeletion, text) == MessageAnswer::Yes;
}

MessageAnswer AskDepartmentDeletion(QWidget *parent, const QString &text)
{
    return ShowMessage(parent, MessageKind::DepartmentDeletion, text);
}

void Notice(QWidget *parent, const QString &text)
{
    ShowMessage(parent, MessageKind::Notice, text);
}

void ShowError(QWidget *parent, const QString &text)
{
    ShowMessage(parent, MessageKind::Error, text);
}

QString InputBox(QWidget *parent, const QString &caption, const QString &prompt, const QString &defaultText)
{
    if (ScriptedResponder *responder = ScriptedResponder::active())
        return responder->takeInput(caption, prompt).value_or(QString());
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

// ------------------------------------------------------- ScriptedResponder

ScriptedResponder::ScriptedResponder() : m_previous(currentResponder)
{
    currentResponder = this;
}

ScriptedResponder::~ScriptedResponder()
{
    currentResponder = m_previous;
}

ScriptedResponder *ScriptedResponder::active()
{
    return currentResponder;
}

MessageAnswer ScriptedResponder::take(MessageKind kind, const QString &caption, const QString &text)
{
    shown << ShownMessage{kind, caption, text};
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    const QMessageBox::StandardButtons buttons = shapeOf(kind).buttons;
    if (buttons & QMessageBox::No)
        return MessageAnswer::No;
    if (buttons & QMessageBox::Cancel)
        return MessageAnswer::Cancel;
    return MessageAnswer::Ok;
}

std::optional<QString> ScriptedResponder::takeInput(const QString &caption, const QString &prompt)
{
    shown << ShownMessage{MessageKind::Notice, caption, prompt};
    if (m_inputs.isEmpty())
        return std::nullopt;
    return m_inputs.takeFirst();
}
