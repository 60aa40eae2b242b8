#include "common/skins/SkinLoader.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestPlatform.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace kav;

namespace {
// A small window with the controls the shop's windows use, drawn in the skin
// currently attached.
QByteArray renderSample(bool save = false, int number = 0)
{
    QWidget w;
    w.resize(240, 150);
    auto* group = new QGroupBox(QStringLiteral("商品区域"), &w);
    group->setGeometry(4, 4, 232, 142);
    auto* edit = new QLineEdit(QStringLiteral("账号"), group);
    edit->setGeometry(8, 22, 120, 24);
    auto* button = new QPushButton(QStringLiteral("用户登陆"), group);
    button->setGeometry(136, 20, 86, 28);
    button->setDefault(true);
    auto* list = new QListWidget(group);
    list->setGeometry(8, 56, 214, 78);
    list->addItems({QStringLiteral("公告一"), QStringLiteral("公告二")});
    list->setCurrentRow(0);
    w.ensurePolished();
    const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (save) {
        const QString dir = QStringLiteral(KAVELLO_BIN_DIR "/../screenshots/skins");
        QDir().mkpath(dir);
        image.save(QStringLiteral("%1/skin-%2.png").arg(dir).arg(number));
    }
    return QCryptographicHash::hash(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
                                    QCryptographicHash::Sha256);
}
}  // namespace

TEST(Skins, NinetyFiveDistinctSkinsAndTheFallbackToThePlatformStyle)
{
    skins::attachSkin(0);
    const QByteArray plain = renderSample();
    std::map<QByteArray, int> seen;
    for (int n = 1; n <= skins::kCount; ++n) {
        ASSERT_FALSE(skins::styleSheet(n).isEmpty()) << n;
        skins::attachSkin(n);
        const QByteArray picture = renderSample(n == 90 || n == 1 || n == 3 || n == 64, n);
        EXPECT_NE(picture, plain) << "skin " << n << " looks like no skin";
        if (n == 82) {
            ASSERT_EQ(seen.count(picture), 1u) << "82 looks like no other skin";
            EXPECT_EQ(seen[picture], 81);
            continue;
        }
        const auto [it, fresh] = seen.emplace(picture, n);
        EXPECT_TRUE(fresh) << "skin " << n << " looks like skin " << it->second;
    }
    EXPECT_EQ(seen.size(), 95u);
    EXPECT_EQ(skins::styleSheet(81), skins::styleSheet(82));
    for (int none : {0, 97, 98, 99, -1}) {
        EXPECT_TRUE(skins::styleSheet(none).isEmpty());
        skins::attachSkin(none);
        EXPECT_EQ(renderSample(), plain) << none;
    }
    skins::attachSkin(0);
}

TEST(Skins, TheConsoleDrawsOnlyWhenTheFlagHoldsExactlyOne)
{
    test::TestPlatform platform;
    const QString flag = platform.programFile(skins::kRandomSkinFlag);
    EXPECT_EQ(skins::chooseConsoleSkin(platform), 90);  // no flag
    for (const QByteArray& content : {QByteArray("1\n"), QByteArray("1\r\n"), QByteArray("0"), QByteArray(" 1"), QByteArray()}) {
        QFile::remove(flag);
        ASSERT_TRUE(Platform::writeFile(flag, content));
        EXPECT_EQ(skins::chooseConsoleSkin(platform), 90) << content.toStdString();
    }
    QFile::remove(flag);
    ASSERT_TRUE(Platform::writeFile(flag, "1"));
    std::set<int> drawn;
    int withoutSkin = 0;
    const int starts = 3000;
    for (int i = 0; i < starts; ++i) {
        platform.ticks = 1000 + 7919u * static_cast<quint64>(i);
        const int n = skins::chooseConsoleSkin(platform);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 99);
        drawn.insert(n);
        withoutSkin += n >= 97;
    }
    EXPECT_EQ(drawn.size(), 99u);
    EXPECT_NEAR(withoutSkin / double(starts), 3.0 / 99, 0.015);
    platform.ticks = 42;
    EXPECT_EQ(skins::chooseConsoleSkin(platform), skins::chooseConsoleSkin(platform)) << "seeded by the tick count";
}
