#pragma once
#include <QWidget>

class QLineEdit;

namespace kav {
class Client;

// "用户注册": a new customer account at the lowest member level, purchases
// allowed, balance 0.
class RegistrationWindow : public QWidget {
    Q_OBJECT
public:
    explicit RegistrationWindow(Client& client, QWidget* parent = nullptr);

    void registerAccount();  // "确定注册"
    void backToLogin();      // "返回登陆"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Client& client_;
    QLineEdit* account_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* security_;
    bool leaving_ = false;
};

}  // namespace kav
