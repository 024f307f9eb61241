#include "CodeListMenu.h"

#include "CodeListEditorForm.h"
#include "CodeListImportForm.h"
#include "CodeLists.h"
#include "Error.h"
#include "MessageBoxes.h"

void OpenInjuryKindsEditor(QWidget *parent)
{
    TForm5::Open(parent, QStringLiteral("ZRANENI"), QStringLiteral("Databáze zranění"), QString());
}

void OpenBodyPartsEditor(QWidget *parent)
{
    TForm5::Open(parent, QStringLiteral("CASTITELA"), QStringLiteral("Části těla"), QString());
}

void OpenInsurersEditor(QWidget *parent)
{
    TZPForm::Open(parent, QString(), QString());
}

void OpenCodeListImport(QWidget *parent)
{
    try {
        TCodeListImportForm form(CommonConnection(), parent);
        form.exec();
    } catch (const TrelvoError &error) {
        ShowError(parent, error.message());
    }
}
