#pragma once
#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QTreeWidget;

namespace kav {
class Client;

// "商品专区": the customer's main window — goods on sale, notices and an
// account panel a one-second timer keeps current; every other customer
// function starts here.
class GoodsAreaWindow : public QWidget {
    Q_OBJECT
public:
    explicit GoodsAreaWindow(Client& client, QWidget* parent = nullptr);

    // The work of opening. False (after telling the customer) when the
    // login marker names nobody: the window then shows no account's data.
    bool open();
    void refreshAccountPanel();  // the timer's tick
    void showNotice();           // double-click on a notice
    void contactAdministrator(); // "提升等级" and "联系管理"

    QString accountName() const { return accountName_; }
    QTimer& timer() { return timer_; }
    QTreeWidget* goodsList() const { return goods_; }
    QListWidget* noticesList() const { return notices_; }

    // The goods list holds rows from the store; fill it in one go (the
    // newest-first result ends up in ascending order).
    void fillGoods();
    void fillNotices();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Client& client_;
    QTreeWidget* goods_;
    QListWidget* notices_;
    QLabel* balance_;
    QLabel* level_;
    QLabel* address_;
    QLabel* time_;
    QTimer timer_;
    QString accountName_;
    qint64 balanceValue_ = 0;
    int levelCode_ = 0;
    QString contactNumber_;
};

}  // namespace kav
