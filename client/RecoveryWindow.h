#pragma once
#include <QWidget>

class QLineEdit;

namespace kav {
class Client;

// "找回密码": a new password for an account whose security password the
// customer knows. Opened from the login window (for a customer who cannot
// log in) or from the goods area (to change a password; the client ends
// after a change).
class RecoveryWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { FromLogin, FromGoodsArea };
    RecoveryWindow(Client& client, Mode mode, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    void changePassword();  // "修改密码"
    void cancel();          // "取消返回"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Client& client_;
    Mode mode_;
    QLineEdit* account_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* security_;
    bool leaving_ = false;
};

}  // namespace kav
