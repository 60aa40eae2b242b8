#include "common/LoginMarker.h"
#include "common/Text.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

using namespace kav;

TEST(LoginMarker, FirstWriteThenDeleteAndRewriteOfTheHiddenSystemFile)
{
    test::TestPlatform platform;
    LoginMarker marker(platform.programDirectory());
    EXPECT_FALSE(marker.readName());
    EXPECT_EQ(marker.write(QStringLiteral("张三丰"), QStringLiteral("d1")), LoginMarker::WriteOutcome::Written);
    EXPECT_EQ(Platform::attributes(marker.path()), unsigned(AttrHidden | AttrSystem));
    EXPECT_EQ(Platform::readFile(marker.path()), text::toGbk(QStringLiteral("张三丰-d1")));  // GBK, no line end

    EXPECT_EQ(marker.write(QStringLiteral("abcdefg"), QStringLiteral("d2")), LoginMarker::WriteOutcome::Rewritten);
    EXPECT_EQ(marker.readName(), QStringLiteral("abcdefg"));
    EXPECT_EQ(marker.readDigest(), QStringLiteral("d2"));
    EXPECT_EQ(Platform::attributes(marker.path()), unsigned(AttrHidden | AttrSystem));

    marker.remove();
    EXPECT_FALSE(Platform::fileExists(marker.path()));
    EXPECT_FALSE(marker.readName());
}

TEST(LoginMarker, NamesWithDashesStayWholeAndUnreadableContentHasNoName)
{
    test::TestPlatform platform;
    LoginMarker marker(platform.programDirectory());
    marker.write(QStringLiteral("ab-cd-ef"), QStringLiteral("0123456789abcdef0123456789abcdef"));
    EXPECT_EQ(marker.readName(), QStringLiteral("ab-cd-ef"));
    EXPECT_EQ(marker.readDigest(), QStringLiteral("0123456789abcdef0123456789abcdef"));

    const std::pair<QByteArray, const char*> unreadable[] = {
        {QByteArray(), "empty"}, {QByteArray("nodash"), "no dash"}, {QByteArray("-digest"), "no name"},
        {QByteArray("\x81-x", 3), "not GBK"},
    };
    for (const auto& [content, why] : unreadable) {
        marker.remove();
        ASSERT_TRUE(Platform::writeFile(marker.path(), content));
        EXPECT_FALSE(marker.readName()) << why;
    }
}

TEST(PlatformFiles, CreateOrReplaceRefusesHiddenOrSystemFilesButDeleteWorks)
{
    test::TestPlatform platform;
    const QString path = platform.programFile(QStringLiteral("flag.txt"));
    ASSERT_TRUE(Platform::writeFile(path, "1"));
    ASSERT_TRUE(Platform::writeFile(path, "2"));
    for (unsigned attribute : {unsigned(AttrHidden), unsigned(AttrSystem)}) {
        ASSERT_TRUE(Platform::setAttributes(path, attribute));
        EXPECT_FALSE(Platform::writeFile(path, "3"));
        EXPECT_EQ(Platform::readFile(path), QByteArray("2"));
        ASSERT_TRUE(Platform::setAttributes(path, 0));
    }
    Platform::setAttributes(path, AttrHidden | AttrSystem);
    EXPECT_TRUE(Platform::deleteFile(path));
    EXPECT_TRUE(Platform::writeFile(path, "4"));
}
