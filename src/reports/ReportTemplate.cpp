#include "ReportTemplate.h"

#include "Error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <algorithm>

namespace {

// Reads one template file; every failure names the file and the element.
class TemplateReader
{
public:
    explicit TemplateReader(const QString &fileName) : m_file(fileName) {}

    [[noreturn]] void fail(const QString &element, const QString &problem) const
    {
        throw TrelvoError(QStringLiteral("Šablonu tiskové sestavy „%1“ nelze načíst: prvek %2 – %3.")
                              .arg(m_file, element, problem));
    }

    double number(const QJsonObject &object, const char *key, const QString &element, double fallback,
                  bool required = false) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            if (required)
                fail(element, QStringLiteral("chybí údaj „%1“").arg(QLatin1String(key)));
            return fallback;
        }
        if (!value.isDouble())
            fail(element, QStringLiteral("údaj „%1“ není číslo").arg(QLatin1String(key)));
        return value.toDouble();
    }

    QString text(const QJsonObject &object, const char *key, const QString &element,
                 const QString &fallback = QString()) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isString())
            fail(element, QStringLiteral("údaj „%1“ není text").arg(QLatin1String(key)));
        return value.toString();
    }

    bool flag(const QJsonObject &object, const char *key, const QString &element, bool fallback) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isBool())
            fail(element, QStringLiteral("údaj „%1“ není true/false").arg(QLatin1String(key)));
        return value.toBool();
    }

    // One of the named values of `values`; anything else is refused as
    // "<unknown> „name“".
    template <typename Enum>
    Enum choice(const QJsonObject &object, const char *key, const QString &element, const QString &fallback,
                const QMap<QString, Enum> &values, const QString &unknown) const
    {
        const QString name = text(object, key, element, fallback);
        const auto found = values.constFind(name);
        if (found == values.constEnd())
            fail(element, QStringLiteral("%1 „%2“").arg(unknown, name));
        return found.value();
    }

    FontStyle font(const QJsonObject &object, const QString &element, const FontStyle &base) const
    {
        FontStyle font = base;
        font.family = text(object, "font", element, base.family);
        font.size = number(object, "size", element, base.size);
        font.bold = flag(object, "bold", element, base.bold);
        font.italic = flag(object, "italic", element, base.italic);
        if (font.size < 1 || font.size > 72)
            fail(element, QStringLiteral("velikost písma %1 není v rozsahu 1 až 72").arg(font.size));
        return font;
    }

    TemplateBox box(const QJsonObject &object, const QString &element, const FontStyle &baseFont) const
    {
        static const QStringList validKeys = {"kind", "name", "x", "y", "w", "h", "border", "font", "size", "bold",
                                              "italic", "align", "valign", "wrap", "grow", "stretch", "text",
                                              "blank", "blankHeight"};
        for (const QString &key : object.keys())
            if (!validKeys.contains(key))
                fail(element, QStringLiteral("neznámý údaj „%1“").arg(key));

        TemplateBox box;
        static const QMap<QString, BoxKind> kinds = {{"text", BoxKind::Text},
                                                     {"line", BoxKind::Line},
                                                     {"shape", BoxKind::Shape},
                                                     {"picture", BoxKind::Picture},
                                                     {"mark", BoxKind::Mark}};
        static const QMap<QString, HAlign> hAligns = {
            {"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}};
        static const QMap<QString, VAlign> vAligns = {
            {"top", VAlign::Top}, {"middle", VAlign::Middle}, {"bottom", VAlign::Bottom}};
        box.kind = choice(object, "kind", element, QStringLiteral("text"), kinds, QStringLiteral("neznámý druh"));
        box.name = text(object, "name", element);
        box.rect = QRectF(number(object, "x", element, 0, true), number(object, "y", element, 0, true),
                          number(object, "w", element, 0, true), number(object, "h", element, 0, true));
        if (box.kind != BoxKind::Line && (box.rect.width() < 0 || box.rect.height() < 0))
            fail(element, QStringLiteral("záporný rozměr"));
        const QString borders = text(object, "border", element);
        for (const QChar c : borders) {
            switch (c.toLatin1()) {
            case 'L': box.borders |= BorderLeft; break;
            case 'T': box.borders |= BorderTop; break;
            case 'R': box.borders |= BorderRight; break;
            case 'B': box.borders |= BorderBottom; break;
            default: fail(element, QStringLiteral("neznámý okraj „%1“ (platí L, T, R, B)").arg(c));
            }
        }
        box.font = font(object, element, baseFont);
        box.hAlign =
            choice(object, "align", element, QStringLiteral("left"), hAligns, QStringLiteral("neznámé zarovnání"));
        box.vAlign = choice(object, "valign", element, QStringLiteral("top"), vAligns,
                            QStringLiteral("neznámé svislé zarovnání"));
        box.wordWrap = flag(object, "wrap", element, true);
        box.grows = flag(object, "grow", element, false);
        box.stretch = flag(object, "stretch", element, false);
        box.text = text(object, "text", element);
        box.hasBlankText = object.contains(QStringLiteral("blank"));
        box.blankText = text(object, "blank", element);
        box.blankHeight = number(object, "blankHeight", element, 0);
        if (box.kind == BoxKind::Mark && box.text.isEmpty())
            fail(element, QStringLiteral("značka nemá podmínku"));
        if (!balancedBrackets(box.text) || !balancedBrackets(box.blankText))
            fail(element, QStringLiteral("neuzavřená hranatá závorka ve výrazu"));
        return box;
    }

    static bool balancedBrackets(const QString &text)
    {
        int depth = 0;
        bool quoted = false;
        for (const QChar c : text) {
            if (depth > 0 && c == '\'')
                quoted = !quoted;
            else if (!quoted && c == '[')
                ++depth;
            else if (!quoted && c == ']' && --depth < 0)
                return false;
        }
        return depth == 0;
    }

    TemplateBand band(const QJsonObject &object, const QString &element, const FontStyle &baseFont) const
    {
        static const QMap<QString, BandKind> kinds = {
            {"reportTitle", BandKind::ReportTitle},   {"pageHeader", BandKind::PageHeader},
            {"masterHeader", BandKind::MasterHeader}, {"masterData", BandKind::MasterData},
            {"detailData", BandKind::DetailData},     {"subdetailData", BandKind::SubdetailData},
            {"child", BandKind::Child},               {"masterFooter", BandKind::MasterFooter},
            {"pageFooter", BandKind::PageFooter}};
        TemplateBand band;
        band.kind = choice(object, "kind", element, QString(), kinds, QStringLiteral("neznámý druh oddílu"));
        band.name = text(object, "name", element);
        band.height = number(object, "height", element, 0, true);
        band.dataSource = text(object, "source", element);
        const FontStyle font = this->font(object, element, baseFont);
        const QJsonValue boxes = object.value(QStringLiteral("boxes"));
        if (!boxes.isUndefined() && !boxes.isArray())
            fail(element, QStringLiteral("„boxes“ není seznam"));
        const QJsonArray array = boxes.toArray();
        for (int i = 0; i < array.size(); ++i) {
            const QString boxElement = QStringLiteral("%1, prvek %2").arg(element).arg(i + 1);
            if (!array.at(i).isObject())
                fail(boxElement, QStringLiteral("není objekt"));
            TemplateBox box = this->box(array.at(i).toObject(), boxElement, font);
            if (box.name.isEmpty())
                box.name = QStringLiteral("%1.%2").arg(band.name).arg(i + 1);
            band.boxes << box;
        }
        return band;
    }

    ReportTemplate report(const QByteArray &json) const
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json, &error);
        if (error.error != QJsonParseError::NoError)
            fail(QStringLiteral("na pozici %1").arg(error.offset), error.errorString());
        if (!document.isObject())
            fail(QStringLiteral("šablona"), QStringLiteral("soubor není objekt JSON"));
        const QJsonObject root = document.object();
        ReportTemplate result;
        result.name = text(root, "name", "šablona");
        result.title = text(root, "title", "šablona");
        result.defaultSource = text(root, "source", "šablona");
        const FontStyle font = this->font(root, QStringLiteral("šablona"), FontStyle());
        const QJsonArray pages = root.value(QStringLiteral("pages")).toArray();
        if (pages.isEmpty())
            fail(QStringLiteral("šablona"), QStringLiteral("nemá žádnou stránku"));
        for (int p = 0; p < pages.size(); ++p) {
            const QString pageElement = QStringLiteral("stránka %1").arg(p + 1);
            const QJsonObject page = pages.at(p).toObject();
            TemplatePage templatePage;
            const QJsonValue margins = page.value(QStringLiteral("margins"));
            if (margins.isDouble()) {
                const double m = margins.toDouble();
                templatePage.margins = QMarginsF(m, m, m, m);
            } else if (margins.isArray() && margins.toArray().size() == 4) {
                const QJsonArray m = margins.toArray();
                templatePage.margins = QMarginsF(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble());
            } else if (!margins.isUndefined()) {
                fail(pageElement, QStringLiteral("okraje jsou číslo nebo čtyři čísla"));
            }
            const QJsonArray bands = page.value(QStringLiteral("bands")).toArray();
            for (int b = 0; b < bands.size(); ++b) {
                const QJsonObject bandObject = bands.at(b).toObject();
                QString bandElement = QStringLiteral("%1, oddíl %2").arg(pageElement).arg(b + 1);
                if (bandObject.contains(QStringLiteral("name")))
                    bandElement += QStringLiteral(" („%1“)").arg(bandObject.value(QStringLiteral("name")).toString());
                TemplateBand band = this->band(bandObject, bandElement, font);
                if (band.name.isEmpty())
                    band.name = QStringLiteral("p%1b%2").arg(p + 1).arg(b + 1);
                templatePage.bands << band;
            }
            std::stable_sort(templatePage.bands.begin(), templatePage.bands.end(),
                             [](const TemplateBand &a, const TemplateBand &b) {
                                 return BandOrder(a.kind) < BandOrder(b.kind);
                             });
            result.pages << templatePage;
        }
        return result;
    }

private:
    QString m_file;
};

} // namespace

int BandOrder(BandKind kind)
{
    return int(kind);
}

ReportTemplate ParseTemplate(const QByteArray &json, const QString &fileName)
{
    return TemplateReader(fileName).report(json);
}

static void initTemplateResources()
{
    // The templates are compiled into this static library; registering them
    // here makes sure the linker keeps them.
    static const bool done = [] {
        Q_INIT_RESOURCE(templates);
        return true;
    }();
    Q_UNUSED(done);
}

ReportTemplate LoadTemplate(const QString &nameOrPath)
{
    initTemplateResources();
    const QString path = nameOrPath.contains(':') || nameOrPath.contains('/')
                             ? nameOrPath
                             : QStringLiteral(":/reports/%1.json").arg(nameOrPath);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TrelvoError(QStringLiteral("Šablonu tiskové sestavy „%1“ nelze otevřít: %2.").arg(path, file.errorString()));
    return ParseTemplate(file.readAll(), path);
}
