#pragma once
#include <QDialog>
#include <QTimer>

class QLabel;

namespace kav {
class ProgramContext;

// "系统提示": asks whether the customer needs the administrator's help and
// opens the chat link if so. Closes itself after ten seconds.
class ContactPrompt : public QDialog {
    Q_OBJECT
public:
    explicit ContactPrompt(ProgramContext& context, QWidget* parent = nullptr);

    void countDown();  // the timer's tick
    void contact();    // "需要的"
    void decline();    // "不需要"

    int secondsLeft() const { return secondsLeft_; }
    QString countdownText() const;
    QTimer& timer() { return timer_; }

private:
    ProgramContext& context_;
    QLabel* countdown_;
    QTimer timer_;
    int secondsLeft_ = 10;
};

}  // namespace kav
