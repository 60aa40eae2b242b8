#include "client/Client.h"
#include "client/ContactPrompt.h"
#include "client/GoodsAreaWindow.h"
#include "client/LoginWindow.h"
#include "client/RecoveryWindow.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace kav;
using test::Box;

namespace {
const QString& kSystem = test::kSystemTitle;
const QString& kKind = test::kKindTitle;
const QString& kDefault = test::kDefaultTitle;
}  // namespace

class GoodsAreaTest : public test::WindowTest {
protected:
    GoodsAreaTest()
    {
        context.settings() = db.settings();
        context.clock = [this] { return now; };
        db.addAccount(QStringLiteral("张三丰"), QStringLiteral("pass123"), QStringLiteral("safe123"));
        db.exec(QStringLiteral("UPDATE `user` SET `money`='99.99' WHERE `username`='张三丰'"));
    }
    void addGood(int id, const QString& name, int stock, int saleState = 1)
    {
        db.exec(QStringLiteral("INSERT INTO `shop` VALUES (?, '1', ?, '1', ?, '12.5', '0.5', ?, ?, '2026年1月1日')"),
                {QString::number(id), QString::number(saleState), name, name + QStringLiteral("说明"), QString::number(stock)});
    }
    void addNotice(const QString& title, const QString& contents)
    {
        db.exec(QStringLiteral("INSERT INTO `message` (`uid`,`title`,`contents`,`date`) VALUES ('2', ?, ?, '2026年1月1日')"),
                {title, contents});
    }
    // Logs in through the login window, which opens the goods area.
    GoodsAreaWindow* logIn(const QString& account = QStringLiteral("张三丰"), const QString& password = QStringLiteral("pass123"))
    {
        client.showLogin();
        LoginWindow& w = client.loginWindow();
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("accountLineEdit")), account);
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("passwordLineEdit")), password);
        test::click(test::child<QPushButton>(&w, QStringLiteral("loginButton")));
        return client.goodsArea();
    }
    QString label(const char* name) { return test::child<QLabel>(client.goodsArea(), QString::fromLatin1(name))->text(); }
    static QStringList row(QTreeWidget* list, int index)
    {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(index)->text(c);
        return cells;
    }

    QDateTime now{QDate(2026, 3, 5), QTime(8, 0, 5)};
    Client client{context};
};

TEST_F(GoodsAreaTest, OpensWithAWelcomeTheGoodsOnSaleAndTheNoticesNewestFirst)
{
    addGood(3, QStringLiteral("月卡"), 5);
    addGood(7, QStringLiteral("季卡"), 1, 2);
    addGood(5, QStringLiteral("年卡"), 9);
    addGood(9, QStringLiteral("售罄"), 0);
    addNotice(QStringLiteral("开业"), QStringLiteral("欢迎光临"));
    addNotice(QStringLiteral("放假"), QStringLiteral("春节放假"));
    GoodsAreaWindow* w = logIn();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(client.loginWindow().isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("商品专区"));
    EXPECT_EQ(w->size(), QSize(888, 642));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登陆成功！"), kDefault, 0},
                                         {QStringLiteral("欢迎张三丰回来"), kSystem, 0}}));

    QTreeWidget* goods = w->goodsList();
    ASSERT_EQ(goods->topLevelItemCount(), 3);
    EXPECT_EQ(goods->headerItem()->text(0), QStringLiteral("商品编号"));
    EXPECT_EQ(goods->headerItem()->text(6), QStringLiteral("销售状态"));
    EXPECT_EQ(goods->columnCount(), 9);
    EXPECT_EQ(goods->columnWidth(0), 70);
    EXPECT_EQ(goods->columnWidth(8), 50);
    EXPECT_EQ(row(goods, 0), (QStringList{QStringLiteral("3"), QStringLiteral("月卡"), QStringLiteral("12.5"), QStringLiteral("0.5"),
                                          QStringLiteral("5"), QStringLiteral("月卡说明"), QStringLiteral("正在销售"), QString(), QString()}));
    EXPECT_EQ(goods->topLevelItem(1)->text(0), QStringLiteral("5"));
    EXPECT_EQ(row(goods, 2).mid(0, 7), (QStringList{QStringLiteral("7"), QStringLiteral("季卡"), QStringLiteral("12.5"),
                                                    QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("季卡说明"),
                                                    QStringLiteral("暂停销售")}));
    QListWidget* notices = w->noticesList();
    ASSERT_EQ(notices->count(), 2);
    EXPECT_EQ(notices->item(0)->text(), QStringLiteral("放假"));
    EXPECT_EQ(notices->item(1)->text(), QStringLiteral("开业"));
    EXPECT_EQ(label("addressLabel"), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(label("timeLabel"), QStringLiteral("2026年3月5日8时0分5秒"));
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("更新中..."));
    EXPECT_EQ(context.connection().characterSet(), QStringLiteral("gbk"));
    saveScreenshot(w, QStringLiteral("client-goods-area"));
}

