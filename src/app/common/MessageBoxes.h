#pragma once

// Every question, notice and error the program shows goes through here, so the
// captions and buttons are the same everywhere and tests can answer the boxes
// with a ScriptedResponder instead of real windows.

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// The application title; also the caption of notices and error boxes.
inline const QString ApplicationTitle = QStringLiteral("Zuvezodu doded");

enum class MessageKind {
    Confirmation,        // "Potvrzení": Yes/No, no icon
    WarningQuestion,     // "Upozornění": Yes/No
    Information,         // "Informace": OK
    CodeListDeletion,    // "Odstranit": Yes/No, warning icon
    DepartmentDeletion,  // "Odstranit středisko": Yes/No/Cancel
    Notice,              // application title: OK
    Error,               // application title: OK, error icon
};

enum class MessageAnswer { Yes, No, Cancel, Ok };

QString CaptionOf(MessageKind kind);

// Shows a box of the kind; a "\r" in the text is a line break.
MessageAnswer ShowMessage(QWidget *parent, MessageKind kind, const QString &text);

bool Confirm(QWidget *parent, const QString &text);          // Yes goes on
bool AskWarning(QWidget *parent, const QString &text);       // Yes goes on
void Inform(QWidget *parent, const QString &text);
bool ConfirmCodeListDeletion(QWidget *parent,
                             const QString &text = QStringLiteral("Opravdu chcete vymazat tento záznam?"));
MessageAnswer AskDepartmentDeletion(QWidget *parent, const QString &text);
void Notice(QWidget *parent, const QString &text);
void ShowError(QWidget *parent, const QString &text);

// The input box: the text typed, or an empty text when cancelled.
QString InputBox(QWidget *parent, const QString &caption, const QString &prompt,
                 const QString &defaultText = QString());

// What a box asked, as a scripted responder saw it.
struct ShownMessage
{
    MessageKind kind;
    QString caption;
    QString text;  // for the input box: the prompt
};

// While one exists, no real box is shown: each box takes the next scripted
// answer (or, when none is left, No / Cancel / OK and an empty input) and is
// recorded in `shown`.
class ScriptedResponder
{
public:
    ScriptedResponder();
    ~ScriptedResponder();
    ScriptedResponder(const ScriptedResponder &) = delete;
    ScriptedResponder &operator=(const ScriptedResponder &) = delete;

    void answer(MessageAnswer answer) { m_answers << answer; }
    // nullopt stands for Cancel.
    void answerInput(const std::optional<QString> &text) { m_inputs << text; }

    QList<ShownMessage> shown;

    // Used by the module itself.
    static ScriptedResponder *active();
    MessageAnswer take(MessageKind kind, const QString &caption, const QString &text);
    std::optional<QString> takeInput(const QString &caption, const QString &prompt);

private:
    QList<MessageAnswer> m_answers;
    QList<std::optional<QString>> m_inputs;
    ScriptedResponder *m_previous;
};
