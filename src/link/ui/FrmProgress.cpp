#include "link/ui/FrmProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/TitleBarWidth.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kWidthTwips = 5500;

}  // namespace

FrmProgress::FrmProgress(const AppState& state, const QString& caption, QWidget* parent) : QDialog(parent) {
    const auto Tr = [&state](int number) { return UiText(state, number); };
    setObjectName("FrmProgress");
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    Label1 = new QLabel(Tr(9029), this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("0%", this);
    Label2->setObjectName("Label2");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto* labels = new QHBoxLayout;
    labels->setSpacing(TwipsToPixels(10));
    labels->addStretch();
    labels->addWidget(Label1);
    labels->addWidget(Label2);
    labels->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labels);
    layout->addWidget(ProgressBar1);
    SetCaption(caption);
}

// The settings search puts a long caption on the window while it runs.
void FrmProgress::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    setMinimumWidth(std::max(TwipsToPixels(kWidthTwips), TitleBarWidth(caption)));
}

void FrmProgress::SetPercent(int percent) {
    ProgressBar1->setValue(percent);
    Label2->setText(QString::number(percent) + "%");
}

void FrmProgress::Finish() {
    m_finishing = true;
    done(QDialog::Accepted);
}

void FrmProgress::reject() {
    // Escape must not leave a transfer running without its window.
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

ProgressWindow::ProgressWindow(const AppState& state, std::function<QWidget*()> parent)
    : m_state(state), m_parent(std::move(parent)) {}

void ProgressWindow::OpenModal(const std::string& caption, std::function<void()> onShown) {
    FrmProgress window(m_state, QString::fromStdString(caption), m_parent());
    m_window = &window;
    QTimer::singleShot(0, &window, [start = std::move(onShown)] { start(); });
    window.exec();
    m_window = nullptr;
}

void ProgressWindow::SetCaption(const std::string& caption) {
    if (m_window != nullptr)
        m_window->SetCaption(QString::fromStdString(caption));
}

void ProgressWindow::SetPercent(int percent) {
    if (m_window != nullptr)
        m_window->SetPercent(percent);
}

void ProgressWindow::Close() {
    if (m_window != nullptr)
        m_window->Finish();
}

}  // namespace mox
