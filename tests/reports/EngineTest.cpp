#include "Error.h"
#include "PreparedDocument.h"
#include "ReportEngine.h"
#include "TestMain.h"
#include "TestSupport.h"

namespace {

// A listing: a title, a page header with "page of pages", one data band per
// row of a program-driven source and a page footer.
const QByteArray ListingTemplate = R"({"name":"seznam","title":"Seznam","pages":[{"margins":36,"bands":[
  {"kind":"pageFooter","name":"pata","height":20,"boxes":[{"name":"pata","x":0,"y":0,"w":300,"h":16,"text":"konec strany [PAGE#]"}]},
  {"kind":"masterData","name":"radek","height":20,"source":"radky","boxes":[
     {"name":"cislo","x":0,"y":0,"w":80,"h":18,"text":"[CISLO]"},
     {"name":"jmeno","x":80,"y":0,"w":300,"h":18,"text":"[JMENO]","border":"LTRB"}]},
  {"kind":"pageHeader","name":"hlavicka","height":20,"boxes":[{"name":"strana","x":0,"y":0,"w":300,"h":16,"text":"Strana [PAGE#] z [TOTALPAGES]"}]},
  {"kind":"reportTitle","name":"titul","height":30,"boxes":[{"name":"titul","x":0,"y":0,"w":500,"h":24,"size":16,"bold":true,"text":"[NADPIS]"}]},
  {"kind":"masterFooter","name":"souhrn","height":20,"boxes":[{"name":"souhrn","x":0,"y":0,"w":300,"h":16,"text":"Celkem řádků: [POCET]"}]}
]}]})";

// A fixed-count band with a picture cell filled by the before-print callback.
const QByteArray PictureTemplate = R"({"name":"foto","pages":[{"bands":[
  {"kind":"masterData","name":"karta","height":60,"source":"3","boxes":[
     {"kind":"picture","name":"foto","x":0,"y":0,"w":40,"h":50,"border":"LTRB"},
     {"kind":"shape","name":"ramec","x":50,"y":0,"w":40,"h":50},
     {"kind":"line","name":"cara","x":0,"y":55,"w":300,"h":0}]}]}]})";

// One growing section between two fixed ones; the frame beside the text
// stretches with it.
const QByteArray GrowingTemplate = R"({"name":"rust","pages":[{"margins":36,"bands":[
  {"kind":"masterData","name":"nad","height":30,"source":"1","boxes":[{"name":"nad","x":0,"y":0,"w":300,"h":20,"text":"Nad"}]},
  {"kind":"masterData","name":"text","height":60,"source":"1","boxes":[
     {"name":"popisek","x":0,"y":0,"w":600,"h":14,"text":"Popis:"},
     {"name":"popis","x":0,"y":14,"w":400,"h":20,"text":"[POPIS]","grow":true,"border":"LRB"},
     {"name":"ramecek","x":400,"y":14,"w":200,"h":20,"text":"vedle","border":"LTRB","stretch":true},
     {"name":"pod","x":0,"y":40,"w":400,"h":16,"text":"pod textem"}]},
  {"kind":"masterData","name":"za","height":30,"source":"1","boxes":[{"name":"za","x":0,"y":0,"w":300,"h":20,"text":"Za"}]}
]}]})";

PreparedDocument prepareListing(int rows, bool *cancelled = nullptr, int cancelAfterPages = 0)
{
    ReportEngine engine(ParseTemplate(ListingTemplate, "seznam.json"));
    CountedProgramSource source([rows] { return rows; });
    engine.setSource("radky", &source);
    engine.variables = [&](const QString &name) -> std::optional<QVariant> {
        if (name == "CISLO")
            return source.position + 1;
        if (name == "JMENO")
            return QString("Zaměstnanec %1").arg(source.position + 1);
        if (name == "NADPIS")
            return QString("Seznam zaměstnanců");
        if (name == "POCET")
            return rows;
        return std::nullopt;
    };
    if (cancelAfterPages)
        engine.progress = [&](int pages) { return pages < cancelAfterPages; };
    const std::optional<PreparedDocument> document = engine.prepare();
    if (cancelled)
        *cancelled = !document;
    return document.value_or(PreparedDocument());
}

