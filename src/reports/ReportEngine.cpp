#include "ReportEngine.h"

#include "Error.h"
#include "Expression.h"
#include "PageRenderer.h"
#include "SqlLiteral.h"

#include <algorithm>
#include <memory>
#include <numeric>

QuerySource::QuerySource(ResultSet rows, QSet<QString> memoColumns)
    : m_rows(std::move(rows)), m_memos(std::move(memoColumns))
{
    for (int i = 0; i < m_rows.columns.size(); ++i)
        m_columns.insert(m_rows.columns.at(i).toUpper(), i);
}

std::optional<QVariant> QuerySource::value(const QString &column) const
{
    const QString key = column.toUpper();
    const auto found = m_columns.constFind(key);
    if (found == m_columns.constEnd())
        return std::nullopt;
    if (eof())
        return QVariant();
    const QVariant value = m_rows.rows.at(m_position).value(*found);
    if (value.typeId() == QMetaType::QString && !m_memos.contains(key))
        return QVariant(UnescapeSqlText(value.toString()));
    return value;
}

CountedProgramSource::CountedProgramSource(std::function<int()> count)
{
    onFirst = [this] { position = 0; };
    onNext = [this] { ++position; };
    onPrior = [this] { --position; };
    onEof = [this, count = std::move(count)] { return position < 0 || position >= count(); };
}

ReportEngine::ReportEngine(ReportTemplate report) : m_template(std::move(report)) {}

void ReportEngine::setSource(const QString &name, DataSource *source)
{
    m_sources.insert(name, source);
}

namespace {

struct Cancelled
{
};

struct LaidItem
{
    PreparedItem item;
    bool grows = false;
    bool stretch = false;
};

struct LaidBand
{
    QList<LaidItem> items;
    double height = 0;
};

bool truthOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() == QMetaType::QString)
        return !v.toString().isEmpty() && v.toString() != "0";
    return v.toLongLong() != 0;
}

class Preparation
{
public:
    Preparation(const ReportEngine &engine, const ReportTemplate &report, const QHash<QString, DataSource *> &sources,
                int totalPages)
        : m_engine(engine), m_template(report), m_sources(sources), m_totalPages(totalPages)
    {
    }

    PreparedDocument run()
    {
        m_document.title = m_template.title;
        for (int p = 0; p < m_template.pages.size(); ++p) {
            m_page = &m_template.pages.at(p);
            m_pageIndex = p;
            newPage();
            // Detail bands print after every row of the last master data band,
            // subdetail bands after every row of the last detail band; without
            // such a parent they print on their own.
            const TemplateBand *lastMaster = nullptr;
            const TemplateBand *lastDetail = nullptr;
            for (const TemplateBand &band : m_page->bands) {
                if (band.kind == BandKind::MasterData)
                    lastMaster = &band;
                else if (band.kind == BandKind::DetailData)
                    lastDetail = &band;
            }
            for (const TemplateBand &band : m_page->bands) {
                switch (band.kind) {
                case BandKind::ReportTitle:
                case BandKind::PageHeader:
                case BandKind::PageFooter:
                    break;
                case BandKind::MasterData:
                    printRows(band, &band == lastMaster ? BandKind::DetailData : BandKind::PageFooter);
                    break;
                case BandKind::DetailData:
                    if (!lastMaster)
                        printRows(band, &band == lastDetail ? BandKind::SubdetailData : BandKind::PageFooter);
                    break;
                case BandKind::SubdetailData:
                    if (!lastDetail)
                        printRows(band, BandKind::PageFooter);
                    break;
                case BandKind::MasterHeader:
                case BandKind::Child:
                case BandKind::MasterFooter:
                    flow(layout(band, defaultSource()));
                    break;
                }
            }
            finishPage();
        }
        return m_document;
    }

private:
    // Prints a data band once per row of its source, each row followed by the
    // bands of kind `children` (detail under master, subdetail under detail).
    void printRows(const TemplateBand &band, BandKind children)
    {
        DataSource *source = sourceOf(band);
        for (source->first(); !source->eof(); source->next()) {
            flow(layout(band, source));
            if (children != BandKind::DetailData && children != BandKind::SubdetailData)
                continue;
            const TemplateBand *lastChild = nullptr;
            for (const TemplateBand &child : m_page->bands)
                if (child.kind == children)
                    lastChild = &child;
            for (const TemplateBand &child : m_page->bands) {
                if (child.kind != children)
                    continue;
                const bool hasSubdetails = children == BandKind::DetailData && &child == lastChild;
                printRows(child, hasSubdetails ? BandKind::SubdetailData : BandKind::PageFooter);
            }
        }
    }

