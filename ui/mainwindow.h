#pragma once
#include "core/cloneprogress.h"
#include "core/diskinfo.h"
#include "core/logger.h"
#include "core/tessarin.h"
#include "ui/wizardstate.h"

#include <QWidget>

class CloneEngine;
class CloneOptionsPage;
class CloneProgressPage;
class DeviceWatcher;
class DiskManager;
class QLabel;
class QPushButton;
class QStackedWidget;
class SelectSourcePage;
class SelectTargetPage;

// The program's only window: frameless, a sidebar, the four wizard pages and a navigation bar.
// The pages show and report choices; the wizard state holds them and says when a step may be left.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int ProgressStep = 3;

    Tessarin::CloneModeType mode() const { return m_state.mode(); }
    int step() const { return m_step; }
    const WizardState& state() const { return m_state; }
    const QList<DiskInfo>& disks() const { return m_disks; }
    DiskManager* diskManager() const { return m_diskManager; }
    CloneEngine* engine() const { return m_engine; }
    DeviceWatcher* deviceWatcher() const { return m_deviceWatcher; }

    SelectSourcePage* sourcePage() const { return m_sourcePage; }
    SelectTargetPage* targetPage() const { return m_targetPage; }
    CloneOptionsPage* optionsPage() const { return m_optionsPage; }
    CloneProgressPage* progressPage() const { return m_progressPage; }
    QPushButton* nextButton() const { return m_btnNext; }
    QPushButton* prevButton() const { return m_btnPrev; }
    QWidget* navigationBar() const { return m_navBar; }

    // A clone has been started and has not finished.
    bool isCloneRunning() const;

signals:
    void logMessageReceived(const QString& message, Logger::Level level);

public slots:
    void setMode(Tessarin::CloneModeType mode);
    void onPrevClicked();
    void onNextClicked();
    void onCancelClicked();
    void onFinishClicked();
    void onResumeClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The engine's checks and plan for `config`; a refusal is shown on the options page.
    bool planRun(const CloneConfig& config);
    void setupUi();
    QWidget* buildSidebar();
    QWidget* buildTitleBar();
    QWidget* buildNavigationBar();
    void setupConnections();
    void goToStep(int step);
    void refreshSidebar();
    void refreshNavigation();
    void refreshModeButtons();
    void showCurrentList();
    void placeNavigationLastInTabOrder();
    void focusCurrentPage();
    void startClone();
    void onTitleMenuClicked();
    void onLogMessage(const QString& message, Logger::Level level);
    void onDevicesChanged();

    WizardState m_state;
    int m_step = 0;
    QList<DiskInfo> m_disks;

    DiskManager* m_diskManager = nullptr;
    CloneEngine* m_engine = nullptr;
    DeviceWatcher* m_deviceWatcher = nullptr;

    QWidget* m_titleBar = nullptr;
    QPushButton* m_btnMenu = nullptr;
    QPushButton* m_btnMinimize = nullptr;
    QPushButton* m_btnClose = nullptr;
    QList<QPushButton*> m_modeButtons;
    QList<QLabel*> m_stepDots;
    QList<QLabel*> m_stepLabels;
    QStackedWidget* m_stack = nullptr;
    SelectSourcePage* m_sourcePage = nullptr;
    SelectTargetPage* m_targetPage = nullptr;
    CloneOptionsPage* m_optionsPage = nullptr;
    CloneProgressPage* m_progressPage = nullptr;
    QWidget* m_navBar = nullptr;
    QPushButton* m_btnPrev = nullptr;
    QPushButton* m_btnNext = nullptr;
    QLabel* m_stepCounter = nullptr;
};
