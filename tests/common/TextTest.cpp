#include "common/Text.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace kav::text;

TEST(GbkText, ByteLengthCountsChineseAsTwoAndRefusesWhatGbkCannotHold)
{
    EXPECT_EQ(gbkLength(QStringLiteral("abcdef")), 6);
    EXPECT_EQ(gbkLength(QStringLiteral("张三丰")), 6);
    EXPECT_EQ(gbkLength(QStringLiteral("a张")), 3);
    EXPECT_EQ(gbkLength(QString()), 0);
    EXPECT_EQ(gbkLength(QStringLiteral("ab😀cd")), -1);  // emoji
    EXPECT_EQ(gbkLength(QString(QChar(0xD800))), -1);    // lone surrogate
    EXPECT_FALSE(isGbkRepresentable(QStringLiteral("😀")));
}

TEST(GbkText, RoundTripsAndRejectsInvalidBytes)
{
    const QString s = QStringLiteral("欢迎张三丰回来 123");
    const auto bytes = toGbk(s);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->toHex(), QByteArray("bbb6d3add5c5c8fdb7e1bbd8c0b420313233"));
    EXPECT_EQ(fromGbk(*bytes), s);
    EXPECT_FALSE(fromGbk(QByteArray("\x81", 1)));  // lead byte without its trail
}

TEST(NumberText, ThirteenSignificantDigitsWithoutTrailingZeros)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"},          {12.5, "12.5"},        {100, "100"},          {99.99, "99.99"},
        {0.1 + 0.2, "0.3"}, {-3.25, "-3.25"},     {1234567890123.4, "1234567890123"},
        {1.0 / 3, "0.3333333333333"}, {2.0 / 3 * 100, "66.66666666667"}, {1e15, "1000000000000000"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(numberText(value), QString::fromLatin1(expected)) << value;
}

TEST(LeadingNumbers, ReadTheLeadingIntegerOrNumberAndZeroOtherwise)
{
    const std::tuple<const char*, qint64, double> cases[] = {
        {"7", 7, 7},        {"3.99", 3, 3.99},  {"12.50", 12, 12.5}, {"", 0, 0},
        {"abc", 0, 0},      {" 42x", 42, 42},   {"-5", -5, -5},      {".5", 0, 0.5},
        {"1e3", 1, 1000},   {"5 元", 5, 5},     {"99999999999999999999", 9223372036854775807LL, 1e20},
    };
    for (const auto& [textValue, integer, number] : cases) {
        const QString t = QString::fromUtf8(textValue);
        EXPECT_EQ(leadingInteger(t), integer) << textValue;
        EXPECT_DOUBLE_EQ(leadingNumber(t), number) << textValue;
    }
}

TEST(DateText, CutsTrailingZeroPartsAndHasNoLeadingZeros)
{
    const QDate day(2026, 3, 5);
    const std::pair<QTime, const char*> cases[] = {
        {QTime(14, 7, 9), "2026年3月5日14时7分9秒"},
        {QTime(14, 7, 0), "2026年3月5日14时7分"},
        {QTime(14, 0, 0), "2026年3月5日14时"},
        {QTime(0, 0, 0), "2026年3月5日"},
        {QTime(8, 0, 5), "2026年3月5日8时0分5秒"},
        {QTime(0, 0, 1), "2026年3月5日0时0分1秒"},
        {QTime(23, 59, 59), "2026年3月5日23时59分59秒"},
    };
    for (const auto& [time, expected] : cases)
        EXPECT_EQ(dateText(QDateTime(day, time)), QString::fromUtf8(expected));
    EXPECT_EQ(dateText(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))).size(), 20);  // fits every date column
}
