#pragma once

// The main window: seven pages, the main menu, the action list, and opening
// the current company into it.

#include "Firm.h"
#include "OpenFirm.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

class DrawnTabBar;
class FixedListPage;
class QAction;
class QMenu;
class QTabWidget;
class TUrazData;

class TUrazForm : public QMainWindow, public OpenFirmTarget
{
    Q_OBJECT

public:
    static constexpr int InitialWidth = 815;
    static constexpr int InitialHeight = 540;
    static constexpr int SmallestWidth = 695;
    static constexpr int SmallestHeight = 540;

    explicit TUrazForm(TUrazData &data, QWidget *parent = nullptr);
    ~TUrazForm() override;

    // An action of the action list by its name ("ChangeFirm", "RegPrintEmpty", ...).
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QStringList actionNames() const { return m_actionNames; }
    // The menu items that are no actions of their own.
    QAction *injuryCodesItem() const { return m_injuryCodesItem; }       // "Databáze zranění"
    QAction *bodyPartsItem() const { return m_bodyPartsItem; }           // "Databáze části těla"
    QAction *insurersItem() const { return m_insurersItem; }             // "Zdravotní pojišťovny"
    QAction *codeListUpdateItem() const { return m_codeListUpdateItem; } // "Aktualizace číselníků…"
    QAction *transferItem() const { return m_transferItem; }             // the hidden "Test" menu's item
    QMenu *schoolMenu() const { return m_schoolMenu; }
    QMenu *testMenu() const { return m_testMenu; }

    // The place where the work of later subsystems is wired to the actions
    // above (blank form previews, code-list editors, the code-list import):
    // connect the action's triggered signal and enable it there.
    void connectLaterActions();

    QTabWidget *pageControl() const { return m_pageControl; }
    DrawnTabBar *tabBar() const { return m_tabBar; }
    QWidget *page(int position) const { return m_pages.value(position); }
    FixedListPage *bookList() const;
    FixedListPage *registeredList() const;
    FixedListPage *schoolList() const;
    FixedListPage *employeeList() const;
    FixedListPage *departmentList() const;

    FirmOpener &opener() { return m_opener; }
    const TFirm *firm() const { return m_firm.get(); }
    bool schoolPageVisible() const;
    bool placementStoreEnabled() const { return m_placementEnabled; }

public slots:
    // Opens the current company; an error is shown and the window stays usable.
    void FormShow();
    void ChangeFirmExecute();
    void SetupActionExecute();
    void AboutMenuClick();
    void HelpIndexMenuClick();
    void MenuCloseClick();
    // A later start of the program asked for this window.
    void bringToFront();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

    // OpenFirmTarget
    void reopenLists() override;
    void setCompany(const TFirm &firm, const QString &caption) override;
    void sizeInjuryGrids() override;
    void setSchoolPageVisible(bool visible) override;
    void clearCompany() override;

private:
    QAction *addAction(const QString &name, const QString &caption, const QString &hint,
                       const QKeySequence &shortcut = QKeySequence());
    void buildActions();
    void buildMenus();
    void restorePlacement();
    void savePlacement();

    TUrazData &m_data;
    FirmOpener m_opener;
    std::unique_ptr<TFirm> m_firm;
    QHash<QString, QAction *> m_actions;
    QStringList m_actionNames;
    QAction *m_injuryCodesItem = nullptr;
    QAction *m_bodyPartsItem = nullptr;
    QAction *m_insurersItem = nullptr;
    QAction *m_codeListUpdateItem = nullptr;
    QAction *m_transferItem = nullptr;
    QMenu *m_schoolMenu = nullptr;
    QMenu *m_testMenu = nullptr;
    QTabWidget *m_pageControl = nullptr;
    DrawnTabBar *m_tabBar = nullptr;
    QList<QWidget *> m_pages;  // all seven, in their order
    bool m_shownOnce = false;
    bool m_placementEnabled = true;
};
