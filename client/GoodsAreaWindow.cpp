#include "GoodsAreaWindow.h"

#include "Client.h"
#include "common/ChatLink.h"
#include "common/ProgramContext.h"
#include "common/Schema.h"
#include "common/Text.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

namespace kav {


GoodsAreaWindow::GoodsAreaWindow(Client& client, QWidget* parent) : QWidget(parent), client_(client)
{
    setObjectName(QStringLiteral("GoodsAreaWindow"));
    setWindowTitle(QStringLiteral("商品专区"));
    setFixedSize(888, 642);

    auto* goodsGroup = new QGroupBox(QStringLiteral("商品区域"), this);
    goodsGroup->setGeometry(4, 6, 633, 603);
    goods_ = new QTreeWidget(goodsGroup);
    goods_->setObjectName(QStringLiteral("goodsTreeWidget"));
    goods_->setAccessibleName(QStringLiteral("商品区域"));
    goods_->setGeometry(8, 15, 617, 578);
    goods_->setRootIsDecorated(false);
    goods_->setUniformRowHeights(true);
    goods_->setSelectionBehavior(QAbstractItemView::SelectRows);
    goods_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    goods_->setHeaderLabels({QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("商品价格"),
                             QStringLiteral("级别差价"), QStringLiteral("商品数量"), QStringLiteral("商品说明"),
                             QStringLiteral("销售状态"), QString(), QString()});
    const int widths[] = {70, 100, 100, 100, 100, 100, 100, 50, 50};
    for (int c = 0; c < 9; ++c)
        goods_->setColumnWidth(c, widths[c]);

    auto* mine = new QGroupBox(QStringLiteral("我的信息"), this);
    mine->setGeometry(640, 6, 239, 248);
    ui::label(mine, QStringLiteral("我的余额："), {11, 34, 88, 24}, false);
    balance_ = ui::valueLabel(mine, QStringLiteral("balanceLabel"), QStringLiteral("更新中..."), {87, 29, 59, 36},
                          QStringLiteral("我的余额："));
    auto* topUp = ui::button(mine, QStringLiteral("topUpButton"), QStringLiteral("余额充值"), {149, 30, 79, 29});
    auto* raise = ui::button(mine, QStringLiteral("raiseLevelButton"), QStringLiteral("提升等级"), {149, 71, 79, 29});
    address_ = ui::valueLabel(mine, QStringLiteral("addressLabel"), QString(), {86, 111, 168, 36}, QStringLiteral("登陆 I P："));
    auto* changePassword = ui::button(mine, QStringLiteral("changePasswordButton"), QStringLiteral("修改密码"), {14, 200, 61, 32});

    ui::label(this, QStringLiteral("我的级别："), {651, 83, 88, 24}, false);
    level_ = ui::valueLabel(this, QStringLiteral("levelLabel"), QStringLiteral("更新中..."), {728, 77, 57, 36},
                        QStringLiteral("我的级别："));
    ui::label(this, QStringLiteral("登陆 I P："), {651, 123, 74, 24}, false);
    ui::label(this, QStringLiteral("登陆时间："), {651, 169, 74, 24}, false);
    time_ = ui::valueLabel(this, QStringLiteral("timeLabel"), QString(), {727, 165, 173, 36}, QStringLiteral("登陆时间："));
    auto* switchAccount = ui::button(this, QStringLiteral("switchAccountButton"), QStringLiteral("换号登陆"), {730, 206, 61, 32});
    auto* quit = ui::button(this, QStringLiteral("quitButton"), QStringLiteral("退出程序"), {806, 206, 61, 32});

    auto* orders = new QGroupBox(QStringLiteral("综合信息"), this);
    orders->setGeometry(640, 256, 240, 160);
    ui::label(orders, QStringLiteral("我的订单："), {15, 32, 80, 24}, false);
    auto* totals = ui::button(orders, QStringLiteral("totalsButton"), QStringLiteral("订单总额"), {92, 31, 67, 27});
    ui::label(orders, QStringLiteral("订单情况："), {15, 75, 80, 24}, false);
    auto* history = ui::button(this, QStringLiteral("historyButton"), QStringLiteral("往期订单"), {807, 287, 67, 27});
    auto* pending = ui::button(this, QStringLiteral("pendingButton"), QStringLiteral("正在充值"), {733, 331, 67, 27});
    auto* complaints = ui::button(this, QStringLiteral("complaintsButton"), QStringLiteral("投诉订单"), {808, 331, 67, 27});
    ui::label(this, QStringLiteral("咨询帮助："), {657, 376, 76, 24}, false);
    auto* help = ui::button(this, QStringLiteral("helpButton"), QStringLiteral("帮助信息"), {734, 376, 67, 27});
    auto* contact = ui::button(this, QStringLiteral("contactButton"), QStringLiteral("联系管理"), {809, 376, 67, 27});

    auto* noticesGroup = new QGroupBox(QStringLiteral("网站公告"), this);
    noticesGroup->setGeometry(641, 419, 239, 190);
    notices_ = new QListWidget(noticesGroup);
    notices_->setObjectName(QStringLiteral("noticesListWidget"));
    notices_->setAccessibleName(QStringLiteral("网站公告"));
    notices_->setGeometry(8, 14, 223, 168);

    setTabOrder(goods_, topUp);
    setTabOrder(topUp, raise);
    setTabOrder(raise, changePassword);
    setTabOrder(changePassword, switchAccount);
    setTabOrder(switchAccount, quit);
    setTabOrder(quit, totals);
    setTabOrder(totals, history);
    setTabOrder(history, pending);
    setTabOrder(pending, complaints);
    setTabOrder(complaints, help);
    setTabOrder(help, contact);
    setTabOrder(contact, notices_);

    connect(&timer_, &QTimer::timeout, this, &GoodsAreaWindow::refreshAccountPanel);
    connect(notices_, &QListWidget::itemDoubleClicked, this, &GoodsAreaWindow::showNotice);
    connect(raise, &QPushButton::clicked, this, &GoodsAreaWindow::contactAdministrator);
    connect(contact, &QPushButton::clicked, this, &GoodsAreaWindow::contactAdministrator);
    connect(changePassword, &QPushButton::clicked, this, [this] { client_.openGoodsAreaRecovery(); });
    connect(switchAccount, &QPushButton::clicked, this, [this] {
        if (MessageBox::ask(QStringLiteral("确定要换号登陆吗？")))
            client_.switchAccount();
    });
    connect(quit, &QPushButton::clicked, this, [this] {
        if (!MessageBox::ask(QStringLiteral("您确定要退出程序吗？")))
            return;
        MessageBox::show(QStringLiteral("欢迎再次使用"), MessageBox::kSystemTitle);
        client_.context().endProgram();
    });
    connect(help, &QPushButton::clicked, this,
            [] { MessageBox::show(QStringLiteral("暂未开放"), MessageBox::kSystemTitle); });
    // 余额充值, 订单总额, 往期订单, 正在充值 and 投诉订单 open their windows once those exist.
    Q_UNUSED(topUp);
    Q_UNUSED(totals);
    Q_UNUSED(history);
    Q_UNUSED(pending);
    Q_UNUSED(complaints);
}

bool GoodsAreaWindow::open()
{
    ProgramContext& context = client_.context();
    address_->setText(context.platform().machineAddress());
    time_->setText(text::dateText(context.now()));
    const LoginMarker marker = context.marker();
    const auto name = marker.readName();
    if (!name) {
        MessageBox::show(LoginMarker::kLoginExpired, MessageBox::kSystemTitle, MessageBox::Stop);
        return false;
    }
    accountName_ = *name;
    MessageBox::show(QStringLiteral("欢迎") + accountName_ + QStringLiteral("回来"), MessageBox::kSystemTitle);
    time_->setText(text::dateText(context.now()));
    timer_.start(1000);
    context.connection().setNamesGbk();
    fillGoods();
    fillNotices();
    return true;
}

void GoodsAreaWindow::fillGoods()
{
    auto result = client_.context().connection().query(
        Statement("select * from `shop` where `shop_mun`>='1' order by `id` desc"));
    if (!result)
        return;
    // Newest first from the store, each row to the top: ascending ids on screen.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(result->rowCount());
    rowWalk(*result, [&](const StoreResult& row) {
        QString id, name, price, difference, stock, description;
        int saleState = 0;
        row.readField(QStringLiteral("id"), id);
        row.readField(QStringLiteral("cid"), saleState);
        row.readField(QStringLiteral("shop_name"), name);
        row.readField(QStringLiteral("shop_pirce"), price);
        row.readField(QStringLiteral("shop_pirce_dis"), difference);
        row.readField(QStringLiteral("shop_message"), description);
        row.readField(QStringLiteral("shop_mun"), stock);
        const QString state = saleState == schema::code(schema::GoodsSaleState::OnSale) ? QStringLiteral("正在销售")
                                                                                         : QStringLiteral("暂停销售");
        rows.append(new QTreeWidgetItem(QStringList{id, name, price, difference, stock, description, state}));
    });
    std::reverse(rows.begin(), rows.end());
    goods_->insertTopLevelItems(0, rows);
}

void GoodsAreaWindow::fillNotices()
{
    auto result = client_.context().connection().query(Statement("select * from `message` order by `id` desc"));
    if (!result)
        return;
    QStringList titles;
    rowWalk(*result, [&](const StoreResult& row) {
        QString title;
        row.readField(QStringLiteral("title"), title);
        titles << title;
    });
    notices_->addItems(titles);
}

void GoodsAreaWindow::refreshAccountPanel()
{
    ProgramContext& context = client_.context();
    if (auto result = context.connection().query(Statement("select * from `user` where `username`=?", {accountName_}))) {
        firstRowRead(*result, [&](const StoreResult& row) {
            row.readField(QStringLiteral("money"), balanceValue_);
            row.readField(QStringLiteral("uid"), levelCode_);
        });
    }
    time_->setText(text::dateText(context.now()));
    const QString levelName = schema::memberLevelName(levelCode_);
    if (!levelName.isEmpty())
        level_->setText(levelName);
    balance_->setText(QString::number(balanceValue_) + QStringLiteral(" 元"));
}

void GoodsAreaWindow::showNotice()
{
    const QListWidgetItem* item = notices_->currentItem();
    if (!item)
        return;
    QString title, contents;
    if (auto result = client_.context().connection().query(
            Statement("select * from `message` where `title`=?order by `id` desc", {item->text()}))) {
        rowWalk(*result, [&](const StoreResult& row) {
            row.readField(QStringLiteral("title"), title);
            row.readField(QStringLiteral("contents"), contents);
        });
    }
    MessageBox::show(contents, title);
}

void GoodsAreaWindow::contactAdministrator()
{
    ProgramContext& context = client_.context();
    if (auto result = context.connection().query(Statement("select * from `qq` where `qq`<>''"))) {
        firstRowRead(*result, [&](const StoreResult& row) { row.readField(QStringLiteral("qq"), contactNumber_); });
    }
    context.platform().openUrl(chatLink(contactNumber_));
}

void GoodsAreaWindow::closeEvent(QCloseEvent* event)
{
    if (!isVisible()) {  // already left by "换号登陆"
        event->accept();
        return;
    }
    ui::askToExit(client_.context(), event, [] { MessageBox::show(QStringLiteral("欢迎您再次使用！")); });
}

}  // namespace kav
