#pragma once
#include <QDialog>

class QLineEdit;

namespace kav {
class ProgramContext;

// "修改密码 - BY:Orvane": a new login password for the named account,
// proved by that account's security password. A change ends the console.
class PasswordChangeWindow : public QDialog {
    Q_OBJECT
public:
    explicit PasswordChangeWindow(ProgramContext& context, QWidget* parent = nullptr);

    void change();  // "修改密码"
    void cancel();  // "取消返回"

private:
    ProgramContext& context_;
    QLineEdit* name_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* security_;
};

}  // namespace kav
