#include "UrazForm.h"

#include "CodeListMenu.h"
#include "CompanyLists.h"
#include "PreviewForm.h"

#include "AboutBox.h"
#include "DrawnTabBar.h"
#include "Error.h"
#include "Help.h"
#include "MessageBoxes.h"
#include "Pages.h"
#include "SelectFirmForm.h"
#include "SetupForm.h"
#include "UrazData.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {

enum PagePosition { Kartoteka, Kniha, Registrovane, Skolni, Prehled, Strediska, Statistika };

const char *const PageCaptions[] = {"Kartotéka",           "Kniha úrazů", "Registrované úrazy", "Školní úrazy",
                                    "Přehled zaměstnanců", "Střediska",   "Statistika"};

// The page control with the program-drawn tabs.
class PageControl : public QTabWidget
{
public:
    PageControl(DrawnTabBar *bar, QWidget *parent) : QTabWidget(parent) { setTabBar(bar); }
};

const QString PlacementOrganization = QStringLiteral("Kavrin");
const QString PlacementApplication = QStringLiteral("Trelvo");

} // namespace

TUrazForm::TUrazForm(TUrazData &data, QWidget *parent)
    : QMainWindow(parent), m_data(data), m_opener(data, *this, this)
{
    setObjectName(QStringLiteral("TUrazForm"));
    setWindowTitle(QStringLiteral("Trelvo"));
    setMinimumSize(SmallestWidth, SmallestHeight);
    resize(InitialWidth, InitialHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildActions();
    buildMenus();
    connectLaterActions();

    m_tabBar = new DrawnTabBar(DrawnTabBar::Variant::MainPages, true);
    m_pageControl = new PageControl(m_tabBar, this);
    // Until their own pages exist, the lists show their fixed statements and
    // the card index and statistics say that they are coming.
    m_pages = {new PendingPage(QStringLiteral("Kartotéka zaměstnanců se připravuje.")),
               new FixedListPage(CompanyLists::InjuryBook),
               new FixedListPage(CompanyLists::RegisteredRecords),
               new FixedListPage(CompanyLists::SchoolRecords),
               new FixedListPage(CompanyLists::EmployeeOverview),
               new FixedListPage(CompanyLists::Departments),
               new PendingPage(QStringLiteral("Statistika úrazů se připravuje."))};
    for (int position = 0; position < m_pages.size(); ++position)
        m_pageControl->addTab(m_pages[position], QString::fromUtf8(PageCaptions[position]));
    setCentralWidget(m_pageControl);
    statusBar();

    // A log-off or shutdown is never refused: nothing here cancels it, and
    // what the user typed is saved by each dialog's OK, not at the end.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [](QSessionManager &) {});

    restorePlacement();
}

TUrazForm::~TUrazForm() = default;

QAction *TUrazForm::addAction(const QString &name, const QString &caption, const QString &hint,
                              const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QString tip = hint.isEmpty() ? caption : hint;
    if (!shortcut.isEmpty())
        tip += QStringLiteral(" (%1)").arg(shortcut.toString(QKeySequence::NativeText));
    action->setToolTip(tip);
    action->setStatusTip(hint);
    m_actions.insert(name, action);
    m_actionNames << name;
    return action;
}

void TUrazForm::buildActions()
{
    struct Row
    {
        const char *name;
        const char *caption;
        const char *hint;
    };
    // The action list in its order: name, caption, hint.
    static const Row rows[] = {
        {"FirmSetting", "Nastavení firmy", ""},
        {"DelFirm", "Odstranit firmu", ""},
        {"ChangeFirm", "Změna firmy", "Změna firmy"},
        {"AddMen", "Přidat zaměstnance", "Přidat zaměstnance"},
        {"EditMen", "Upravit zaměstnance", "Upravit zaměstnance"},
        {"AddUraz", "Přeregistrovat úraz", "Registrovat záznam"},
        {"EditUraz", "Upravit data o úrazu", "Upravit data úrazu"},
        {"PrintUrazR", "Tisk registrovaného úrazu", "Náhled a tisk registrovaného úrazu"},
        {"AddZaznam", "Přidat záznam o úrazu", "Přidat záznam o úrazu"},
        {"EditZaznam", "Upravit záznam o úrazu", "Upravit záznam o úrazu"},
        {"PrintUrazE", "Tisk záznamu o úrazu", "Náhled a tisk záznamu o úrazu"},
        {"PrintActualMan", "Náhled zaměstnance", "Zobrazit kartu zaměstnance"},
        {"SetupAction", "Nastavení programu", "Nastavení programu"},
        {"RegPrintEmpty", "Tisk registračního formuláře", "Náhled a tisk prázdného registračního formuláře"},
        {"ZaznamPrintEmpty", "Tisk formuláře", "Náhled a tisk prázdného formuláře"},
        {"AddSkUraz", "Přidat školní záznam o úrazu", "Přidat školní záznam o úrazu"},
        {"EditSkUraz", "Upravit školní záznam o úrazu", "Upravit školní záznam o úrazu"},
        {"PrintSKUraz", "Tisk školního záznamu o úrazu", "Náhled a tisk školního záznamu o úrazu"},
        {"SKUrazPrintEmpty", "Tisk formuláře", "Náhled a tisk prázdného formuláře"},
        {"StrediskoEdit", "Úprava středisek", "Úprava středisek"},
        {"AddWorkerToStredisko", "Přiřadit zaměstnance ke středisku", "Přiřadit zaměstnance ke středisku"},
        {"StatisticAct", "Průvodce vytvořením statistiky", "Průvodce vytvořením statistiky"},
        {"DeleteUrazE", "Odstranit záznam", "Odstranit záznam o úrazu"},
        {"DeleteUrazR", "Odstranit registraci záznamu", "Odstranit registraci záznamu"},
        {"DeleteUrazSK", "Odstranit záznam", "Odstranit záznam"},
        {"DeleteSTR", "Odstranit středisko", "Odstranit středisko"},
        {"DeleteMAn", "Odstranit zaměstnance", "Odstranit zaměstnace"},
        {"AddHlZmen", "Přidat hlášení změn", "Přidat hlášení změn"},
        {"DeleteHlZmen", "Odstranit hlášení změn", "Odstranit hlášení změn"},
        {"EditHlZmen", "Upravit hlášení změn", "Upravit hlášení změn"},
        {"PrintHlZmen", "Tisk hlášení změn", "Tisk hlášení změn"},
        {"PrintHlZmenEmpty", "Tisk formuláře hlášení změn", "Tisk formuláře hlášení změn"},
    };
    for (const Row &row : rows) {
        QAction *action = addAction(QString::fromUtf8(row.name), QString::fromUtf8(row.caption),
                                    QString::fromUtf8(row.hint));
        // The work of most actions belongs to other windows; they stay
        // disabled until that work is connected.
        action->setEnabled(false);
    }
    action(QStringLiteral("ChangeFirm"))->setEnabled(true);
    action(QStringLiteral("SetupAction"))->setEnabled(true);
    connect(action(QStringLiteral("ChangeFirm")), &QAction::triggered, this, &TUrazForm::ChangeFirmExecute);
    connect(action(QStringLiteral("SetupAction")), &QAction::triggered, this, &TUrazForm::SetupActionExecute);
}

void TUrazForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto named = [this](const char *name) { return action(QString::fromLatin1(name)); };
    auto item = [this](QMenu *menu, const QString &caption, const QString &hint) {
        QAction *entry = menu->addAction(caption);
        entry->setStatusTip(hint);
        entry->setToolTip(hint);
        return entry;
    };

    QMenu *file = bar->addMenu(QStringLiteral("Soubor"));
    file->addAction(named("ChangeFirm"));
    // SetupAction, shown in this menu under its own caption.
    QAction *setupItem = item(file, QStringLiteral("Nastavení firem"), named("SetupAction")->statusTip());
    setupItem->setObjectName(QStringLiteral("SetupMenuItem"));
    connect(setupItem, &QAction::triggered, named("SetupAction"), &QAction::trigger);
    file->addSeparator();
    QAction *close = item(file, QStringLiteral("Zavřít"), QString());
    close->setObjectName(QStringLiteral("MenuClose"));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    close->setToolTip(QStringLiteral("Zavřít (%1)").arg(close->shortcut().toString(QKeySequence::NativeText)));
    connect(close, &QAction::triggered, this, &TUrazForm::MenuCloseClick);

    QMenu *database = bar->addMenu(QStringLiteral("Databáze"));
    QMenu *employees = database->addMenu(QStringLiteral("Zaměstnanci"));
    employees->addActions({named("AddMen"), named("EditMen")});
    QMenu *book = database->addMenu(QStringLiteral("Kniha úrazu"));
    book->addActions({named("AddZaznam"), named("EditZaznam"), named("AddUraz"), named("PrintUrazE"),
                      named("ZaznamPrintEmpty")});
    QMenu *registered = database->addMenu(QStringLiteral("Registrované úrazy"));
    registered->addActions({named("EditUraz"), named("PrintUrazR"), named("RegPrintEmpty")});
    m_schoolMenu = database->addMenu(QStringLiteral("Školní úrazy"));
    m_schoolMenu->addActions({named("AddSkUraz"), named("EditSkUraz"), named("PrintSKUraz"), named("SKUrazPrintEmpty")});
    m_injuryCodesItem = item(database, QStringLiteral("Databáze zranění"), QStringLiteral("Databáze zranění"));
    m_injuryCodesItem->setObjectName(QStringLiteral("DatabazezraneniMenu"));
    m_bodyPartsItem = item(database, QStringLiteral("Databáze části těla"), QStringLiteral("Databáze části těla"));
    m_bodyPartsItem->setObjectName(QStringLiteral("CastitelaMenu"));
    m_insurersItem = item(database, QStringLiteral("Zdravotní pojišťovny"), QStringLiteral("Zdravotní pojišťovny"));
    m_insurersItem->setObjectName(QStringLiteral("ZPMenu"));
    m_codeListUpdateItem = item(database, QStringLiteral("Aktualizace číselníků…"),
                                QStringLiteral("Aktualizace číselníků ze souboru"));
    m_codeListUpdateItem->setObjectName(QStringLiteral("CodeListUpdateMenu"));
    for (QAction *later : {m_injuryCodesItem, m_bodyPartsItem, m_insurersItem, m_codeListUpdateItem})
        later->setEnabled(false);

    QMenu *settings = bar->addMenu(QStringLiteral("Nastavení"));
    settings->addActions({named("FirmSetting"), named("StrediskoEdit")});

    QMenu *help = bar->addMenu(QStringLiteral("Nápověda"));
    QAction *about = item(help, QStringLiteral("O programu"), QStringLiteral("O programu"));
    about->setObjectName(QStringLiteral("AboutMenu"));
    connect(about, &QAction::triggered, this, &TUrazForm::AboutMenuClick);
    QAction *helpIndex = item(help, QStringLiteral("Nápověda k programu"), QStringLiteral("Nápověda k programu"));
    helpIndex->setObjectName(QStringLiteral("HelpIndexMenu"));
    connect(helpIndex, &QAction::triggered, this, &TUrazForm::HelpIndexMenuClick);

    m_testMenu = bar->addMenu(QStringLiteral("Test"));
    m_transferItem = item(m_testMenu, QStringLiteral("Převod dat"), QStringLiteral("Převod dat"));
    m_transferItem->setObjectName(QStringLiteral("Test1"));
    m_transferItem->setEnabled(false);
    m_testMenu->menuAction()->setVisible(false);

    for (QMenu *menu : bar->findChildren<QMenu *>())
        menu->setToolTipsVisible(true);
}

