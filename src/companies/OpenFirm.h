#pragma once

// Opening the current company: the first company on a first start, the
// database settings, both databases, the main window's lists, the company
// record, the caption and the school page. The main window takes part through
// OpenFirmTarget, so the whole order of steps runs (and is tested) without
// any window.

#include "Firm.h"
#include "FirmRegistry.h"

#include <QString>

class QWidget;
class TUrazData;

// What the main window does while a company is opened.
class OpenFirmTarget
{
public:
    virtual ~OpenFirmTarget() = default;
    // The card preview is off while the company loads.
    virtual void setCardPreviewEnabled(bool) {}
    // Reopens the lists on their fixed statements over the open company.
    virtual void reopenLists() = 0;
    // The new company record and the caption made from it.
    virtual void setCompany(const TFirm &firm, const QString &caption) = 0;
    // Letter tabs of the card index; the first employee is selected.
    virtual void refreshCardIndex() {}
    // Every column of the three injury grids gets its fixed width.
    virtual void sizeInjuryGrids() {}
    virtual void setSchoolPageVisible(bool visible) = 0;
    // Department choices and the department tree.
    virtual void refreshDepartments() {}
    // Opening failed after the databases were closed: nothing of the old
    // company may stay on screen as if it were still open.
    virtual void clearCompany() {}
};

class FirmOpener
{
public:
    // Questions and the input box go through the message module with
    // `boxParent` as their parent.
    FirmOpener(TUrazData &data, OpenFirmTarget &target, QWidget *boxParent = nullptr);

    FirmRegistry &registry() { return m_registry; }
    // The database file of the open company; empty while none is open.
    QString openDatabasePath() const;

    // Opens the company named by "LastFirmPath" (creating the first company
    // when there is none or its folder is gone). Throws TrelvoError; the
    // target is then left without a company.
    void OpenFirm();
    // Makes `folder` the current company, remembers it and opens it.
    void ChangeFirm(const QString &folder);

    // Asks for the name of the first company and registers it; gives its
    // folder name. Cancelling gives an empty name, which is accepted.
    QString CreateFirstFirm();

    static QString captionFor(const TFirm &firm, const FirmRegistry &registry, const QString &folder);

private:
    TUrazData &m_data;
    OpenFirmTarget &m_target;
    QWidget *m_boxParent;
    FirmRegistry m_registry;
    QString m_currentFolder;
    bool m_open = false;
};
