#pragma once
#include "core/cloneprogress.h"
#include "core/diskinfo.h"
#include "core/logger.h"
#include "core/tessarin.h"

#include <QWidget>
#include <functional>

class CloneEngine;
class CloneOptionsPage;
class CloneProgressPage;
class DiskCard;
class DiskManager;
class PartitionCard;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;
class SelectSourcePage;
class SelectTargetPage;
class SidebarWidget;
class UdevMonitor;

// The program's only window: frameless, a sidebar, the four wizard pages and a navigation bar.
class MainWindow : public QWidget {
    Q_OBJECT
    friend class ScreenshotTour;
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Tessarin::CloneModeType mode() const { return m_mode; }
    int step() const { return m_step; }
    const DiskInfo& sourceDisk() const { return m_sourceDisk; }
    const DiskInfo& targetDisk() const { return m_targetDisk; }
    const PartitionInfo& sourcePartition() const { return m_sourcePartition; }
    const QList<DiskInfo>& disks() const { return m_disks; }
    DiskManager* diskManager() const { return m_diskManager; }
    CloneEngine* engine() const { return m_engine; }
    QTimer* deviceChangeTimer() const { return m_deviceTimer; }

    SelectSourcePage* sourcePage() const { return m_sourcePage; }
    SelectTargetPage* targetPage() const { return m_targetPage; }
    CloneOptionsPage* optionsPage() const { return m_optionsPage; }
    CloneProgressPage* progressPage() const { return m_progressPage; }
    QPushButton* nextButton() const { return m_btnNext; }
    QPushButton* prevButton() const { return m_btnPrev; }
    QLabel* stepCounter() const { return m_stepCounter; }
    QWidget* navigationBar() const { return m_navBar; }
    QWidget* titleBar() const { return m_titleBar; }

    // A clone has been started and has not finished.
    bool isCloneRunning() const;
    // A device arrived or left: (re)start the one-second timer.
    void deviceEventReceived();
    // Adds one coloured line of the window's own to the log view.
    void appendLog(const QString& message, const QString& levelText);

    // Stores `code` as the interface language and restarts the program, unless it is the language
    // in use already. True when a restart was asked for.
    bool chooseLanguage(const QString& code);
    // Starts the program again (detached, same arguments) and quits; tests replace it.
    using RestartFunction =
        std::function<void(const QString& program, const QStringList& arguments, const QString& directory)>;
    static void setRestartFunction(RestartFunction function);

    static QString timeLeftText(const CloneProgress& progress);
    static QString speedText(const CloneProgress& progress);
    static QString levelColour(const QString& levelText);
    static QString logLineHtml(const QString& time, const QString& colour, const QString& level,
                               const QString& message);

signals:
    void logMessageReceived(const QString& message, Logger::Level level);

public slots:
    void onDiskModeClicked();
    void onSystemModeClicked();
    void onPartitionModeClicked();
    void onTitleMenuClicked();
    void onLogMessage(const QString& message, Logger::Level level);
    void onPrevClicked();
    void onNextClicked();
    void onSourceDiskCardClicked(DiskCard* card);
    void onTargetDiskCardClicked(DiskCard* card);
    void onSourcePartitionCardClicked(PartitionCard* card);
    void onDiskGroupToggled(int diskNumber);
    void onDeviceChanged();
    void onCloneSettingsClicked();
    void onBootModeSettingsClicked();
    void onSpaceAllocationSettingsClicked();
    void onCloneProgress(const CloneProgress& progress);
    void onCloneStatusChanged(Tessarin::CloneStatus status);
    void onCloneFinished(bool success, const QString& message);
    void onCloneError(const QString& error);
    void onCancelClicked();
    void onFinishClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void setupUi();
    QWidget* buildSidebar();
    QWidget* buildTitleBar();
    QWidget* buildNavigationBar();
    void setupConnections();
    void setMode(Tessarin::CloneModeType mode);
    void goToStep(int step);
    void refreshSidebar();
    void refreshNavigation();
    void refreshModeButtons();
    void rebuildCurrentList();
    void buildSourceList();
    void buildSourcePartitionList();
    void buildTargetList();
    void clearList(class QVBoxLayout* list);
    void addEmptyNote(class QVBoxLayout* list, const QString& text);
    void fillOptionsSummary();
    void startClone();
    void registerDeviceNotification();
    void unregisterDeviceNotification();
    void applyNativeFrame();

    Tessarin::CloneModeType m_mode = Tessarin::CloneModeType::SystemClone;
    int m_step = 0;
    DiskInfo m_sourceDisk;
    DiskInfo m_targetDisk;
    PartitionInfo m_sourcePartition;
    bool m_smartClone = true;
    bool m_align4K = true;
    bool m_sectorBySector = false;
    Tessarin::TargetBootMode m_targetBootMode = Tessarin::TargetBootMode::Uefi;
    Tessarin::ResizeMode m_resizeMode = Tessarin::ResizeMode::KeepAndCreateData;
    QString m_dataPartitionLabel = QStringLiteral("Data");
    QList<DiskInfo> m_disks;

    DiskCard* m_selectedSourceCard = nullptr;
    DiskCard* m_selectedTargetCard = nullptr;
    PartitionCard* m_selectedPartitionCard = nullptr;

    DiskManager* m_diskManager = nullptr;
    CloneEngine* m_engine = nullptr;
    QTimer* m_deviceTimer = nullptr;
    UdevMonitor* m_udevMonitor = nullptr;
    void* m_deviceNotification = nullptr;

    QWidget* m_titleBar = nullptr;
    QPushButton* m_btnMenu = nullptr;
    QPushButton* m_btnMinimize = nullptr;
    QPushButton* m_btnClose = nullptr;
    QPushButton* m_btnDiskMode = nullptr;
    QPushButton* m_btnSystemMode = nullptr;
    QPushButton* m_btnPartitionMode = nullptr;
    QList<QLabel*> m_stepDots;
    QList<QLabel*> m_stepLabels;
    QStackedWidget* m_stack = nullptr;
    SelectSourcePage* m_sourcePage = nullptr;
    SelectTargetPage* m_targetPage = nullptr;
    CloneOptionsPage* m_optionsPage = nullptr;
    CloneProgressPage* m_progressPage = nullptr;
    QWidget* m_bootModeFrame = nullptr;
    QWidget* m_spaceFrame = nullptr;
    QLabel* m_bootModeSummary = nullptr;
    QLabel* m_spaceSummary = nullptr;
    QPushButton* m_btnBootMode = nullptr;
    QPushButton* m_btnSpace = nullptr;
    QWidget* m_navBar = nullptr;
    QPushButton* m_btnPrev = nullptr;
    QPushButton* m_btnNext = nullptr;
    QLabel* m_stepCounter = nullptr;
};
