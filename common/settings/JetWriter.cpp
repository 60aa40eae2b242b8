#include "JetWriter.h"

#include <QtEndian>
#include <array>

namespace kav::jet {
namespace {

constexpr int kPageSize = 4096;
// Pages of the file we write.
constexpr quint32 kUsageMapPage = 1;
constexpr quint32 kCatalogDefPage = 2;  // readers look for the catalog here
constexpr quint32 kCatalogDataPage = 3;
constexpr quint32 kTableDefPage = 4;
constexpr quint32 kTableDataPage = 5;
constexpr int kPageCount = 6;
constexpr int kUsageMapSize = 64;  // type byte, start page, 59 bytes of bitmap

using Page = std::array<unsigned char, kPageSize>;

void put16(Page& p, int at, quint16 v) { qToLittleEndian(v, p.data() + at); }
void put32(Page& p, int at, quint32 v) { qToLittleEndian(v, p.data() + at); }
void append16(QByteArray& b, quint16 v)
{
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>(v >> 8));
}

QByteArray ucs2(const QString& s)
{
    QByteArray out;
    for (QChar c : s)
        append16(out, c.unicode());
    return out;
}

bool isFixed(Column::Type t) { return t == Column::Type::Long || t == Column::Type::Integer; }
int fixedSize(Column::Type t) { return t == Column::Type::Long ? 4 : t == Column::Type::Integer ? 2 : 0; }
unsigned char typeCode(Column::Type t)
{
    switch (t) {
    case Column::Type::Long: return 0x04;
    case Column::Type::Integer: return 0x03;
    case Column::Type::Text: return 0x0A;
    case Column::Type::LongBinary: return 0x0B;
    }
    return 0x0A;
}

struct Layout {
    std::vector<int> fixedOffset;  // per column, -1 for variable ones
    std::vector<int> varIndex;     // per column, -1 for fixed ones
    int fixedLength = 0;
    int varCount = 0;
};

Layout layoutOf(const std::vector<Column>& columns)
{
    Layout l;
    for (const Column& c : columns) {
        if (isFixed(c.type)) {
            l.fixedOffset.push_back(l.fixedLength);
            l.varIndex.push_back(-1);
            l.fixedLength += fixedSize(c.type);
        } else {
            l.fixedOffset.push_back(-1);
            l.varIndex.push_back(l.varCount++);
        }
    }
    return l;
}

// One row: column count, fixed part, variable part, end-of-data and the
// variable offsets (last first), variable count, null mask.
QByteArray buildRow(const std::vector<Column>& columns, const Layout& l, const Row& row)
{
    const int n = static_cast<int>(columns.size());
    QByteArray out;
    append16(out, static_cast<quint16>(n));
    QByteArray fixed(l.fixedLength, '\0');
    QByteArray nullMask((n + 7) / 8, '\0');
    std::vector<QByteArray> varData(static_cast<size_t>(l.varCount));
    for (int i = 0; i < n; ++i) {
        const Value& v = i < static_cast<int>(row.size()) ? row[static_cast<size_t>(i)] : Value{};
        if (std::holds_alternative<std::monostate>(v))
            continue;
        nullMask[i / 8] = static_cast<char>(nullMask[i / 8] | (1 << (i % 8)));
        const Column& c = columns[static_cast<size_t>(i)];
        if (isFixed(c.type)) {
            const qint32 number = std::holds_alternative<qint32>(v) ? std::get<qint32>(v) : 0;
            uchar* at = reinterpret_cast<uchar*>(fixed.data()) + l.fixedOffset[static_cast<size_t>(i)];
            if (c.type == Column::Type::Long)
                qToLittleEndian<qint32>(number, at);
            else
                qToLittleEndian<qint16>(static_cast<qint16>(number), at);
        } else if (std::holds_alternative<QString>(v)) {
            varData[static_cast<size_t>(l.varIndex[static_cast<size_t>(i)])] = ucs2(std::get<QString>(v));
        } else if (std::holds_alternative<QByteArray>(v)) {
            varData[static_cast<size_t>(l.varIndex[static_cast<size_t>(i)])] = std::get<QByteArray>(v);
        }
    }
    out += fixed;
    std::vector<quint16> offsets;
    for (const QByteArray& data : varData) {
        offsets.push_back(static_cast<quint16>(out.size()));
        out += data;
    }
    if (l.varCount > 0) {
        append16(out, static_cast<quint16>(out.size()));  // end of data
        for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
            append16(out, *it);
        append16(out, static_cast<quint16>(l.varCount));
    }
    out += nullMask;
    return out;
}

// A data page holding the given rows, packed from the end of the page.
bool buildDataPage(Page& p, quint32 owner, const std::vector<QByteArray>& rows)
{
    p.fill(0);
    p[0] = 0x01;
    p[1] = 0x01;
    put32(p, 4, owner);
    put16(p, 12, static_cast<quint16>(rows.size()));
    int end = kPageSize;
    const int headerEnd = 14 + 2 * static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const int start = end - static_cast<int>(rows[i].size());
        if (start < headerEnd)
            return false;
        std::copy(rows[i].cbegin(), rows[i].cend(), p.begin() + start);
        put16(p, 14 + 2 * static_cast<int>(i), static_cast<quint16>(start));
        end = start;
    }
    put16(p, 2, static_cast<quint16>(end - headerEnd));
    return true;
}

