#pragma once
#include <QDialog>
#include <QTimer>

class QLabel;

namespace kav {
class Console;

// "导入数据库文件": creates the shop's eight tables on the configured
// database, then leads the operator to create the first administrator.
// Tables that hold rows are only removed when the operator agrees.
class SchemaImportWindow : public QDialog {
    Q_OBJECT
public:
    explicit SchemaImportWindow(Console& console, QWidget* parent = nullptr);

    // The work done while the window opens. True when every table is in
    // place (the administrator prompt follows a second later).
    bool runImport();
    void askForAdministrator();  // the timer's one tick

    QString statusText() const;
    QTimer& timer() { return timer_; }

    static QString fullSuccessText();

private:
    Console& console_;
    QLabel* status_;
    QTimer timer_;
};

}  // namespace kav
