#include "SchemaImportWindow.h"

#include "Console.h"
#include "common/ProgramContext.h"
#include "common/SchemaSetup.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"

#include <QGroupBox>
#include <QLabel>

namespace kav {
namespace {
// Per table, in creation order: the name in the status text and the message
// when its creation fails.
struct TableTexts {
    const char* statusName;
    const char* failure;
};
const TableTexts kTexts[] = {
    {"user", "错误!用户储蓄表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"shop_user", "错误!购买储蓄表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"shop", "错误!商品储蓄表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"save_money", "错误!折扣储蓄表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"QQ", "错误!管理联系表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"message", "错误!网站公告表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"class", "错误!商品类别表导入失败,表存在或其余原因！解决方案可联系作者!"},
    {"cdk", "错误!卡号卡密表导入失败,表存在或其余原因！解决方案可联系作者!"},
};
constexpr int kQqIndex = 4;
}  // namespace

SchemaImportWindow::SchemaImportWindow(Console& console, QWidget* parent) : QDialog(parent), console_(console)
{
    setObjectName(QStringLiteral("SchemaImportWindow"));
    setWindowTitle(QStringLiteral("导入数据库文件"));
    setFixedSize(274, 333);
    auto* group = new QGroupBox(QStringLiteral("导入数据库状态"), this);
    group->setGeometry(4, 4, 266, 303);
    status_ = new QLabel(QStringLiteral("正在导入数据库,请稍候......"), group);
    status_->setObjectName(QStringLiteral("statusLabel"));
    status_->setGeometry(13, 24, 240, 266);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setWordWrap(true);
    connect(&timer_, &QTimer::timeout, this, &SchemaImportWindow::askForAdministrator);
}

QString SchemaImportWindow::statusText() const { return status_->text(); }

QString SchemaImportWindow::fullSuccessText()
{
    QStringList lines;
    for (const auto& t : kTexts)
        lines << QString::fromUtf8(t.statusName) + QStringLiteral("表自动导入成功...");
    return lines.join(QStringLiteral("\r\n\r\n"));
}

bool SchemaImportWindow::runImport()
{
    ProgramContext& context = console_.context();
    if (!ui::loadProgramSettings(context, QStringLiteral("系统文件缺失!")))
        return false;
    StoreConnection& connection = context.connection();
    connection.connect(context.settings());  // the program connection from now on

    const QString initFailed = QStringLiteral("初始化失败,请手工初始化....");
    const auto states = schema::inspect(connection);
    if (!states) {
        MessageBox::show(initFailed, MessageBox::kSystemTitle, MessageBox::Stop);
        return false;
    }
    // Stored rows are never removed unasked.
    bool replaceExisting = true;
    const QStringList withRows = schema::tablesWithRows(*states);
    if (!withRows.isEmpty()) {
        replaceExisting = MessageBox::ask(
            QStringLiteral("数据库中以下表已有数据：%1。\n继续导入将删除这些表以及其中的全部数据！\n\n"
                           "是否删除并重新导入？（选择“否”将保留已有的表和数据,只创建缺少的表）")
                .arg(withRows.join(QStringLiteral("、"))),
            MessageBox::kSystemTitle, MessageBox::YesNo | MessageBox::Exclamation);
    }
    QStringList existing;
    for (const auto& s : *states)
        if (s.exists)
            existing << s.table;
    if (replaceExisting && !schema::dropTables(connection, existing)) {
        MessageBox::show(initFailed, MessageBox::kSystemTitle, MessageBox::Stop);
        return false;
    }
    MessageBox::show(QStringLiteral("初始化成功....等待写入数据库...."), MessageBox::kSystemTitle, MessageBox::Information);

    QStringList lines;
    for (int i = 0; i < int(states->size()); ++i) {
        const QString name = QString::fromUtf8(kTexts[i].statusName);
        if (!replaceExisting && (*states)[size_t(i)].exists) {
            lines << name + QStringLiteral("表已存在,原有数据已保留...");
        } else {
            if (!schema::createTable(connection, i)) {
                MessageBox::show(QString::fromUtf8(kTexts[i].failure), MessageBox::kSystemTitle, MessageBox::Stop);
                return false;
            }
            lines << name + QStringLiteral("表自动导入成功...");
        }
        if (i == kQqIndex)
            schema::addDefaultContactIfEmpty(connection);
    }
    status_->setText(lines.join(QStringLiteral("\r\n\r\n")));
    MessageBox::show(QStringLiteral("所有表导入成功...！"), MessageBox::kKindTitle, MessageBox::Information);
    timer_.start(1000);
    return true;
}

void SchemaImportWindow::askForAdministrator()
{
    timer_.stop();
    while (!MessageBox::ask(QStringLiteral("是否配置管理员？只有配置管理员才能使用哦~"), MessageBox::kKindTitle)) {
        if (console_.context().ending())
            return;
        MessageBox::show(QStringLiteral("亲，一定要配置管理员哦~"), MessageBox::kSystemTitle, MessageBox::Stop);
    }
    close();
    console_.openSetup();
}

}  // namespace kav
