#include "PreparedDocument.h"

#include "Error.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// "TRELVORP" then a format version. A reader refuses any other version, so an
// older program never misreads a newer file.
constexpr char Magic[] = "TRELVORP";
constexpr quint32 FormatVersion = 1;
constexpr int MaxPages = 100000;
constexpr int MaxItems = 1000000;

QDataStream &operator<<(QDataStream &out, const FontStyle &font)
{
    return out << font.family << font.size << font.bold << font.italic;
}

QDataStream &operator>>(QDataStream &in, FontStyle &font)
{
    return in >> font.family >> font.size >> font.bold >> font.italic;
}

[[noreturn]] void damaged(const QString &fileName)
{
    throw TrelvoError(QStringLiteral("Soubor „%1“ není uložený dokument tiskové sestavy tohoto programu nebo je poškozený.")
                          .arg(fileName));
}

} // namespace

QList<PreparedItem> PreparedDocument::itemsNamed(const QString &name) const
{
    QList<PreparedItem> found;
    for (const PreparedPage &page : pages)
        for (const PreparedItem &item : page.items)
            if (item.name == name)
                found << item;
    return found;
}

QString PreparedDocument::textOf(const QString &name) const
{
    QString text;
    for (const PreparedItem &item : itemsNamed(name))
        text += item.text;
    return text;
}

QStringList PreparedDocument::pageTexts(int page) const
{
    QList<const PreparedItem *> items;
    for (const PreparedItem &item : pages.at(page).items)
        if (item.kind == BoxKind::Text && !item.text.isEmpty())
            items << &item;
    std::stable_sort(items.begin(), items.end(), [](const PreparedItem *a, const PreparedItem *b) {
        if (qAbs(a->rect.top() - b->rect.top()) > 0.5)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList texts;
    for (const PreparedItem *item : items)
        texts << item->text;
    return texts;
}

QByteArray PreparedDocument::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out.writeRawData(Magic, 8);
    out << FormatVersion << title << qint32(warnings.size());
    for (const QString &warning : warnings)
        out << warning;
    out << qint32(pages.size());
    for (const PreparedPage &page : pages) {
        out << page.size << qint32(page.items.size());
        for (const PreparedItem &item : page.items) {
            out << qint32(item.kind) << item.name << item.rect << quint32(item.borders) << item.font
                << qint32(item.hAlign) << qint32(item.vAlign) << item.wordWrap << item.text << item.checked
                << item.picture;
        }
    }
    return bytes;
}

PreparedDocument PreparedDocument::fromBytes(const QByteArray &bytes, const QString &fileName)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    char magic[8];
    if (in.readRawData(magic, 8) != 8 || memcmp(magic, Magic, 8) != 0)
        damaged(fileName);
    quint32 version = 0;
    in >> version;
    if (version != FormatVersion)
        throw TrelvoError(QStringLiteral("Soubor „%1“ je dokument tiskové sestavy verze %2, kterou tento program neumí otevřít.")
                              .arg(fileName)
                              .arg(version));
    PreparedDocument document;
    // Counts are read and checked one by one: a damaged count must not make the
    // reader reserve room for billions of entries.
    qint32 warningCount = 0;
    in >> document.title >> warningCount;
    if (in.status() != QDataStream::Ok || warningCount < 0 || warningCount > 1000)
        damaged(fileName);
    for (qint32 i = 0; i < warningCount; ++i) {
        QString warning;
        in >> warning;
        document.warnings << warning;
    }
    qint32 pageCount = 0;
    in >> pageCount;
    if (in.status() != QDataStream::Ok || pageCount < 0 || pageCount > MaxPages)
        damaged(fileName);
    for (qint32 p = 0; p < pageCount; ++p) {
        PreparedPage page;
        qint32 itemCount = 0;
        in >> page.size >> itemCount;
        if (in.status() != QDataStream::Ok || itemCount < 0 || itemCount > MaxItems)
            damaged(fileName);
        for (qint32 i = 0; i < itemCount; ++i) {
            PreparedItem item;
            qint32 kind = 0, hAlign = 0, vAlign = 0;
            quint32 borders = 0;
            in >> kind >> item.name >> item.rect >> borders >> item.font >> hAlign >> vAlign >> item.wordWrap
                >> item.text >> item.checked >> item.picture;
            if (in.status() != QDataStream::Ok || kind < 0 || kind > int(BoxKind::Mark) || hAlign < 0
                || hAlign > int(HAlign::Right) || vAlign < 0 || vAlign > int(VAlign::Bottom) || borders > 15)
                damaged(fileName);
            item.kind = BoxKind(kind);
            item.hAlign = HAlign(hAlign);
            item.vAlign = VAlign(vAlign);
            item.borders = borders;
            page.items << item;
        }
        document.pages << page;
    }
    if (!in.atEnd())
        damaged(fileName);
    return document;
}

void PreparedDocument::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes()) < 0 || !file.commit())
        throw TrelvoError(QStringLiteral("Dokument nelze uložit do souboru „%1“: %2.").arg(path, file.errorString()));
}

PreparedDocument PreparedDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TrelvoError(QStringLiteral("Soubor „%1“ nelze otevřít: %2.").arg(path, file.errorString()));
    return fromBytes(file.readAll(), path);
}
