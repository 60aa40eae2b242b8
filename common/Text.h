#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// Text helpers. Inside the programs all text is Unicode; GBK appears only at
// the edges where bytes matter (digests, byte-length checks, files).
namespace kav::text {

// Strict conversions through iconv: nullopt when a character has no GBK form
// (or, decoding, when the bytes are not valid GBK).
std::optional<QByteArray> toGbk(const QString& text);
std::optional<QString> fromGbk(const QByteArray& bytes);

// Generic strict conversion between Unicode and an iconv character set.
std::optional<QByteArray> encode(const QString& text, const char* charset);
std::optional<QString> decode(const QByteArray& bytes, const char* charset);

bool isGbkRepresentable(const QString& text);
// Byte length of the GBK form (a Chinese character counts 2); -1 when the
// text has no GBK form.
int gbkLength(const QString& text);

// Real numbers with at most 13 significant digits and no trailing zeros.
QString numberText(double value);
// The leading decimal integer / number of a text; 0 when there is none.
qint64 leadingInteger(const QString& text);
double leadingNumber(const QString& text);

// year年month月day日 then hour时minute分second秒, cut short from the right
// where trailing parts are zero, without leading zeros.
QString dateText(const QDateTime& when);

}  // namespace kav::text
