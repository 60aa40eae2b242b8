#include "ContactPrompt.h"

#include "common/ChatLink.h"
#include "common/ProgramContext.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>

namespace kav {

namespace {
QString countdownFor(int seconds)
{
    return QStringLiteral("该窗口将于") + QString::number(seconds) + QStringLiteral("秒后自动关闭!");
}
}  // namespace

ContactPrompt::ContactPrompt(ProgramContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("ContactPrompt"));
    setWindowTitle(QStringLiteral("系统提示"));
    setFixedSize(290, 142);
    auto* group = new QGroupBox(this);
    group->setGeometry(0, 0, 281, 113);
    auto* question = ui::label(group, QStringLiteral("请问您有什么需要联系管理帮助的吗？"), {7, 22, 257, 48});
    question->setObjectName(QStringLiteral("questionLabel"));
    countdown_ = ui::label(group, countdownFor(secondsLeft_), {9, 8, 149, 24});
    countdown_->setObjectName(QStringLiteral("countdownLabel"));
    auto* yes = ui::button(group, QStringLiteral("needButton"), QStringLiteral("需要的"), {37, 66, 80, 32});
    auto* no = ui::button(this, QStringLiteral("noNeedButton"), QStringLiteral("不需要"), {138, 66, 80, 32});
    connect(yes, &QPushButton::clicked, this, &ContactPrompt::contact);
    connect(no, &QPushButton::clicked, this, &ContactPrompt::decline);
    connect(&timer_, &QTimer::timeout, this, &ContactPrompt::countDown);
    timer_.start(1000);
}

QString ContactPrompt::countdownText() const { return countdown_->text(); }

void ContactPrompt::countDown()
{
    --secondsLeft_;
    countdown_->setText(countdownFor(secondsLeft_));
    if (secondsLeft_ <= 0) {
        timer_.stop();
        close();
    }
}

void ContactPrompt::contact()
{
    QString number;
    if (auto result = context_.connection().query(Statement("select * from `qq` where `qq`<>''")))
        firstRowRead(*result, [&](const StoreResult& row) { row.readField(QStringLiteral("qq"), number); });
    context_.platform().openUrl(chatLink(number));
}

void ContactPrompt::decline()
{
    // The countdown goes on while the question is open; it may have closed
    // the prompt meanwhile.
    if (MessageBox::ask(QStringLiteral("是否不需要帮助?")) && isVisible())
        close();
}

}  // namespace kav
