#include "Text.h"

#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <limits>
#include <map>
#include <string>

namespace kav::text {
namespace {

// iconv descriptors are costly to open; keep one per direction and reset it
// before each use. The programs convert on the GUI thread only, but a
// thread-local cache keeps the helpers safe anywhere.
iconv_t descriptor(const char* to, const char* from)
{
    thread_local std::map<std::pair<std::string, std::string>, iconv_t> cache;
    const auto key = std::make_pair(std::string(to), std::string(from));
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, iconv_open(to, from)).first;
    return it->second;
}

bool isAscii(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::optional<QByteArray> convert(const QByteArray& in, const char* to, const char* from)
{
    iconv_t cd = descriptor(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                const auto used = outPtr - out.data();
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = static_cast<size_t>(out.size() - used);
                continue;
            }
            return std::nullopt;  // EILSEQ or EINVAL: no faithful form
        }
    }
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.truncate(static_cast<int>(outPtr - out.data()));
    return out;
}

}  // namespace

std::optional<QByteArray> encode(const QString& text, const char* charset)
{
    const QByteArray utf8 = text.toUtf8();
    if (qstrcmp(charset, "UTF-8") == 0 || isAscii(utf8))
        return utf8;
    return convert(utf8, charset, "UTF-8");
}

std::optional<QString> decode(const QByteArray& bytes, const char* charset)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (qstrcmp(charset, "UTF-8") == 0) {
        const QString s = QString::fromUtf8(bytes);
        if (s.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD"))
            return std::nullopt;
        return s;
    }
    auto utf8 = convert(bytes, "UTF-8", charset);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

std::optional<QByteArray> toGbk(const QString& text)
{
    // An unpaired surrogate has no Unicode scalar value, let alone a GBK one.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return std::nullopt;
    }
    return encode(text, "GBK");
}

std::optional<QString> fromGbk(const QByteArray& bytes) { return decode(bytes, "GBK"); }

bool isGbkRepresentable(const QString& text) { return toGbk(text).has_value(); }

int gbkLength(const QString& text)
{
    const auto bytes = toGbk(text);
    return bytes ? static_cast<int>(bytes->size()) : -1;
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0)
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 12 - magnitude);
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

namespace {
// Index of the first character after leading blanks and an optional sign.
qsizetype skipBlanksAndSign(const QString& text, bool& negative)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    return i;
}
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
}  // namespace

qint64 leadingInteger(const QString& text)
{
    bool negative = false;
    qsizetype i = skipBlanksAndSign(text, negative);
    qint64 value = 0;
    const qint64 limit = std::numeric_limits<qint64>::max();
    for (; i < text.size() && isDigit(text.at(i)); ++i) {
        const int digit = text.at(i).unicode() - '0';
        if (value > (limit - digit) / 10)
            return negative ? -limit : limit;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double leadingNumber(const QString& text)
{
    bool negative = false;
    const qsizetype start = skipBlanksAndSign(text, negative);
    qsizetype i = start;
    QByteArray number;
    while (i < text.size() && isDigit(text.at(i)))
        number.append(static_cast<char>(text.at(i++).unicode()));
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        QByteArray fraction;
        qsizetype j = i + 1;
        while (j < text.size() && isDigit(text.at(j)))
            fraction.append(static_cast<char>(text.at(j++).unicode()));
        if (!number.isEmpty() || !fraction.isEmpty()) {
            number += '.' + fraction;
            i = j;
        }
    }
    if (number.isEmpty() || number == ".")
        return 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (j < text.size() && (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+')))
            exponent.append(static_cast<char>(text.at(j++).unicode()));
        const qsizetype digitsStart = j;
        while (j < text.size() && isDigit(text.at(j)))
            exponent.append(static_cast<char>(text.at(j++).unicode()));
        if (j > digitsStart)
            number += exponent;
    }
    const double value = number.toDouble();  // locale-independent
    return negative ? -value : value;
}

QString dateText(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QString s = QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
    if (t.second() != 0)
        s += QStringLiteral("%1时%2分%3秒").arg(t.hour()).arg(t.minute()).arg(t.second());
    else if (t.minute() != 0)
        s += QStringLiteral("%1时%2分").arg(t.hour()).arg(t.minute());
    else if (t.hour() != 0)
        s += QStringLiteral("%1时").arg(t.hour());
    return s;
}

}  // namespace kav::text