void TUrazForm::connectLaterActions()
{
    // The empty paper forms, each in its modal preview.
    const QList<QPair<const char *, InjuryDocument>> blankForms = {
        {"ZaznamPrintEmpty", InjuryDocument::BookEntry},
        {"RegPrintEmpty", InjuryDocument::RegisteredRecord},
        {"SKUrazPrintEmpty", InjuryDocument::SchoolRecord},
        {"PrintHlZmenEmpty", InjuryDocument::ChangeReport},
    };
    for (const auto &[name, document] : blankForms) {
        QAction *blankForm = action(QLatin1String(name));
        ConnectBlankFormAction(blankForm, document, this);
        blankForm->setEnabled(true);
    }

    // The code-list editors and the import of official editions.
    const QList<QPair<QAction *, void (*)(QWidget *)>> codeLists = {
        {m_injuryCodesItem, OpenInjuryKindsEditor},
        {m_bodyPartsItem, OpenBodyPartsEditor},
        {m_insurersItem, OpenInsurersEditor},
        {m_codeListUpdateItem, OpenCodeListImport},
    };
    for (const auto &[item, open] : codeLists) {
        connect(item, &QAction::triggered, this, [this, open = open] { open(this); });
        item->setEnabled(true);
    }
}

FixedListPage *TUrazForm::bookList() const
{
    return static_cast<FixedListPage *>(m_pages[Kniha]);
}
FixedListPage *TUrazForm::registeredList() const
{
    return static_cast<FixedListPage *>(m_pages[Registrovane]);
}
FixedListPage *TUrazForm::schoolList() const
{
    return static_cast<FixedListPage *>(m_pages[Skolni]);
}
FixedListPage *TUrazForm::employeeList() const
{
    return static_cast<FixedListPage *>(m_pages[Prehled]);
}
FixedListPage *TUrazForm::departmentList() const
{
    return static_cast<FixedListPage *>(m_pages[Strediska]);
}