    [[noreturn]] void fail(const TemplateBand &band, const QString &problem) const
    {
        throw TrelvoError(QStringLiteral("Šablona „%1“, oddíl „%2“: %3").arg(m_template.name, band.name, problem));
    }

    DataSource *fixedCount(int count)
    {
        m_owned.push_back(std::make_unique<FixedCountSource>(count));
        return m_owned.back().get();
    }

    DataSource *defaultSource()
    {
        if (m_engine.blank || m_template.defaultSource.isEmpty())
            return nullptr;
        return m_sources.value(m_template.defaultSource);
    }

    DataSource *sourceOf(const TemplateBand &band)
    {
        if (m_engine.blank)
            return fixedCount(1);
        const QString name = band.dataSource.isEmpty() ? m_template.defaultSource : band.dataSource;
        if (name.isEmpty())
            return fixedCount(1);
        bool isNumber = false;
        const int count = name.toInt(&isNumber);
        if (isNumber)
            return fixedCount(count);
        DataSource *source = m_sources.value(name);
        if (!source)
            fail(band, QStringLiteral("zdroj dat „%1“ není připojen.").arg(name));
        return source;
    }

    ExpressionContext context(DataSource *source) const
    {
        ExpressionContext context;
        context.page = int(m_document.pages.size());
        context.totalPages = m_totalPages;
        context.printDate = m_engine.printDate;
        context.strictNames = m_engine.strictNames;
        DataSource *fallback = m_template.defaultSource.isEmpty() ? nullptr : m_sources.value(m_template.defaultSource);
        const auto &variables = m_engine.variables;
        context.lookup = [source, fallback, &variables](const QString &name) -> std::optional<QVariant> {
            if (source)
                if (auto value = source->value(name))
                    return value;
            if (fallback && fallback != source)
                if (auto value = fallback->value(name))
                    return value;
            if (variables)
                return variables(name);
            return std::nullopt;
        };
        return context;
    }

    QImage picture(const QString &path)
    {
        auto found = m_pictures.constFind(path);
        if (found == m_pictures.constEnd()) {
            QImage image(path);
            if (image.isNull())
                throw TrelvoError(QStringLiteral("obrázek „%1“ nelze načíst.").arg(path));
            found = m_pictures.insert(path, image);
        }
        return *found;
    }

    void noteFont(const FontStyle &font)
    {
        if (m_checkedFamilies.contains(font.family))
            return;
        m_checkedFamilies.insert(font.family);
        bool substituted = false;
        const QString used = ResolveFontFamily(font.family, &substituted);
        if (substituted)
            m_document.warnings << QStringLiteral("Písmo „%1“ není v počítači nainstalováno; sestava je vytištěna "
                                                  "náhradním písmem „%2“.")
                                       .arg(font.family, used);
    }

