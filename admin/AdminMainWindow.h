#pragma once
#include <QTimer>
#include <QWidget>

class QLabel;

namespace kav {
class Console;

// "管理窗口 - BY:Orvane": the administrator's information and every tool of
// the console. Closing it ends the console.
class AdminMainWindow : public QWidget {
    Q_OBJECT
public:
    explicit AdminMainWindow(Console& console, QWidget* parent = nullptr);

    // The work of opening: false (after telling the operator) when the
    // marker names no administrator; the window then must not be shown.
    bool open();
    void tick();  // the one-second clock

    void randomSkinOn();   // "随机皮肤" click
    void randomSkinOff();  // "随机皮肤" double-click

    QTimer& timer() { return timer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Console& console_;
    QLabel* clock_;
    QLabel* registered_;
    QLabel* thisAddress_;
    QLabel* lastAddress_;
    QTimer timer_;
};

}  // namespace kav