TEST_F(GoodsAreaTest, TheAccountPanelFollowsTheStoreEverySecond)
{
    GoodsAreaWindow* w = logIn();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->timer().isActive());
    EXPECT_EQ(w->timer().interval(), 1000);
    now = now.addSecs(55);
    w->refreshAccountPanel();
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("99 元"));
    EXPECT_EQ(label("levelLabel"), QStringLiteral("普通会员"));
    EXPECT_EQ(label("timeLabel"), QStringLiteral("2026年3月5日8时1分"));

    const std::pair<const char*, const char*> levels[] = {{"4", "铜牌会员"}, {"3", "银牌会员"}, {"2", "金牌会员"},
                                                          {"1", "金牌会员"}, {"NULL", "金牌会员"}};
    for (const auto& [code, shown] : levels) {
        db.exec(QStringLiteral("UPDATE `user` SET `uid`=%1 WHERE `username`='张三丰'").arg(QLatin1String(code)));
        w->refreshAccountPanel();
        EXPECT_EQ(label("levelLabel"), QString::fromUtf8(shown)) << code;  // other codes leave it unchanged
    }
    db.exec(QStringLiteral("UPDATE `user` SET `money`='1234.5' WHERE `username`='张三丰'"));
    w->refreshAccountPanel();
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("1234 元"));
    db.exec(QStringLiteral("DELETE FROM `user`"));  // no row: the last values stay
    w->refreshAccountPanel();
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("1234 元"));
}

TEST_F(GoodsAreaTest, AnAdministratorsLevelIsNeverNamed)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("adminpw"), QStringLiteral("safe123"), 1);
    GoodsAreaWindow* w = logIn(QStringLiteral("admin01"), QStringLiteral("adminpw"));
    ASSERT_NE(w, nullptr);
    w->refreshAccountPanel();
    EXPECT_EQ(label("levelLabel"), QStringLiteral("更新中..."));
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("0 元"));
}

TEST_F(GoodsAreaTest, WithoutAReadableMarkerNoAccountIsShown)
{
    ASSERT_TRUE(context.connection().connect(db.settings()));
    for (const QByteArray& content : {QByteArray(), QByteArray("nodash"), QByteArray("-abc")}) {
        boxes.clear();
        context.marker().remove();
        if (!content.isNull()) {
            ASSERT_TRUE(Platform::writeFile(context.marker().path(), content));
        }
        client.openGoodsArea();
        EXPECT_EQ(client.goodsArea(), nullptr);
        EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登录信息已失效,请重新登录！"), kSystem, 16}}));
        EXPECT_TRUE(client.loginWindow().isVisible());
    }
}

TEST_F(GoodsAreaTest, AnAccountNameWithADashIsCarriedWhole)
{
    db.addAccount(QStringLiteral("li-si-01"), QStringLiteral("pass123"), QStringLiteral("safe123"));
    db.exec(QStringLiteral("UPDATE `user` SET `money`='7' WHERE `username`='li-si-01'"));
    GoodsAreaWindow* w = logIn(QStringLiteral("li-si-01"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->accountName(), QStringLiteral("li-si-01"));
    w->refreshAccountPanel();
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("7 元"));
}

TEST_F(GoodsAreaTest, NoticesShowTheOldestOfTheirTitle)
{
    addNotice(QStringLiteral("通知"), QStringLiteral("第一条"));
    addNotice(QStringLiteral("通知"), QStringLiteral("第二条"));
    GoodsAreaWindow* w = logIn();
    boxes.clear();
    for (int i = 0; i < 2; ++i) {
        w->noticesList()->setCurrentRow(i);
        emit w->noticesList()->itemDoubleClicked(w->noticesList()->item(i));
    }
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("第一条"), QStringLiteral("通知"), 0},
                                         {QStringLiteral("第一条"), QStringLiteral("通知"), 0}}));
    boxes.clear();
    db.exec(QStringLiteral("DELETE FROM `message`"));
    emit w->noticesList()->itemDoubleClicked(w->noticesList()->item(0));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QString(), QString(), 0}}));
}

TEST_F(GoodsAreaTest, ContactButtonsOpenTheChatLinkWithTheStoredNumber)
{
    db.exec(QStringLiteral("INSERT INTO `qq` VALUES (1, '12345678')"));
    GoodsAreaWindow* w = logIn();
    test::click(test::child<QPushButton>(w, QStringLiteral("contactButton")));
    test::click(test::child<QPushButton>(w, QStringLiteral("raiseLevelButton")));
    ASSERT_EQ(platform.openedUrls.size(), 2);
    EXPECT_EQ(platform.openedUrls[0].toString(), QStringLiteral("https://chat.test/msgrd?v=3&uin=12345678&site=qq&menu=yes"));
    EXPECT_EQ(platform.openedUrls[1], platform.openedUrls[0]);
}

