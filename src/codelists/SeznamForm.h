#pragma once

// The item chooser: a list of texts given by the caller; "OK" hands back the
// index of the chosen one.

#include <QDialog>
#include <QStringList>

#include <memory>

class QListWidget;
class QPushButton;

namespace Ui {
class SeznamForm;
}

class TSeznamForm : public QDialog
{
    Q_OBJECT

public:
    TSeznamForm(const QStringList &texts, const QString &caption = QStringLiteral("Zvol položku"),
                QWidget *parent = nullptr);
    ~TSeznamForm() override;

    int selectedIndex() const;  // -1 when nothing is selected
    QListWidget *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }

    // The index of the chosen text (0 for the first) on "OK", otherwise -1.
    static int Choose(QWidget *parent, const QStringList &texts, const QString &caption = QStringLiteral("Zvol položku"));

private:
    std::unique_ptr<Ui::SeznamForm> m_ui;
    QListWidget *m_list;
    QPushButton *m_ok;
};