QByteArray usageMap(quint32 page)
{
    QByteArray map(kUsageMapSize, '\0');
    map[0] = 0;  // map type 0: bitmap held inline, starting at page 0
    map[5 + static_cast<int>(page / 8)] = static_cast<char>(1 << (page % 8));
    return map;
}

// Table definition page. usedMapRow/freeMapRow are row numbers on the usage map page.
bool buildTableDef(Page& p, const Table& t, bool system, int usedMapRow, int freeMapRow)
{
    const Layout l = layoutOf(t.columns);
    p.fill(0);
    p[0] = 0x02;
    p[1] = 0x01;
    put32(p, 16, static_cast<quint32>(t.rows.size()));
    p[40] = system ? 0x53 : 0x4e;
    const auto n = static_cast<quint16>(t.columns.size());
    put16(p, 41, n);
    put16(p, 43, static_cast<quint16>(l.varCount));
    put16(p, 45, n);
    put32(p, 47, 0);  // no logical indexes
    put32(p, 51, 0);  // no index entries
    put32(p, 55, (kUsageMapPage << 8) | static_cast<quint32>(usedMapRow));
    put32(p, 59, (kUsageMapPage << 8) | static_cast<quint32>(freeMapRow));
    int at = 63;
    for (quint16 i = 0; i < n; ++i) {
        const Column& c = t.columns[i];
        if (at + 25 > kPageSize)
            return false;
        p[at] = typeCode(c.type);
        put16(p, at + 5, i);
        put16(p, at + 7, static_cast<quint16>(std::max(0, l.varIndex[i])));
        put16(p, at + 9, i);
        put16(p, at + 11, 0x0409);  // general sort order
        p[at + 15] = isFixed(c.type) ? 0x03 : 0x02;  // fixed?, may be null
        put16(p, at + 21, static_cast<quint16>(std::max(0, l.fixedOffset[i])));
        const int length = isFixed(c.type) ? fixedSize(c.type) : c.type == Column::Type::Text ? 2 * c.maxChars : 0;
        put16(p, at + 23, static_cast<quint16>(length));
        at += 25;
    }
    for (const Column& c : t.columns) {
        const QByteArray name = ucs2(c.name);
        if (at + 2 + name.size() > kPageSize)
            return false;
        put16(p, at, static_cast<quint16>(name.size()));
        std::copy(name.cbegin(), name.cend(), p.begin() + at + 2);
        at += 2 + static_cast<int>(name.size());
    }
    if (at + 2 > kPageSize)
        return false;
    put16(p, at, 0xffff);  // no per-column usage maps
    at += 2;
    put32(p, 8, static_cast<quint32>(at - 8));
    put16(p, 2, static_cast<quint16>(kPageSize - at));
    return true;
}

