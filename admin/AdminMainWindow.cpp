#include "AdminMainWindow.h"

#include "Console.h"
#include "PasswordChangeWindow.h"
#include "common/ChatLink.h"
#include "Deployment.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/DoubleClickButton.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"
#include "common/ui/VersionCheck.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>

namespace kav {


AdminMainWindow::AdminMainWindow(Console& console, QWidget* parent) : QWidget(parent), console_(console)
{
    setObjectName(QStringLiteral("AdminMainWindow"));
    setWindowTitle(QStringLiteral("管理窗口 - BY:Orvane"));
    setFixedSize(566, 290);

    auto* info = new QGroupBox(QStringLiteral("我的信息"), this);
    info->setGeometry(8, 6, 330, 276);
    const int cx = 14, vx = 112, vw = 206, h = 24;
    ui::label(info, QStringLiteral("我的权限："), {cx, 26, 96, h});
    auto* role = new QLabel(info);
    role->setObjectName(QStringLiteral("roleLinkLabel"));
    role->setGeometry(vx, 26, vw, h);
    role->setText(QStringLiteral("<a href=\"%1\">系统管理员</a>").arg(deployment::hyperlinkUrl().toHtmlEscaped()));
    role->setAccessibleName(QStringLiteral("我的权限："));
    connect(role, &QLabel::linkActivated, this,
            [this](const QString& link) { console_.context().platform().openUrl(QUrl(link)); });
    auto* clockCaption = ui::label(info, QStringLiteral("校对系统时间："), {cx, 60, 96, h});
    clock_ = ui::valueLabel(info, QStringLiteral("clockLabel"), QString(), {vx, 60, vw, h}, clockCaption->text());
    auto* registeredCaption = ui::label(info, QStringLiteral("账号注册时间："), {cx, 94, 96, h});
    registered_ = ui::valueLabel(info, QStringLiteral("registeredLabel"), QString(), {vx, 94, vw, h}, registeredCaption->text());
    auto* thisCaption = ui::label(info, QStringLiteral("本次登陆IP："), {cx, 128, 96, h});
    thisAddress_ = ui::valueLabel(info, QStringLiteral("thisAddressLabel"), QString(), {vx, 128, vw, h}, thisCaption->text());
    auto* lastCaption = ui::label(info, QStringLiteral("上次登陆IP："), {cx, 162, 96, h});
    lastAddress_ = ui::valueLabel(info, QStringLiteral("lastAddressLabel"), QStringLiteral("尚无任何记录..."),
                                  {vx, 162, vw, h}, lastCaption->text());
    auto* changePassword = ui::button(info, QStringLiteral("changePasswordButton"), QStringLiteral("修改密码"), {14, 214, 92, 32});
    auto* changeDatabase = ui::button(info, QStringLiteral("changeDatabaseButton"), QStringLiteral("改数据库"), {118, 214, 92, 32});
    auto* contact = ui::button(info, QStringLiteral("contactButton"), QStringLiteral("联系作者"), {222, 214, 92, 32});

    // Tool groups: three buttons each.
    auto group = [this](int index, const QString& title) {
        auto* g = new QGroupBox(title, this);
        g->setGeometry(346, 6 + index * 70, 212, 64);
        return g;
    };
    auto tool = [](QGroupBox* g, int index, const QString& name, const QString& text) {
        return ui::button(g, name, text, {8 + index * 68, 24, 62, 30});
    };
    auto* users = group(0, QStringLiteral("用户管理"));
    tool(users, 0, QStringLiteral("balanceButton"), QStringLiteral("用户充值"));
    tool(users, 1, QStringLiteral("levelButton"), QStringLiteral("开通权限"));
    tool(users, 2, QStringLiteral("freezeButton"), QStringLiteral("冻结用户"));
    auto* system = group(1, QStringLiteral("系统管理"));
    tool(system, 0, QStringLiteral("cardsButton"), QStringLiteral("生成卡密"));
    tool(system, 1, QStringLiteral("noticeButton"), QStringLiteral("发布公告"));
    tool(system, 2, QStringLiteral("contactNumberButton"), QStringLiteral("配置联系"));
    auto* goods = group(2, QStringLiteral("商品管理"));
    tool(goods, 0, QStringLiteral("goodsButton"), QStringLiteral("发布商品"));
    tool(goods, 1, QStringLiteral("ordersButton"), QStringLiteral("订单处理"));
    tool(goods, 2, QStringLiteral("complaintsButton"), QStringLiteral("处理投诉"));
    // The tools of these three groups open their windows once they exist.
    auto* program = group(3, QStringLiteral("程序管理"));
    auto* upgrade = tool(program, 0, QStringLiteral("upgradeButton"), QStringLiteral("程序升级"));
    auto* skin = new ui::DoubleClickButton(QStringLiteral("随机皮肤"), program);
    skin->setObjectName(QStringLiteral("randomSkinButton"));
    skin->setGeometry(8 + 68, 24, 62, 30);
    skin->setAutoDefault(false);

    connect(changePassword, &QPushButton::clicked, this, [this] {
        PasswordChangeWindow window(console_.context(), this);
        window.exec();
    });
    connect(changeDatabase, &QPushButton::clicked, this, [this] { console_.openConfiguration(false); });
    connect(contact, &QPushButton::clicked, this,
            [this] { console_.context().platform().openUrl(chatLink(kAuthorContact)); });
    connect(upgrade, &QPushButton::clicked, this, [this] {
        versioncheck::onDemand(console_.context(), this, versioncheck::kConsoleUpgradeTitle);
    });
    connect(skin, &QPushButton::clicked, this, &AdminMainWindow::randomSkinOn);
    connect(skin, &ui::DoubleClickButton::doubleClicked, this, &AdminMainWindow::randomSkinOff);
    connect(&timer_, &QTimer::timeout, this, &AdminMainWindow::tick);
}

bool AdminMainWindow::open()
{
    ProgramContext& context = console_.context();
    clock_->setText(text::dateText(context.now()));
    timer_.start(1000);
    const QString address = context.platform().machineAddress();
    thisAddress_->setText(address);
    const auto name = context.marker().readName();
    if (!name) {
        timer_.stop();
        MessageBox::show(LoginMarker::kLoginExpired, MessageBox::kSystemTitle, MessageBox::Stop);
        return false;
    }
    StoreConnection& connection = context.connection();
    connection.setNamesGbk();
    QString lastAddress, registered;
    if (auto found = connection.query(Statement("select * from `user` where `username`=?", {*name}))) {
        firstRowRead(*found, [&](const StoreResult& row) {
            row.readField(QStringLiteral("nowip"), lastAddress);
            row.readField(QStringLiteral("date"), registered);
        });
    }
    registered_->setText(registered);
    lastAddress_->setText(lastAddress);
    if (context.platform().machineAddress() != lastAddress)
        MessageBox::show(QStringLiteral("亲，您本次的IP与上次的IP有所波动哦~若非您本人操作，请尽快修改密码！"),
                         MessageBox::kDefaultTitle, MessageBox::Exclamation);
    return true;
}

void AdminMainWindow::tick() { clock_->setText(text::dateText(console_.context().now())); }

void AdminMainWindow::randomSkinOn()
{
    const QString flag = console_.context().programFile(skins::kRandomSkinFlag);
    if (!Platform::writeFile(flag, "1"))
        return;
    Platform::setAttributes(flag, AttrHidden | AttrSystem);
    MessageBox::show(QStringLiteral("开启成功!双击关闭随机皮肤！下次登录开始生效！"), MessageBox::kSystemTitle,
                     MessageBox::Information);
}

void AdminMainWindow::randomSkinOff()
{
    if (Platform::deleteFile(console_.context().programFile(skins::kRandomSkinFlag)))
        MessageBox::show(QStringLiteral("关闭成功!单击开启随机皮肤!下次登录开始生效！"), MessageBox::kSystemTitle,
                         MessageBox::Information);
}

void AdminMainWindow::closeEvent(QCloseEvent* event)
{
    ProgramContext& context = console_.context();
    ui::askToExit(context, event, [&context] {
        if (const auto name = context.marker().readName())
            context.connection().execute(Statement("update `user` set `nowip`=? where `username`=?",
                                                   {context.platform().machineAddress(), *name}));
        MessageBox::show(QStringLiteral("欢迎您再次使用!！"), MessageBox::kKindTitle);
    });
}

}  // namespace kav
