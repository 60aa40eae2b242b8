#pragma once
#include <QDialog>

class QLineEdit;

namespace kav {
class Console;

// "配置管理 - BY:Orvane": creates an administrator account (level 1). The
// login window is hidden while it is open and shown again when it closes.
class AdminSetupWindow : public QDialog {
    Q_OBJECT
public:
    explicit AdminSetupWindow(Console& console, QWidget* parent = nullptr);

    void setUp();  // "配置管理"
    void contactAuthor();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Console& console_;
    QLineEdit* name_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* security_;
    bool done_ = false;
};

}  // namespace kav