    LaidBand layout(const TemplateBand &band, DataSource *source)
    {
        const ExpressionContext context = this->context(source);
        LaidBand laid;
        laid.height = band.height;
        QList<double> originalTops, originalBottoms;
        for (const TemplateBox &box : band.boxes) {
            LaidItem li;
            PreparedItem &item = li.item;
            item.kind = box.kind;
            item.name = box.name;
            item.rect = box.rect;
            item.borders = box.borders;
            item.font = box.font;
            item.hAlign = box.hAlign;
            item.vAlign = box.vAlign;
            item.wordWrap = box.wordWrap;
            li.grows = box.grows;
            li.stretch = box.stretch;
            try {
                if (m_engine.blank) {
                    if (box.kind == BoxKind::Text)
                        item.text = box.hasBlankText ? box.blankText : StripExpressions(box.text);
                } else if (box.kind == BoxKind::Mark) {
                    item.checked = truthOf(EvaluateExpression(box.text, context));
                } else if (box.kind == BoxKind::Text) {
                    item.text = ExpandText(box.text, context);
                } else if (box.kind == BoxKind::Picture && !box.text.isEmpty()) {
                    // A fixed picture: the text names its file or resource.
                    item.picture = picture(box.text);
                }
            } catch (const TrelvoError &error) {
                fail(band, QStringLiteral("prvek „%1“: %2").arg(box.name, error.message()));
            }
            if (box.kind == BoxKind::Text)
                noteFont(box.font);
            if (m_engine.beforePrint)
                m_engine.beforePrint(item);
            originalTops << box.rect.top();
            originalBottoms << box.rect.bottom();
            laid.items << li;
        }

        // New heights: growing texts and, on a blank form, taller boxes.
        QList<double> heights;
        for (int i = 0; i < laid.items.size(); ++i) {
            const TemplateBox &box = band.boxes.at(i);
            double height = box.rect.height();
            if (m_engine.blank && box.blankHeight > height)
                height = box.blankHeight;
            const PreparedItem &item = laid.items.at(i).item;
            if (box.grows && box.kind == BoxKind::Text && !item.text.isEmpty())
                height = qMax(height, MeasureTextHeight(item.text, item.font, box.rect.width(), box.wordWrap));
            heights << height;
        }
        // Push what lies below a grown box down by as much as it grew; boxes
        // side by side push by the larger growth, stacked ones add up.
        QList<int> order(laid.items.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return originalTops[a] < originalTops[b]; });
        QList<double> newBottoms(laid.items.size());
        QList<bool> done(laid.items.size(), false);
        double maxBottomBefore = 0, maxBottomAfter = 0;
        for (int j : order) {
            double shift = 0;
            for (int i : order) {
                if (!done[i] || originalBottoms[i] > originalTops[j] + 0.5)
                    continue;
                shift = qMax(shift, newBottoms[i] - originalBottoms[i]);
            }
            QRectF &rect = laid.items[j].item.rect;
            rect.translate(0, shift);
            if (laid.items[j].item.kind != BoxKind::Line)
                rect.setHeight(heights[j]);
            newBottoms[j] = rect.bottom();
            done[j] = true;
            maxBottomBefore = qMax(maxBottomBefore, originalBottoms[j]);
            maxBottomAfter = qMax(maxBottomAfter, newBottoms[j]);
        }
        // The space below the lowest box is kept.
        laid.height = band.height + qMax(0.0, maxBottomAfter - maxBottomBefore);
        const double growth = laid.height - band.height;
        if (growth > 0)
            for (int i = 0; i < laid.items.size(); ++i)
                if (laid.items[i].stretch)
                    laid.items[i].item.rect.setBottom(qMax(laid.items[i].item.rect.bottom(), originalBottoms[i] + growth));
        return laid;
    }

    void place(const LaidBand &band)
    {
        PreparedPage &page = m_document.pages.last();
        for (const LaidItem &li : band.items) {
            PreparedItem item = li.item;
            item.rect.translate(m_page->margins.left(), m_y);
            page.items << item;
        }
        m_y += band.height;
    }

    // Cuts a band at `room`: what lies above goes on this page, the rest (with
    // the remaining lines of cut texts) onto the next. `progress` is false when
    // nothing useful fits here.
    void split(const LaidBand &band, double room, LaidBand &head, LaidBand &tail, bool &progress)
    {
        progress = false;
        bool orphan = false;
        struct Extra
        {
            double from;
            double amount;
        };
        QList<Extra> extras;
        for (const LaidItem &li : band.items) {
            const QRectF r = li.item.rect;
            if (r.bottom() <= room + 0.01) {
                head.items << li;
                progress = true;
            } else if (r.top() >= room - 0.01) {
                LaidItem moved = li;
                moved.item.rect.translate(0, -room);
                tail.items << moved;
            } else if (li.item.kind == BoxKind::Text && li.grows) {
                const int fitted =
                    FittingCharacters(li.item.text, li.item.font, r.width(), room - r.top(), li.item.wordWrap);
                if (fitted == 0)
                    orphan = true;
                else
                    progress = true;
                const bool framed = (li.item.borders & BorderLeft) && (li.item.borders & BorderRight);
                LaidItem first = li;
                first.item.text = li.item.text.left(fitted);
                first.item.rect.setBottom(room);
                if (framed)
                    first.item.borders |= BorderBottom;
                head.items << first;
                LaidItem rest = li;
                rest.item.text = li.item.text.mid(fitted);
                const double restHeight =
                    MeasureTextHeight(rest.item.text, rest.item.font, r.width(), rest.item.wordWrap);
                const double leftOver = r.bottom() - room;
                rest.item.rect = QRectF(r.left(), 0, r.width(), qMax(leftOver, restHeight));
                if (framed)
                    rest.item.borders |= BorderTop;
                if (restHeight > leftOver)
                    extras << Extra{leftOver, restHeight - leftOver};
                tail.items << rest;
            } else if (li.stretch || li.item.kind == BoxKind::Shape || li.item.kind == BoxKind::Line) {
                // A frame continues on the next sheet.
                LaidItem first = li;
                first.item.rect.setBottom(room);
                head.items << first;
                LaidItem rest = li;
                rest.item.rect = QRectF(r.left(), 0, r.width(), r.bottom() - room);
                tail.items << rest;
            } else {
                LaidItem moved = li;
                moved.item.rect.moveTop(0);
                tail.items << moved;
            }
        }
        if (orphan)
            progress = false;
        head.height = room;
        tail.height = band.height - room;
        double extraTotal = 0;
        for (const Extra &extra : extras)
            extraTotal = qMax(extraTotal, extra.amount);
        if (extraTotal > 0) {
            double from = tail.height;
            for (const Extra &extra : extras)
                from = qMin(from, extra.from);
            for (LaidItem &li : tail.items) {
                if (li.item.rect.top() >= from - 0.5)
                    li.item.rect.translate(0, extraTotal);
                else if (li.stretch)
                    li.item.rect.setBottom(li.item.rect.bottom() + extraTotal);
            }
            tail.height += extraTotal;
        }
    }

    static bool hasTextCrossing(const LaidBand &band, double room)
    {
        for (const LaidItem &li : band.items)
            if (li.grows && li.item.kind == BoxKind::Text && li.item.rect.top() + 40 < room
                && li.item.rect.bottom() > room)
                return true;
        return false;
    }

    void flow(LaidBand band)
    {
        for (int guard = 0; guard < 100000; ++guard) {
            const double room = m_bottom - m_y;
            const bool atTop = m_y <= m_contentTop + 0.01;
            if (band.height <= room + 0.01) {
                place(band);
                return;
            }
            // A section that fits on a fresh sheet moves there whole, unless a
            // long text of it could fill a good part of the room left here.
            if (!atTop && band.height <= m_bottom - m_contentTop
                && (room < (m_bottom - m_contentTop) / 4 || !hasTextCrossing(band, room))) {
                newPage();
                continue;
            }
            LaidBand head, tail;
            bool progress = false;
            split(band, room, head, tail, progress);
            if (!progress) {
                if (!atTop) {
                    newPage();
                    continue;
                }
                // Not even one line fits on an empty page: print it as it is
                // rather than loop for ever.
                place(band);
                return;
            }
            place(head);
            newPage();
            band = tail;
        }
    }

    void newPage()
    {
        if (m_pageOpen)
            finishPage();
        m_document.pages << PreparedPage();
        m_pageOpen = true;
        m_y = m_page->margins.top();
        double footer = 0;
        for (const TemplateBand &band : m_page->bands)
            if (band.kind == BandKind::PageFooter)
                footer += band.height;
        m_bottom = A4Height - m_page->margins.bottom() - footer;
        if (m_document.pages.size() == 1)
            for (const TemplateBand &band : m_page->bands)
                if (band.kind == BandKind::ReportTitle)
                    place(layout(band, defaultSource()));
        for (const TemplateBand &band : m_page->bands)
            if (band.kind == BandKind::PageHeader)
                place(layout(band, defaultSource()));
        m_contentTop = m_y;
    }

    void finishPage()
    {
        if (!m_pageOpen)
            return;
        m_y = m_bottom;
        for (const TemplateBand &band : m_page->bands)
            if (band.kind == BandKind::PageFooter)
                place(layout(band, defaultSource()));
        m_pageOpen = false;
        if (m_engine.progress && !m_engine.progress(int(m_document.pages.size())))
            throw Cancelled();
    }

    const ReportEngine &m_engine;
    const ReportTemplate &m_template;
    const QHash<QString, DataSource *> &m_sources;
    int m_totalPages;
    PreparedDocument m_document;
    const TemplatePage *m_page = nullptr;
    int m_pageIndex = 0;
    bool m_pageOpen = false;
    double m_y = 0;
    double m_bottom = 0;
    double m_contentTop = 0;
    QSet<QString> m_checkedFamilies;
    QHash<QString, QImage> m_pictures;
    std::vector<std::unique_ptr<DataSource>> m_owned;
};

bool templateUsesTotalPages(const ReportTemplate &report)
{
    for (const TemplatePage &page : report.pages)
        for (const TemplateBand &band : page.bands)
            for (const TemplateBox &box : band.boxes)
                if (UsesTotalPages(box.text))
                    return true;
    return false;
}

} // namespace

std::optional<PreparedDocument> ReportEngine::prepare()
{
    try {
        PreparedDocument document = Preparation(*this, m_template, m_sources, 0).run();
        // The page total is known only after a first pass.
        if (!blank && templateUsesTotalPages(m_template))
            document = Preparation(*this, m_template, m_sources, document.pageCount()).run();
        return document;
    } catch (const Cancelled &) {
        return std::nullopt;
    }
}
