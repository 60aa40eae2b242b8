#pragma once
#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kav {
class ProgramContext;

// "用户登录": the customer's entry point. Never destroyed while the client
// runs; the windows that lead back to login only show it again.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoginWindow(ProgramContext& context, QWidget* parent = nullptr);

    // Windows this one opens; set by main() once they exist.
    std::function<void()> openRegistration;
    std::function<void()> openRecovery;
    std::function<void()> openGoodsArea;

    void login();
    void contactAdministrator();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& context_;
    QLineEdit* account_;
    QLineEdit* password_;
};

}  // namespace kav
