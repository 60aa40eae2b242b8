#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

namespace kav {
class ProgramContext;

// The upgrade window: shows the release notes and downloads the new program
// to the desktop while it opens. It has no buttons; closing it ends the
// program.
class UpgradeWindow : public QDialog {
    Q_OBJECT
public:
    UpgradeWindow(ProgramContext& context, const QString& title, QWidget* parent = nullptr);

    // The work done while the window opens: notes and download.
    void fetch();
    QString notes() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& context_;
    QLabel* notes_;
    QProgressBar* progress_;
};

}  // namespace kav
