#pragma once
#include <QDialog>
#include <QTimer>

class QLineEdit;

namespace kav {
class Console;

// "配置数据库": where the operator says which MariaDB/MySQL server and
// database the shop uses. Saves the settings file, tests a connection and
// hands over to the schema import.
class DatabaseConfigWindow : public QDialog {
    Q_OBJECT
public:
    explicit DatabaseConfigWindow(Console& console, QWidget* parent = nullptr);

    // The opening prompts, the primer on the desktop and its timer. False
    // when the operator declined and the console ends.
    bool greet();
    void showPrimer();  // the timer's one tick
    void configure();   // "点击配置"
    void contactAuthor();

    static QString primerFileName();
    static QByteArray primerText();  // GBK with CRLF line ends

    QTimer& primerTimer() { return primerTimer_; }

private:
    Console& console_;
    QLineEdit* ip_;
    QLineEdit* user_;
    QLineEdit* database_;
    QLineEdit* password_;
    QLineEdit* port_;
    QTimer primerTimer_;
};

}  // namespace kav