// The database definition page. Its block at 0x18 is stored RC4-scrambled
// with a fixed key, as Access does; an empty password and creation date 0.
void buildHeader(Page& p)
{
    p.fill(0);
    p[1] = 0x01;
    const char magic[] = "Standard Jet DB";
    std::copy(magic, magic + sizeof magic, p.begin() + 4);
    put32(p, 0x14, 1);  // Jet 4
    Page plain{};
    const unsigned char counters[] = {0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
                                      0x03, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00};
    std::copy(std::begin(counters), std::end(counters), plain.begin() + 0x18);
    put16(plain, 0x3c, 1252);  // code page
    put32(plain, 0x6e, 0x0409);  // general sort order

    const unsigned char key[4] = {0xc7, 0xda, 0x39, 0x6b};
    std::array<unsigned char, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[static_cast<size_t>(i)] + key[i % 4]) & 0xff;
        std::swap(s[static_cast<size_t>(i)], s[static_cast<size_t>(j)]);
    }
    for (int k = 0, i = 0, j = 0; k < 128; ++k) {
        i = (i + 1) & 0xff;
        j = (j + s[static_cast<size_t>(i)]) & 0xff;
        std::swap(s[static_cast<size_t>(i)], s[static_cast<size_t>(j)]);
        const unsigned char stream = s[static_cast<size_t>((s[static_cast<size_t>(i)] + s[static_cast<size_t>(j)]) & 0xff)];
        p[static_cast<size_t>(0x18 + k)] = plain[static_cast<size_t>(0x18 + k)] ^ stream;
    }
}

}  // namespace

QByteArray buildDatabase(const Table& table)
{
    if (table.columns.empty() || table.columns.size() > 255)
        return {};
    using T = Column::Type;
    Table catalog;
    catalog.name = QStringLiteral("MSysObjects");
    catalog.columns = {{QStringLiteral("Id"), T::Long, 0},   {QStringLiteral("ParentId"), T::Long, 0},
                       {QStringLiteral("Name"), T::Text, 128}, {QStringLiteral("Type"), T::Integer, 0},
                       {QStringLiteral("Flags"), T::Long, 0},  {QStringLiteral("LvProp"), T::LongBinary, 0}};
    const qint32 systemFlags = static_cast<qint32>(0x80000002u);
    catalog.rows = {
        {qint32(kCatalogDefPage), qint32(0), catalog.name, qint32(1), systemFlags, std::monostate{}},
        {qint32(kTableDefPage), qint32(0), table.name, qint32(1), qint32(0), std::monostate{}},
    };

    std::array<Page, kPageCount> pages{};
    buildHeader(pages[0]);
    if (!buildDataPage(pages[kUsageMapPage], 0,
                       {usageMap(kCatalogDataPage), usageMap(kCatalogDataPage), usageMap(kTableDataPage),
                        usageMap(kTableDataPage)}))
        return {};
    if (!buildTableDef(pages[kCatalogDefPage], catalog, true, 0, 1)
        || !buildTableDef(pages[kTableDefPage], table, false, 2, 3))
        return {};

    auto rowsOf = [](const Table& t) {
        const Layout l = layoutOf(t.columns);
        std::vector<QByteArray> rows;
        for (const Row& r : t.rows)
            rows.push_back(buildRow(t.columns, l, r));
        return rows;
    };
    if (!buildDataPage(pages[kCatalogDataPage], kCatalogDefPage, rowsOf(catalog))
        || !buildDataPage(pages[kTableDataPage], kTableDefPage, rowsOf(table)))
        return {};

    QByteArray file;
    file.reserve(kPageCount * kPageSize);
    for (const Page& p : pages)
        file.append(reinterpret_cast<const char*>(p.data()), kPageSize);
    return file;
}

}  // namespace kav::jet
