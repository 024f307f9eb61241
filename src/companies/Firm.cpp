#include "Firm.h"

#include "ProfileFile.h"

namespace {

const QString Firma = QStringLiteral("Firma");
const QString Contacts = QStringLiteral("Contacts");

QString contactSection(int k)
{
    return QStringLiteral("Contact%1").arg(k);
}

} // namespace

void LoadFirm(TFirm &firm, const QString &firmIniPath)
{
    const ProfileFile ini(firmIniPath);
    auto text = [&](const char *key) { return ini.readString(Firma, QLatin1String(key)); };

    firm = TFirm();
    firm.name = text("Name");
    firm.activityCode = text("OKECNUM");
    firm.activityName = text("OKECNAME");
    firm.ico = text("ICO");
    firm.dic = text("DIC");
    firm.insurerName = text("Pojistovna");
    firm.insurerCode = text("PojistovnaNum");
    firm.address = {text("MESTO"), text("PSC"), text("Ulice"), text("CP")};
    firm.deliveryAddress = {text("DMesto"), text("DPSC"), text("DUlice"), text("DCP")};
    firm.schoolInjuries = ini.readBool(Firma, QStringLiteral("SKUraz"), false);
    firm.autoPersonalNumbers = ini.readBool(Firma, QStringLiteral("AutoOsC"), true);
    firm.personalNumberDigits = ini.readInteger(Firma, QStringLiteral("CountNumOsC"), 1);
    firm.personalNumberStart = ini.readInteger(Firma, QStringLiteral("StartNumOsC"), 0);
    firm.personalNumberPrefix = text("PrefixOsC");

    const int count = ini.readInteger(Contacts, QStringLiteral("Count"), 0);
    for (int k = 1; k <= count; ++k) {
        const QString section = contactSection(k);
        auto field = [&](const char *key) { return ini.readString(section, QLatin1String(key)); };
        TContakt contact;
        contact.name = field("Name");
        contact.function = field("Fnc");
        contact.phone = field("Tel");
        contact.fax = field("Fax");
        contact.mobile = field("Mobil");
        contact.web = field("WWW");
        contact.email = field("Mail");
        firm.contacts << contact;
    }
}

void SaveFirm(const TFirm &firm, const QString &firmIniPath)
{
    ProfileFile ini(firmIniPath);
    auto text = [&](const char *key, const QString &value) { ini.writeString(Firma, QLatin1String(key), value); };

    text("Name", firm.name);
    text("OKECNUM", firm.activityCode);
    text("OKECNAME", firm.activityName);
    text("ICO", firm.ico);
    text("DIC", firm.dic);
    text("Pojistovna", firm.insurerName);
    text("PojistovnaNum", firm.insurerCode);
    text("Ulice", firm.address.street);
    text("CP", firm.address.houseNumber);
    text("PSC", firm.address.postcode);
    text("MESTO", firm.address.town);
    text("DUlice", firm.deliveryAddress.street);
    text("DCP", firm.deliveryAddress.houseNumber);
    text("DPSC", firm.deliveryAddress.postcode);
    text("DMesto", firm.deliveryAddress.town);
    ini.writeBool(Firma, QStringLiteral("SKUraz"), firm.schoolInjuries);
    ini.writeBool(Firma, QStringLiteral("AutoOsC"), firm.autoPersonalNumbers);
    ini.writeInteger(Firma, QStringLiteral("CountNumOsC"), firm.personalNumberDigits);
    ini.writeInteger(Firma, QStringLiteral("StartNumOsC"), firm.personalNumberStart);
    // In quotes, so that leading and trailing blanks of the prefix survive reading.
    text("PrefixOsC", QLatin1Char('"') + firm.personalNumberPrefix + QLatin1Char('"'));

    ini.writeInteger(Contacts, QStringLiteral("Count"), int(firm.contacts.size()));
    for (int k = 1; k <= firm.contacts.size(); ++k) {
        const TContakt &contact = firm.contacts.at(k - 1);
        const QString section = contactSection(k);
        auto field = [&](const char *key, const QString &value) { ini.writeString(section, QLatin1String(key), value); };
        field("Name", contact.name);
        field("Fnc", contact.function);
        field("Tel", contact.phone);
        field("Fax", contact.fax);
        field("Mobil", contact.mobile);
        field("WWW", contact.web);
        field("Mail", contact.email);
    }
    ini.flush();
}