bool TUrazForm::schoolPageVisible() const
{
    return m_pageControl->indexOf(m_pages[Skolni]) >= 0;
}

// ------------------------------------------------------------ OpenFirm

void TUrazForm::reopenLists()
{
    Connection &company = m_data.ZUserDataConnection;
    for (FixedListPage *list : {bookList(), registeredList(), schoolList(), employeeList(), departmentList()})
        list->reopen(company);
}

void TUrazForm::setCompany(const TFirm &firm, const QString &caption)
{
    m_firm = std::make_unique<TFirm>(firm);
    setWindowTitle(caption);
}

void TUrazForm::sizeInjuryGrids()
{
    bookList()->setColumnWidths(60);
    registeredList()->setColumnWidths(40);
    schoolList()->setColumnWidths(60);
}

void TUrazForm::setSchoolPageVisible(bool visible)
{
    m_schoolMenu->menuAction()->setVisible(visible);
    if (visible == schoolPageVisible())
        return;
    if (visible)
        m_pageControl->insertTab(Skolni, m_pages[Skolni], QString::fromUtf8(PageCaptions[Skolni]));
    else
        m_pageControl->removeTab(m_pageControl->indexOf(m_pages[Skolni]));
}

void TUrazForm::clearCompany()
{
    for (FixedListPage *list : {bookList(), registeredList(), schoolList(), employeeList(), departmentList()})
        list->close();
    m_firm.reset();
    setWindowTitle(QStringLiteral("Trelvo"));
}

