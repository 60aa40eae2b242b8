#pragma once
#include <QPointer>
#include <functional>
#include <memory>

namespace kav {
class ProgramContext;
class LoginWindow;
class GoodsAreaWindow;
class RegistrationWindow;
class RecoveryWindow;

// The client's windows and the ways between them. main() (or a test) creates
// one over a program context; windows reach each other through it.
class Client {
public:
    explicit Client(ProgramContext& context);
    ~Client();

    ProgramContext& context() { return context_; }
    LoginWindow& loginWindow() { return *login_; }
    GoodsAreaWindow* goodsArea();
    RegistrationWindow* registrationWindow();
    RecoveryWindow* recoveryWindow();

    // Start-up up to the login window; false when the client must end.
    bool start();

    void openRegistration();       // from the login window
    void openLoginRecovery();      // from the login window
    void openGoodsAreaRecovery();  // from the goods area
    // After a login; back to the login window when the marker names nobody.
    void openGoodsArea();
    // "换号登陆": the goods area goes, the login window comes back.
    void switchAccount();
    void showLogin();

private:
    ProgramContext& context_;
    std::unique_ptr<LoginWindow> login_;
    QPointer<GoodsAreaWindow> goods_;
    QPointer<RegistrationWindow> registration_;
    QPointer<RecoveryWindow> recovery_;
};

}  // namespace kav