TEST_F(GoodsAreaTest, SwitchingAccountShowsTheSecondAccount)
{
    db.addAccount(QStringLiteral("second1"), QStringLiteral("pass456"), QStringLiteral("safe456"));
    db.exec(QStringLiteral("UPDATE `user` SET `money`='42' WHERE `username`='second1'"));
    GoodsAreaWindow* first = logIn();
    ASSERT_NE(first, nullptr);
    boxes.answer(false);
    test::click(test::child<QPushButton>(first, QStringLiteral("switchAccountButton")));
    EXPECT_TRUE(first->isVisible());
    boxes.answer(true);
    test::click(test::child<QPushButton>(first, QStringLiteral("switchAccountButton")));
    EXPECT_TRUE(client.loginWindow().isVisible());
    EXPECT_EQ(client.goodsArea(), nullptr);

    boxes.clear();
    GoodsAreaWindow* second = logIn(QStringLiteral("second1"), QStringLiteral("pass456"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("登陆成功！"), QStringLiteral("欢迎second1回来")}));
    second->refreshAccountPanel();
    EXPECT_EQ(label("balanceLabel"), QStringLiteral("42 元"));
}

TEST_F(GoodsAreaTest, HelpQuitAndCloseBox)
{
    GoodsAreaWindow* w = logIn();
    boxes.clear();
    test::click(test::child<QPushButton>(w, QStringLiteral("helpButton")));
    boxes.answer(false);
    test::click(test::child<QPushButton>(w, QStringLiteral("quitButton")));
    boxes.answer(false);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(ended, 0);
    // Buttons of windows still to come do nothing visible.
    for (const char* name : {"topUpButton", "totalsButton", "historyButton", "pendingButton", "complaintsButton"})
        test::click(test::child<QPushButton>(w, QString::fromLatin1(name)));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("暂未开放"), kSystem, 0},
                                         {QStringLiteral("您确定要退出程序吗？"), kSystem, 4},
                                         {QStringLiteral("是否退出程序？"), kSystem, 4}}));
    boxes.clear();
    boxes.answer(true);
    test::click(test::child<QPushButton>(w, QStringLiteral("quitButton")));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("您确定要退出程序吗？"), kSystem, 4},
                                         {QStringLiteral("欢迎再次使用"), kSystem, 0}}));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(QFile::exists(context.marker().path()));
}

TEST_F(GoodsAreaTest, ChangePasswordOpensTheGoodsAreaRecoveryWindow)
{
    GoodsAreaWindow* w = logIn();
    test::click(test::child<QPushButton>(w, QStringLiteral("changePasswordButton")));
    ASSERT_NE(client.recoveryWindow(), nullptr);
    EXPECT_EQ(client.recoveryWindow()->mode(), RecoveryWindow::Mode::FromGoodsArea);
    EXPECT_TRUE(w->isVisible());
}

// ------------------------------------------------------------ contact prompt

TEST_F(GoodsAreaTest, ThePromptCountsDownFromTenAndClosesItself)
{
    ContactPrompt prompt(context);
    prompt.show();
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("系统提示"));
    EXPECT_EQ(prompt.countdownText(), QStringLiteral("该窗口将于10秒后自动关闭!"));
    EXPECT_EQ(prompt.timer().interval(), 1000);
    saveScreenshot(&prompt, QStringLiteral("client-contact-prompt"));
    for (int left = 9; left >= 1; --left) {
        prompt.countDown();
        EXPECT_EQ(prompt.countdownText(), QStringLiteral("该窗口将于%1秒后自动关闭!").arg(left));
        EXPECT_TRUE(prompt.isVisible());
    }
    prompt.countDown();
    EXPECT_EQ(prompt.countdownText(), QStringLiteral("该窗口将于0秒后自动关闭!"));
    EXPECT_FALSE(prompt.isVisible());
    ContactPrompt again(context);
    EXPECT_EQ(again.secondsLeft(), 10);
}

TEST_F(GoodsAreaTest, ThePromptOpensTheChatLinkAndAsksBeforeDeclining)
{
    ASSERT_TRUE(context.connection().connect(db.settings()));
    ContactPrompt prompt(context);
    prompt.show();
    test::click(test::child<QPushButton>(&prompt, QStringLiteral("needButton")));
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(platform.openedUrls[0].toString(), QStringLiteral("https://chat.test/msgrd?v=3&uin=&site=qq&menu=yes"))
        << "no number stored";
    EXPECT_TRUE(prompt.isVisible());
    EXPECT_TRUE(prompt.timer().isActive());
    boxes.answer(false);
    test::click(test::child<QPushButton>(&prompt, QStringLiteral("noNeedButton")));
    EXPECT_TRUE(prompt.isVisible());
    boxes.answer(true);
    test::click(test::child<QPushButton>(&prompt, QStringLiteral("noNeedButton")));
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(boxes.boxes(), QList<Box>(2, Box{QStringLiteral("是否不需要帮助?"), kSystem, 4}));
}