PreparedDocument prepareGrowing(const QString &text)
{
    ReportEngine engine(ParseTemplate(GrowingTemplate, "rust.json"));
    engine.variables = [&](const QString &name) -> std::optional<QVariant> {
        if (name == "POPIS")
            return text;
        return std::nullopt;
    };
    return *engine.prepare();
}

QRectF rectOf(const PreparedDocument &document, const QString &name)
{
    return document.itemsNamed(name).value(0).rect;
}

} // namespace

class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void programDrivenListingFlowsOverPagesWithThePageTotal()
    {
        const PreparedDocument document = prepareListing(200);
        QVERIFY(document.pageCount() > 3);
        const int pages = document.pageCount();
        QCOMPARE(document.title, QString("Seznam"));
        QCOMPARE(document.itemsNamed("cislo").size(), 200);
        QCOMPARE(document.itemsNamed("titul").size(), 1);  // first page only
        QCOMPARE(document.itemsNamed("titul").first().text, QString("Seznam zaměstnanců"));
        for (int p = 0; p < pages; ++p) {
            QVERIFY(document.pageTexts(p).contains(QString("Strana %1 z %2").arg(p + 1).arg(pages)));
            QVERIFY(document.pageTexts(p).contains(QString("konec strany %1").arg(p + 1)));
        }
        // Rows keep their order and never run into the page footer.
        const QList<PreparedItem> numbers = document.itemsNamed("cislo");
        for (int i = 0; i < numbers.size(); ++i)
            QCOMPARE(numbers.at(i).text, QString::number(i + 1));
        for (const PreparedPage &page : document.pages) {
            double footerTop = 0;
            for (const PreparedItem &item : page.items)
                if (item.name == "pata")
                    footerTop = item.rect.top();
            QCOMPARE(footerTop, A4Height - 36 - 20);
            for (const PreparedItem &item : page.items)
                if (item.name == "jmeno")
                    QVERIFY(item.rect.bottom() <= footerTop + 0.01);
        }
        QCOMPARE(document.pageTexts(pages - 1).contains("Celkem řádků: 200"), true);
    }

    void emptySourcePrintsTitleHeaderAndFooterOnly()
    {
        const PreparedDocument document = prepareListing(0);
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(document.itemsNamed("cislo").size(), 0);
        QCOMPARE(document.pageTexts(0),
                 QStringList({"Seznam zaměstnanců", "Strana 1 z 1", "Celkem řádků: 0", "konec strany 1"}));
    }

    void progressCanCancelPreparation()
    {
        bool cancelled = false;
        prepareListing(500, &cancelled, 2);
        QVERIFY(cancelled);
    }

    void growingSectionPushesWhatFollowsDown()
    {
        const PreparedDocument shortText = prepareGrowing("krátký");
        const PreparedDocument longText = prepareGrowing(QString("dlouhý text ").repeated(200));
        QCOMPARE(longText.pageCount(), 1);
        const double growth = rectOf(longText, "popis").height() - rectOf(shortText, "popis").height();
        QVERIFY(growth > 100);
        // Below the grown box inside the section, and the next section.
        QCOMPARE(rectOf(longText, "pod").top(), rectOf(shortText, "pod").top() + growth);
        QCOMPARE(rectOf(longText, "za").top(), rectOf(shortText, "za").top() + growth);
        // Beside it: the frame stretches, the caption above stays.
        QCOMPARE(rectOf(longText, "ramecek").bottom(), rectOf(longText, "popis").bottom());
        QCOMPARE(rectOf(longText, "popisek").top(), rectOf(shortText, "popisek").top());
    }

    void textLongerThanASheetContinuesOnTheNextKeepingEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QString lines;
        for (int i = 0; i < 400; ++i)
            lines += QString("řádek %1 s \"uvozovkami\" a \\ lomítkem\r\n").arg(i);
        QTest::newRow("many lines") << lines;
        QTest::newRow("one long word") << QString("x").repeated(30000);
        QTest::newRow("blank lines") << QString("\n").repeated(300) + "konec";
    }

    void textLongerThanASheetContinuesOnTheNextKeepingEveryCharacter()
    {
        QFETCH(QString, text);
        const PreparedDocument document = prepareGrowing(text);
        QVERIFY(document.pageCount() >= 2);
        QCOMPARE(document.textOf("popis"), text);
        QCOMPARE(document.itemsNamed("za").size(), 1);
        for (const PreparedPage &page : document.pages)
            for (const PreparedItem &item : page.items)
                QVERIFY2(item.rect.bottom() <= A4Height - 36 + 0.5, qPrintable(item.name));
        // The frame beside the text continues on the next sheet.
        QCOMPARE(document.itemsNamed("ramecek").size(), document.itemsNamed("popis").size());
    }

    void fixedCountBandAndBeforePrintCallback()
    {
        ReportEngine engine(ParseTemplate(PictureTemplate, "foto.json"));
        QImage photo(8, 10, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        int calls = 0;
        engine.beforePrint = [&](PreparedItem &item) {
            ++calls;
            if (item.name == "foto")
                item.picture = photo;
        };
        const PreparedDocument document = *engine.prepare();
        QCOMPARE(calls, 9);
        const QList<PreparedItem> photos = document.itemsNamed("foto");
        QCOMPARE(photos.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(photos.at(i).picture, photo);
            QCOMPARE(photos.at(i).rect.top(), 36.0 + 60 * i);
        }
    }

    void detailRowsFollowEachMasterRow()
    {
        ReportEngine engine(ParseTemplate(R"({"name":"md","pages":[{"bands":[
            {"kind":"detailData","height":10,"source":"urazy","boxes":[{"name":"uraz","x":0,"y":0,"w":200,"h":10,"text":"[URAZ]"}]},
            {"kind":"masterData","height":10,"source":"lide","boxes":[{"name":"clovek","x":0,"y":0,"w":200,"h":10,"text":"[CLOVEK]"}]}
            ]}]})",
                                          "md.json"));
        const QStringList people{"Adam", "Běla"};
        const QList<QStringList> injuries{{"pořezání", "pád"}, {"popálení"}};
        CountedProgramSource master([&] { return int(people.size()); });
        CountedProgramSource detail([&] { return int(injuries.at(master.position).size()); });
        engine.setSource("lide", &master);
        engine.setSource("urazy", &detail);
        engine.variables = [&](const QString &name) -> std::optional<QVariant> {
            if (name == "CLOVEK")
                return people.at(master.position);
            if (name == "URAZ")
                return injuries.at(master.position).at(detail.position);
            return std::nullopt;
        };
        const PreparedDocument document = *engine.prepare();
        QCOMPARE(document.pageTexts(0), QStringList({"Adam", "pořezání", "pád", "Běla", "popálení"}));
    }

    void longTextStartsInTheRoomLeftButShortSectionMovesWhole()
    {
        // 820 units of fixed content, then a growing section.
        const QByteArray json = R"({"name":"zbytek","pages":[{"margins":36,"bands":[
          {"kind":"masterData","height":820,"source":"1","boxes":[{"name":"vypln","x":0,"y":0,"w":300,"h":20,"text":"výplň"}]},
          {"kind":"masterData","height":30,"source":"1","boxes":[
             {"name":"popis","x":0,"y":0,"w":400,"h":20,"text":"[POPIS]","grow":true},
             {"name":"pod","x":0,"y":22,"w":400,"h":8,"text":""}]}]}]})";
        auto prepare = [&](const QString &text) {
            ReportEngine engine(ParseTemplate(json, "zbytek.json"));
            engine.variables = [&](const QString &) -> std::optional<QVariant> { return text; };
            return *engine.prepare();
        };
        const PreparedDocument longText = prepare(QString("slovo ").repeated(800));
        QCOMPARE(longText.pageCount(), 2);
        QCOMPARE(longText.itemsNamed("popis").size(), 2);  // begun on the first sheet
        QVERIFY(longText.pages.at(0).items.last().rect.bottom() > 900);
        const PreparedDocument shortText = prepare(QString("slovo ").repeated(300));
        QCOMPARE(shortText.pageCount(), 2);
        QCOMPARE(shortText.itemsNamed("popis").size(), 1);  // moved whole
        QCOMPARE(shortText.pages.at(0).items.size(), 1);
    }

    void unknownSourceIsAnErrorNamingTheSection()
    {
        ReportEngine engine(ParseTemplate(ListingTemplate, "seznam.json"));
        try {
            engine.prepare();
            QFAIL("no error");
        } catch (const TrelvoError &error) {
            QVERIFY2(error.message().contains("„radek“") && error.message().contains("„radky“"),
                     qPrintable(error.message()));
        }
    }

    void missingFontIsReplacedAndReported()
    {
        ReportEngine engine(ParseTemplate(R"({"name":"pismo","pages":[{"bands":[{"kind":"masterData","height":20,
            "boxes":[{"name":"a","x":0,"y":0,"w":200,"h":18,"font":"Neexistující Písmo XYZ","text":"Žluťoučký kůň"},
                     {"name":"b","x":0,"y":20,"w":200,"h":18,"font":"Arial","text":"Arial"}]}]}]})",
                                          "pismo.json"));
        const PreparedDocument document = *engine.prepare();
        QCOMPARE(document.textOf("a"), QString("Žluťoučký kůň"));
        QCOMPARE(document.warnings.size(), 1);  // Arial has its metric twin
        QVERIFY2(document.warnings.first().contains("„Neexistující Písmo XYZ“"), qPrintable(document.warnings.first()));
    }

    void preparedDocumentSurvivesSavingAndOpening()
    {
        TempDataFolder folder;
        PreparedDocument document = prepareListing(120);
        document.pages[0].items[0].picture = QImage(4, 3, QImage::Format_RGB32);
        document.pages[0].items[0].picture.fill(Qt::red);
        document.warnings << "upozornění";
        const QString path = folder.file("sestava.trp");
        try {
            document.save(path);
            QCOMPARE(PreparedDocument::load(path), document);
        } catch (const TrelvoError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }

    void damagedOrForeignFileIsRefusedClearly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QByteArray good = prepareListing(30).toBytes();
        QTest::newRow("foreign") << QByteArray("%PDF-1.4 something else") << "není uložený dokument tiskové sestavy";
        QTest::newRow("empty") << QByteArray() << "není uložený dokument tiskové sestavy";
        QTest::newRow("cut short") << good.left(good.size() / 2) << "poškozený";
        QByteArray trailing = good;
        trailing.append("xx");
        QTest::newRow("trailing bytes") << trailing << "poškozený";
        QByteArray newer = good;
        newer[11] = 9;  // format version 9
        QTest::newRow("newer version") << newer << "verze 9";
        QTest::newRow("garbage after header") << good.left(12) + QByteArray(64, '\xff') << "poškozený";
    }

    void damagedOrForeignFileIsRefusedClearly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        TempDataFolder folder;
        const QString path = folder.file("vadny.trp");
        WriteFile(path, bytes);
        try {
            PreparedDocument::load(path);
            QFAIL("no error");
        } catch (const TrelvoError &error) {
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
            QVERIFY(error.message().contains(path));
        }
    }
};

TRELVO_TEST(EngineTest)

#include "EngineTest.moc"
