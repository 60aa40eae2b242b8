#pragma once
#include <QWidget>
#include <functional>

class QLineEdit;

namespace kav {
class ProgramContext;

// "管理员登陆 - BY:Orvane": only administrators (level 1) get in. Hidden,
// never destroyed, while the console runs.
class AdminLoginWindow : public QWidget {
    Q_OBJECT
public:
    explicit AdminLoginWindow(ProgramContext& context, QWidget* parent = nullptr);

    std::function<void()> openMainWindow;  // set by main() once it exists

    void login();
    void contactAuthor();
    // Name of the administrator who logged in during this run, if any.
    QString loggedInName() const { return loggedInName_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& context_;
    QLineEdit* name_;
    QLineEdit* password_;
    QString loggedInName_;
};

}  // namespace kav