// ------------------------------------------------------------ actions

void TUrazForm::FormShow()
{
    try {
        m_opener.OpenFirm();
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
}

void TUrazForm::ChangeFirmExecute()
{
    const std::optional<QString> folder = TSelectFirmForm::pick(m_opener.registry(), this);
    if (!folder)
        return;
    try {
        m_opener.ChangeFirm(*folder);
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
}

void TUrazForm::SetupActionExecute()
{
    TSetUpForm form(m_opener.registry(), m_opener.openDatabasePath(), this);
    form.exec();
}

void TUrazForm::AboutMenuClick()
{
    TAboutBox box(this);
    box.exec();
}

void TUrazForm::HelpIndexMenuClick()
{
    OpenHelp(m_data.dataFolder());
}

void TUrazForm::MenuCloseClick()
{
    close();
}

void TUrazForm::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // A dialog open in front of the window stays in front.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// ------------------------------------------------------------ window events

void TUrazForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The company opens once the window is on the screen, so its questions
    // and errors have a window behind them.
    QTimer::singleShot(0, this, &TUrazForm::FormShow);
}

void TUrazForm::closeEvent(QCloseEvent *event)
{
    savePlacement();
    clearCompany();
    event->accept();
}

void TUrazForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        m_placementEnabled = !isMinimized();
    QMainWindow::changeEvent(event);
}

void TUrazForm::restorePlacement()
{
    QSettings store(PlacementOrganization, PlacementApplication);
    const QByteArray geometry = store.value(QStringLiteral("TUrazForm/Geometry")).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void TUrazForm::savePlacement()
{
    if (!m_placementEnabled)
        return;
    QSettings store(PlacementOrganization, PlacementApplication);
    store.setValue(QStringLiteral("TUrazForm/Geometry"), saveGeometry());
}
