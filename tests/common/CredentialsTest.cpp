#include "common/Credentials.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace kav::credentials;

// Vectors computed outside this code (Python hashlib over the GBK bytes).
TEST(CredentialDigest, MatchesIndependentlyComputedVectors)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "9440504f5a55614b935f4d5adfb844d4"},  // the salt alone
        {"123456", "c5b4338000dbe0f3f610bc31d6ab9383"},
        {"abcdef", "cf30d182d5f2098f1695f84cda597d6f"},
        {"Abc123", "69935c75eeef8361e662530304583736"},
        {"密码123", "fdc7ba1b94d01a1a65efa4c4af43827d"},  // GBK bytes, not UTF-8
    };
    for (const auto& [typed, digest] : cases)
        EXPECT_EQ(credentialDigest(QString::fromUtf8(typed)), QString::fromLatin1(digest)) << typed;
}

TEST(CredentialDigest, RefusesTextWithoutGbkForm)
{
    EXPECT_FALSE(credentialDigest(QStringLiteral("pass😀word")));
}

TEST(MarkerDigest, ClientUsesThePasswordDigestConsoleThePasswordAsTyped)
{
    EXPECT_EQ(clientMarkerDigest(QStringLiteral("张三丰"), *credentialDigest(QStringLiteral("123456"))),
              QStringLiteral("928d9efb0bc7fb15b7234f7f12dd97d1"));
    EXPECT_EQ(consoleMarkerDigest(QStringLiteral("admin01"), QStringLiteral("pass123")),
              QStringLiteral("bef97b2466665e494a04690cd768cc8b"));
}
