#include "UpgradeWindow.h"

#include "MessageBox.h"
#include "common/ProgramContext.h"
#include "common/update/Manifest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>

namespace kav {

UpgradeWindow::UpgradeWindow(ProgramContext& context, const QString& title, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("UpgradeWindow"));
    setWindowTitle(title);
    setFixedSize(373, 250);
    auto* group = new QGroupBox(this);
    group->setGeometry(0, 0, 373, 250);
    notes_ = new QLabel(group);
    notes_->setObjectName(QStringLiteral("notesLabel"));
    notes_->setGeometry(10, 10, 352, 201);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setWordWrap(true);
    progress_ = new QProgressBar(group);
    progress_->setObjectName(QStringLiteral("downloadProgressBar"));
    progress_->setGeometry(10, 218, 352, 22);
    progress_->setAccessibleName(QStringLiteral("下载进度"));
    progress_->hide();
}

QString UpgradeWindow::notes() const { return notes_->text(); }

void UpgradeWindow::fetch()
{
    const QStringList elements = update::fetchManifest().value_or(QStringList());
    if (elements.size() >= 2)
        notes_->setText(elements.at(1));
    if (elements.size() < 3) {
        MessageBox::show(QStringLiteral("本次升级没有提供下载地址,无法自动下载,请联系作者:Orvane获取新版本!"),
                         MessageBox::kSystemTitle, MessageBox::Exclamation);
        return;
    }
    progress_->show();
    progress_->setRange(0, 0);
    const update::HttpResult download = update::httpGet(elements.at(2).trimmed(), [this](qint64 done, qint64 total) {
        if (total > 0) {
            progress_->setRange(0, 1000);
            progress_->setValue(static_cast<int>(done * 1000 / total));
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    bool written = false;
    if (download.ok) {
        const QString target = Platform::join(context_.platform().desktopDirectory(), update::kDownloadName);
        QSaveFile file(target);
        written = file.open(QIODevice::WriteOnly) && file.write(download.body) == download.body.size() && file.commit();
    }
    progress_->setRange(0, 1000);
    progress_->setValue(written ? 1000 : 0);
    if (written)
        MessageBox::show(QStringLiteral("下载成功,请在桌面允许程序!"), MessageBox::kSystemTitle, MessageBox::Information);
    else
        MessageBox::show(QStringLiteral("下载更新失败,请联系作者:Orvane!"), MessageBox::kSystemTitle, MessageBox::Stop);
}

void UpgradeWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    context_.endProgram();
}

}  // namespace kav
