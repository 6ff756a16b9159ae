#pragma once

#include <QDialog>
#include <functional>

#include "app/AppState.h"
#include "link/LinkViews.h"

class QLabel;
class QProgressBar;

namespace mox {

// The modal progress window of a read or a write. It has no cancel button, and the user cannot close
// it: the transfer closes it when it ends.
class FrmProgress : public QDialog {
    Q_OBJECT
public:
    FrmProgress(const AppState& state, const QString& caption, QWidget* parent);
    // The caption, with the window made wide enough to show it whole.
    void SetCaption(const QString& caption);
    void SetPercent(int percent);
    // Closes the window from the program's side.
    void Finish();

    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_finishing = false;
};

// The link's progress window on Qt: one FrmProgress for each read or write.
class ProgressWindow : public ProgressView {
public:
    ProgressWindow(const AppState& state, std::function<QWidget*()> parent);
    void OpenModal(const std::string& caption, std::function<void()> onShown) override;
    void SetCaption(const std::string& caption) override;
    void SetPercent(int percent) override;
    void Close() override;

private:
    const AppState& m_state;
    std::function<QWidget*()> m_parent;
    FrmProgress* m_window = nullptr;
};

}  // namespace mox
