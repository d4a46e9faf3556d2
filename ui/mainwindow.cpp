#include "ui/mainwindow.h"

#include "core/diskmanager.h"
#include "engine/cloneengine.h"
#include "links/linkmanager.h"
#include "ui/bootmodedialog.h"
#include "ui/cloneoptionspage.h"
#include "ui/cloneprogresspage.h"
#include "ui/clonesettingsdialog.h"
#include "ui/circularprogress.h"
#include "ui/diskcard.h"
#include "ui/diskgroupheader.h"
#include "ui/kestrellogo.h"
#include "ui/languagesetup.h"
#include "ui/menubutton.h"
#include "ui/partitioncard.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/sidebarwidget.h"
#include "ui/spaceallocationdialog.h"
#include "ui/udevmonitor.h"
#include "ui/uiresources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#include <dbt.h>
#include <dwmapi.h>
#include <windowsx.h>
#endif

namespace {
const char* const ModeButtonActive =
    "QPushButton { background: rgba(255,255,255,0.20); color: white; border: 1px solid rgba(255,255,255,0.45);"
    " border-radius: 10px; text-align: left; padding: 10px 14px; font-size: 14px; font-weight: bold; }";
const char* const ModeButtonPlain =
    "QPushButton { background: transparent; color: rgba(255,255,255,0.85); border: 1px solid transparent;"
    " border-radius: 10px; text-align: left; padding: 10px 14px; font-size: 14px; }"
    "QPushButton:hover { background: rgba(255,255,255,0.10); }"
    "QPushButton:disabled { color: rgba(255,255,255,0.45); }";
const char* const TitleButton =
    "QPushButton { background: transparent; border: none; color: #374151; font-size: 14px; }"
    "QPushButton:hover { background: #F3F4F6; }";
const char* const CloseButton =
    "QPushButton { background: transparent; border: none; color: #374151; font-size: 14px; }"
    "QPushButton:hover { background: #E81123; color: white; }";
const char* const NextBlue =
    "QPushButton { background: #2563EB; color: white; border: none; border-radius: 8px; padding: 0 22px;"
    " font-size: 14px; font-weight: bold; } QPushButton:hover { background: #1D4ED8; }"
    " QPushButton:disabled { background: #93C5FD; }";
const char* const NextGreen =
    "QPushButton { background: #059669; color: white; border: none; border-radius: 8px; padding: 0 22px;"
    " font-size: 14px; font-weight: bold; } QPushButton:hover { background: #047857; }"
    " QPushButton:disabled { background: #6EE7B7; }";
const char* const PrevStyle =
    "QPushButton { background: white; color: #374151; border: 1px solid #D1D5DB; border-radius: 8px;"
    " padding: 0 18px; font-size: 14px; } QPushButton:hover { background: #F3F4F6; }";

bool isRunningStatus(Tessarin::CloneStatus s)
{
    return s == Tessarin::Preparing || s == Tessarin::CloningData || s == Tessarin::RepairingBoot
           || s == Tessarin::Verifying;
}
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    UiResources::init();
    Tessarin::registerMetaTypes();
    qRegisterMetaType<Logger::Level>("Logger::Level");
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Tessarin"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/logo.png")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(980, 680);

    m_diskManager = new DiskManager(this);
    m_engine = new CloneEngine(this);
    setupUi();
    refreshModeButtons();
    setupConnections();

    m_deviceTimer = new QTimer(this);
    m_deviceTimer->setSingleShot(true);
    m_deviceTimer->setInterval(1000);
    connect(m_deviceTimer, &QTimer::timeout, this, &MainWindow::onDeviceChanged);

    // Selecting the start mode also starts the first enumeration and shows step 0.
    setMode(m_mode);
    registerDeviceNotification();
    applyNativeFrame();
}

MainWindow::~MainWindow()
{
    Logger::instance().setCallback(nullptr);
    if (isCloneRunning())
        m_engine->cancel();
    unregisterDeviceNotification();
}

// ---------------------------------------------------------------- construction

void MainWindow::setupUi()
{
    setStyleSheet(QStringLiteral("QWidget#MainWindow { background: #F6F8FB; }"
                                 "QWidget#contentArea { background: #F6F8FB; }"
                                 "QLabel { background: transparent; }"));
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(buildSidebar());

    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("contentArea"));
    content->setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTitleBar());

    m_stack = new QStackedWidget(content);
    m_sourcePage = new SelectSourcePage(m_stack);
    m_targetPage = new SelectTargetPage(m_stack);
    m_optionsPage = new CloneOptionsPage(m_stack);
    m_progressPage = new CloneProgressPage(m_stack);
    m_stack->addWidget(m_sourcePage);
    m_stack->addWidget(m_targetPage);
    m_stack->addWidget(m_optionsPage);
    m_stack->addWidget(m_progressPage);
    column->addWidget(m_stack, 1);

    m_bootModeFrame = CloneOptionsPage::makeOptionCard(
        QStringLiteral("bootModeFrame"), QStringLiteral(":/icons/boot-mode.svg"), tr("Target boot mode"),
        BootModeDialog::modeText(int(m_targetBootMode)), &m_bootModeSummary, &m_btnBootMode, m_optionsPage);
    m_spaceFrame = CloneOptionsPage::makeOptionCard(
        QStringLiteral("spaceAllocationFrame"), QStringLiteral(":/icons/disk-space.svg"), tr("Target disk space"),
        SpaceAllocationDialog::modeText(int(m_resizeMode)), &m_spaceSummary, &m_btnSpace, m_optionsPage);
    m_optionsPage->cardsLayout()->addWidget(m_bootModeFrame);
    m_optionsPage->cardsLayout()->addWidget(m_spaceFrame);

    column->addWidget(buildNavigationBar());
    root->addWidget(content, 1);
}

QWidget* MainWindow::buildSidebar()
{
    auto* sidebar = new SidebarWidget(this);
    sidebar->setFixedWidth(232);
    auto* layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(8);

    auto* brand = new QHBoxLayout;
    brand->setSpacing(10);
    brand->addWidget(new KestrelLogo(sidebar));
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    auto* product = new QLabel(QStringLiteral("Tessarin"), sidebar);
    product->setStyleSheet(QStringLiteral("color: white; font-size: 19px; font-weight: bold;"));
    auto* tagline = new QLabel(tr("Disk cloning"), sidebar);
    tagline->setStyleSheet(QStringLiteral("color: rgba(255,255,255,0.70); font-size: 11px;"));
    names->addWidget(product);
    names->addWidget(tagline);
    brand->addLayout(names, 1);
    layout->addLayout(brand);
    layout->addSpacing(22);

    auto* modesCaption = new QLabel(tr("CLONE MODE"), sidebar);
    modesCaption->setStyleSheet(QStringLiteral("color: rgba(255,255,255,0.60); font-size: 11px; font-weight: bold;"));
    layout->addWidget(modesCaption);
    auto modeButton = [sidebar](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, sidebar);
        b->setObjectName(name);
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumHeight(42);
        return b;
    };
    m_btnDiskMode = modeButton(tr("Disk Clone"), QStringLiteral("btnDiskClone"));
    m_btnSystemMode = modeButton(tr("System Clone"), QStringLiteral("btnSystemClone"));
    m_btnPartitionMode = modeButton(tr("Partition Clone"), QStringLiteral("btnPartitionClone"));
    layout->addWidget(m_btnDiskMode);
    layout->addWidget(m_btnSystemMode);
    layout->addWidget(m_btnPartitionMode);
    layout->addSpacing(22);

    auto* stepsCaption = new QLabel(tr("STEPS"), sidebar);
    stepsCaption->setStyleSheet(modesCaption->styleSheet());
    layout->addWidget(stepsCaption);
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        row->setSpacing(10);
        auto* dot = new QLabel(QString::number(i + 1), sidebar);
        dot->setFixedSize(26, 26);
        dot->setAlignment(Qt::AlignCenter);
        auto* label = new QLabel(sidebar);
        label->setObjectName(QStringLiteral("stepLabel%1").arg(i));
        row->addWidget(dot);
        row->addWidget(label, 1);
        layout->addLayout(row);
        m_stepDots << dot;
        m_stepLabels << label;
    }
    layout->addStretch(1);
    auto* version = new QLabel(QStringLiteral("v%1").arg(QCoreApplication::applicationVersion()), sidebar);
    version->setStyleSheet(QStringLiteral("color: rgba(255,255,255,0.55); font-size: 11px;"));
    layout->addWidget(version);
    return sidebar;
}

QWidget* MainWindow::buildTitleBar()
{
    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_titleBar->setFixedHeight(32);
    m_titleBar->installEventFilter(this);
    auto* row = new QHBoxLayout(m_titleBar);
    row->setContentsMargins(16, 0, 0, 0);
    row->setSpacing(0);
    auto* caption = new QLabel(QStringLiteral("Tessarin"), m_titleBar);
    caption->setObjectName(QStringLiteral("titleCaption"));
    caption->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 12px;"));
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(caption);
    row->addStretch(1);
    m_btnMenu = new MenuButton(m_titleBar);
    m_btnMenu->setObjectName(QStringLiteral("btnTitleMenu"));
    m_btnMenu->setToolTip(tr("Menu"));
    m_btnMinimize = new QPushButton(QStringLiteral("—"), m_titleBar);
    m_btnMinimize->setObjectName(QStringLiteral("btnMinimize"));
    m_btnMinimize->setFixedSize(46, 32);
    m_btnMinimize->setStyleSheet(QString::fromLatin1(TitleButton));
    m_btnClose = new QPushButton(QStringLiteral("✕"), m_titleBar);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setFixedSize(46, 32);
    m_btnClose->setStyleSheet(QString::fromLatin1(CloseButton));
    row->addWidget(m_btnMenu);
    row->addWidget(m_btnMinimize);
    row->addWidget(m_btnClose);
    return m_titleBar;
}

QWidget* MainWindow::buildNavigationBar()
{
    m_navBar = new QWidget(this);
    m_navBar->setObjectName(QStringLiteral("navigationBar"));
    m_navBar->setFixedHeight(64);
    m_navBar->setAttribute(Qt::WA_StyledBackground);
    m_navBar->setStyleSheet(QStringLiteral("QWidget#navigationBar { background: white; border-top: 1px solid #E5E7EB; }"));
    auto* row = new QHBoxLayout(m_navBar);
    row->setContentsMargins(28, 12, 28, 12);
    m_btnPrev = new QPushButton(tr("←  Back"), m_navBar);
    m_btnPrev->setObjectName(QStringLiteral("btnPrev"));
    m_btnPrev->setMinimumHeight(40);
    m_btnPrev->setCursor(Qt::PointingHandCursor);
    m_btnPrev->setStyleSheet(QString::fromLatin1(PrevStyle));
    m_stepCounter = new QLabel(m_navBar);
    m_stepCounter->setObjectName(QStringLiteral("stepCounter"));
    m_stepCounter->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 13px;"));
    m_btnNext = new QPushButton(m_navBar);
    m_btnNext->setObjectName(QStringLiteral("btnNext"));
    m_btnNext->setMinimumSize(180, 40);
    m_btnNext->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_btnPrev);
    row->addStretch(1);
    row->addWidget(m_stepCounter);
    row->addSpacing(16);
    row->addWidget(m_btnNext);
    return m_navBar;
}

void MainWindow::setupConnections()
{
    connect(m_btnMenu, &QPushButton::clicked, this, &MainWindow::onTitleMenuClicked);
    connect(m_btnMinimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(m_btnDiskMode, &QPushButton::clicked, this, &MainWindow::onDiskModeClicked);
    connect(m_btnSystemMode, &QPushButton::clicked, this, &MainWindow::onSystemModeClicked);
    connect(m_btnPartitionMode, &QPushButton::clicked, this, &MainWindow::onPartitionModeClicked);
    connect(m_btnPrev, &QPushButton::clicked, this, &MainWindow::onPrevClicked);
    connect(m_btnNext, &QPushButton::clicked, this, &MainWindow::onNextClicked);
    connect(m_progressPage->cancelButton(), &QPushButton::clicked, this, &MainWindow::onCancelClicked);
    connect(m_progressPage->finishButton(), &QPushButton::clicked, this, &MainWindow::onFinishClicked);
    connect(m_optionsPage->settingsButton(), &QPushButton::clicked, this, &MainWindow::onCloneSettingsClicked);
    connect(m_btnBootMode, &QPushButton::clicked, this, &MainWindow::onBootModeSettingsClicked);
    connect(m_btnSpace, &QPushButton::clicked, this, &MainWindow::onSpaceAllocationSettingsClicked);

    connect(m_engine, &CloneEngine::progressChanged, this, &MainWindow::onCloneProgress);
    connect(m_engine, &CloneEngine::statusChanged, this, &MainWindow::onCloneStatusChanged);
    connect(m_engine, &CloneEngine::finished, this, &MainWindow::onCloneFinished);
    connect(m_engine, &CloneEngine::error, this, &MainWindow::onCloneError);

    // The logger may call from any thread: only emit, the queued connection brings it here.
    connect(this, &MainWindow::logMessageReceived, this, &MainWindow::onLogMessage, Qt::QueuedConnection);
    Logger::instance().setCallback(
        [this](const QString& message, Logger::Level level) { emit logMessageReceived(message, level); });

    connect(m_diskManager, &DiskManager::enumStarted, this, [this]() {
        m_btnNext->setEnabled(false);
        setCursor(Qt::WaitCursor);
    });
    connect(m_diskManager, &DiskManager::enumFinished, this, [this]() {
        m_btnNext->setEnabled(true);
        setCursor(Qt::ArrowCursor);
        refreshNavigation();
    });
    connect(m_diskManager, &DiskManager::diskListChanged, this, [this]() {
        m_disks = m_diskManager->disks();
        rebuildCurrentList();
        refreshNavigation();
    });
}

// ---------------------------------------------------------------- modes and steps

void MainWindow::onDiskModeClicked()
{
    setMode(Tessarin::CloneModeType::DiskClone);
}

void MainWindow::onSystemModeClicked()
{
    setMode(Tessarin::CloneModeType::SystemClone);
}

void MainWindow::onPartitionModeClicked()
{
    setMode(Tessarin::CloneModeType::PartitionClone);
}

void MainWindow::setMode(Tessarin::CloneModeType mode)
{
    m_mode = mode;
    m_step = 0;
    switch (mode) {
    case Tessarin::CloneModeType::DiskClone:
        m_sourcePage->titleLabel()->setText(tr("Step 1: Select source disk"));
        m_sourcePage->subtitleLabel()->setText(tr("Choose the disk to clone."));
        break;
    case Tessarin::CloneModeType::SystemClone:
        m_sourcePage->titleLabel()->setText(tr("Step 1: Select system disk"));
        m_sourcePage->subtitleLabel()->setText(tr("Choose the disk that contains the current Windows installation. "
                                                  "Only boot and system partitions are cloned."));
        break;
    case Tessarin::CloneModeType::PartitionClone:
        m_sourcePage->titleLabel()->setText(tr("Step 1: Select source partition"));
        m_sourcePage->subtitleLabel()->setText(tr("Choose the partition to clone."));
        break;
    }
    m_stepLabels[0]->setText(mode == Tessarin::CloneModeType::PartitionClone ? tr("Partition") : tr("Source"));
    m_stepLabels[1]->setText(tr("Target"));
    m_stepLabels[2]->setText(tr("Options"));
    refreshModeButtons();
    // The old lists belong to the old mode; forget their cards before they are rebuilt.
    rebuildCurrentList();
    m_diskManager->enumDisksAsync();
    goToStep(0);
}

void MainWindow::refreshModeButtons()
{
    m_btnDiskMode->setStyleSheet(QString::fromLatin1(
        m_mode == Tessarin::CloneModeType::DiskClone ? ModeButtonActive : ModeButtonPlain));
    m_btnSystemMode->setStyleSheet(QString::fromLatin1(
        m_mode == Tessarin::CloneModeType::SystemClone ? ModeButtonActive : ModeButtonPlain));
    m_btnPartitionMode->setStyleSheet(QString::fromLatin1(
        m_mode == Tessarin::CloneModeType::PartitionClone ? ModeButtonActive : ModeButtonPlain));
    const bool system = m_mode == Tessarin::CloneModeType::SystemClone;
    m_bootModeFrame->setVisible(system);
    m_spaceFrame->setVisible(system);
}

void MainWindow::goToStep(int step)
{
    m_step = step;
    m_stack->setCurrentIndex(qMin(step, 3));
    m_navBar->setVisible(step <= 2);
    refreshModeButtons();
    refreshSidebar();
    refreshNavigation();
}

void MainWindow::refreshSidebar()
{
    for (int i = 0; i < 3; ++i) {
        QString dotStyle;
        QString labelStyle;
        if (i < m_step) {
            m_stepDots[i]->setText(QStringLiteral("✓"));
            dotStyle = QStringLiteral("background: #34D399; color: white; border-radius: 13px; font-weight: bold;");
            labelStyle = QStringLiteral("color: rgba(255,255,255,0.85); font-size: 13px;");
        } else if (i == m_step) {
            m_stepDots[i]->setText(QString::number(i + 1));
            dotStyle = QStringLiteral("background: white; color: #175EB2; border-radius: 13px; font-weight: bold;");
            labelStyle = QStringLiteral("color: white; font-size: 13px; font-weight: bold;");
        } else {
            m_stepDots[i]->setText(QString::number(i + 1));
            dotStyle = QStringLiteral("background: transparent; color: rgba(255,255,255,0.6);"
                                      " border: 1px solid rgba(255,255,255,0.5); border-radius: 13px;");
            labelStyle = QStringLiteral("color: rgba(255,255,255,0.6); font-size: 13px;");
        }
        m_stepDots[i]->setStyleSheet(dotStyle);
        m_stepLabels[i]->setStyleSheet(labelStyle);
    }
}

void MainWindow::refreshNavigation()
{
    m_btnPrev->setVisible(m_step == 1 || m_step == 2);
    if (m_step >= 2) {
        m_btnNext->setText(tr("Start Clone  →"));
        m_btnNext->setStyleSheet(QString::fromLatin1(NextGreen));
    } else {
        m_btnNext->setText(tr("Next  →"));
        m_btnNext->setStyleSheet(QString::fromLatin1(NextBlue));
    }
    m_stepCounter->setText(tr("%1/3").arg(qMin(m_step + 1, 3)));
}

void MainWindow::onPrevClicked()
{
    if (m_step >= 1)
        goToStep(m_step - 1);
}

void MainWindow::onNextClicked()
{
    if (m_step == 0) {
        if (m_mode == Tessarin::CloneModeType::PartitionClone) {
            if (!m_sourcePartition.isValid()) {
                QMessageBox::warning(this, tr("Selection required"), tr("Please select a source partition."));
                return;
            }
        } else if (!m_sourceDisk.isValid()) {
            QMessageBox::warning(this, tr("Selection required"), tr("Please select a source disk."));
            return;
        }
        buildTargetList();
        goToStep(1);
    } else if (m_step == 1) {
        if (!m_targetDisk.isValid()) {
            QMessageBox::warning(this, tr("Selection required"), tr("Please select a target disk."));
            return;
        }
        fillOptionsSummary();
        goToStep(2);
    } else if (m_step == 2) {
        const bool partition = m_mode == Tessarin::CloneModeType::PartitionClone;
        const QString text = tr("Clone source %1: %2\nTarget disk: %3\n\nAll data on the target disk will be erased.\n"
                                "Continue?")
                                 .arg(partition ? tr("partition") : tr("disk"), m_optionsPage->sourceName()->text(),
                                      m_optionsPage->targetName()->text());
        const auto answer = QMessageBox::warning(this, tr("Confirm clone"), text,
                                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes)
            startClone();
    }
}

void MainWindow::fillOptionsSummary()
{
    if (m_mode == Tessarin::CloneModeType::PartitionClone) {
        m_optionsPage->sourceCaption()->setText(tr("Source partition"));
        m_optionsPage->sourceName()->setText(m_sourcePartition.displayName());
        m_optionsPage->sourceSize()->setText(m_sourcePartition.sizeString());
    } else {
        m_optionsPage->sourceCaption()->setText(tr("Source disk"));
        m_optionsPage->sourceName()->setText(m_sourceDisk.displayName());
        m_optionsPage->sourceSize()->setText(m_sourceDisk.sizeString());
    }
    m_optionsPage->targetName()->setText(m_targetDisk.displayName());
    m_optionsPage->targetSize()->setText(m_targetDisk.sizeString());
}

// ---------------------------------------------------------------- lists

void MainWindow::clearList(QVBoxLayout* list)
{
    // Everything but the trailing stretch goes.
    while (list->count() > 1) {
        QLayoutItem* item = list->takeAt(0);
        if (QWidget* w = item->widget())
            delete w;
        delete item;
    }
}

void MainWindow::addEmptyNote(QVBoxLayout* list, const QString& text)
{
    auto* note = new QLabel(text, list->parentWidget());
    note->setObjectName(QStringLiteral("emptyNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setMinimumHeight(120);
    note->setStyleSheet(QStringLiteral("color: #6B7280; font-size: 13px; border: 1px dashed #CBD5E1;"
                                       " border-radius: 12px;"));
    list->insertWidget(list->count() - 1, note);
}

void MainWindow::rebuildCurrentList()
{
    if (m_step == 0) {
        if (m_mode == Tessarin::CloneModeType::PartitionClone)
            buildSourcePartitionList();
        else
            buildSourceList();
    } else if (m_step == 1) {
        buildTargetList();
    }
}

void MainWindow::buildSourceList()
{
    QVBoxLayout* list = m_sourcePage->listLayout();
    m_selectedSourceCard = nullptr;
    clearList(list);
    const bool system = m_mode == Tessarin::CloneModeType::SystemClone;
    bool sourceStillThere = false;
    for (const DiskInfo& disk : std::as_const(m_disks)) {
        auto* card = new DiskCard(disk, system, list->parentWidget());
        if (m_sourceDisk.isValid() && disk.diskNumber == m_sourceDisk.diskNumber) {
            card->setSelected(true);
            m_selectedSourceCard = card;
            m_sourceDisk = disk;
            sourceStillThere = true;
        }
        connect(card, &DiskCard::clicked, this, [this, card]() { onSourceDiskCardClicked(card); });
        list->insertWidget(list->count() - 1, card);
    }
    if (!sourceStillThere)
        m_sourceDisk = DiskInfo();
    if (m_disks.isEmpty())
        addEmptyNote(list, tr("No disks found."));
}

void MainWindow::buildSourcePartitionList()
{
    QVBoxLayout* list = m_sourcePage->listLayout();
    m_selectedPartitionCard = nullptr;
    clearList(list);
    bool sourceStillThere = false;
    int groups = 0;
    for (const DiskInfo& disk : std::as_const(m_disks)) {
        if (disk.partitions.isEmpty())
            continue;
        ++groups;
        auto* header = new DiskGroupHeader(disk, list->parentWidget());
        header->setObjectName(QStringLiteral("DiskGroupHeader"));
        header->setProperty("diskNumber", disk.diskNumber);
        const int number = disk.diskNumber;
        connect(header, &DiskGroupHeader::toggleClicked, this, [this, number]() { onDiskGroupToggled(number); });
        list->insertWidget(list->count() - 1, header);

        auto* container = new QWidget(list->parentWidget());
        container->setObjectName(QStringLiteral("partitionContainer_%1").arg(disk.diskNumber));
        auto* inner = new QVBoxLayout(container);
        inner->setContentsMargins(18, 0, 0, 0);
        inner->setSpacing(8);
        for (const PartitionInfo& part : disk.partitions) {
            auto* card = new PartitionCard(part, container);
            if (m_sourcePartition.isValid() && part.diskNumber == m_sourcePartition.diskNumber
                && part.partitionNumber == m_sourcePartition.partitionNumber) {
                card->setSelected(true);
                m_selectedPartitionCard = card;
                m_sourcePartition = part;
                sourceStillThere = true;
            }
            connect(card, &PartitionCard::clicked, this, [this, card]() { onSourcePartitionCardClicked(card); });
            inner->addWidget(card);
        }
        list->insertWidget(list->count() - 1, container);
    }
    if (!sourceStillThere)
        m_sourcePartition = PartitionInfo();
    if (groups == 0)
        addEmptyNote(list, tr("No partitions found."));
}

void MainWindow::buildTargetList()
{
    QVBoxLayout* list = m_targetPage->listLayout();
    m_selectedTargetCard = nullptr;
    clearList(list);
    const int sourceNumber = m_mode == Tessarin::CloneModeType::PartitionClone ? m_sourcePartition.diskNumber
                                                                                : m_sourceDisk.diskNumber;
    bool targetStillThere = false;
    int shown = 0;
    for (const DiskInfo& disk : std::as_const(m_disks)) {
        if (disk.diskNumber == sourceNumber)
            continue;
        ++shown;
        auto* card = new DiskCard(disk, false, list->parentWidget());
        if (m_targetDisk.isValid() && disk.diskNumber == m_targetDisk.diskNumber) {
            card->setSelected(true);
            m_selectedTargetCard = card;
            m_targetDisk = disk;
            targetStillThere = true;
        }
        connect(card, &DiskCard::clicked, this, [this, card]() { onTargetDiskCardClicked(card); });
        list->insertWidget(list->count() - 1, card);
    }
    if (!targetStillThere)
        m_targetDisk = DiskInfo();
    if (shown == 0)
        addEmptyNote(list, tr("No other disk is available as a target."));
}

void MainWindow::onSourceDiskCardClicked(DiskCard* card)
{
    if (m_selectedSourceCard && m_selectedSourceCard != card)
        m_selectedSourceCard->setSelected(false);
    card->setSelected(true);
    m_selectedSourceCard = card;
    m_sourceDisk = card->disk();
    m_targetDisk = DiskInfo();
    m_selectedTargetCard = nullptr;
}

void MainWindow::onTargetDiskCardClicked(DiskCard* card)
{
    if (m_selectedTargetCard && m_selectedTargetCard != card)
        m_selectedTargetCard->setSelected(false);
    card->setSelected(true);
    m_selectedTargetCard = card;
    m_targetDisk = card->disk();
}

void MainWindow::onSourcePartitionCardClicked(PartitionCard* card)
{
    if (m_selectedPartitionCard && m_selectedPartitionCard != card)
        m_selectedPartitionCard->setSelected(false);
    card->setSelected(true);
    m_selectedPartitionCard = card;
    m_sourcePartition = card->partition();
    m_targetDisk = DiskInfo();
    m_selectedTargetCard = nullptr;
}

void MainWindow::onDiskGroupToggled(int diskNumber)
{
    QWidget* container = m_sourcePage->findChild<QWidget*>(QStringLiteral("partitionContainer_%1").arg(diskNumber));
    if (!container)
        return;
    const auto headers = m_sourcePage->findChildren<DiskGroupHeader*>();
    for (DiskGroupHeader* header : headers) {
        if (header->diskNumber() == diskNumber) {
            container->setVisible(header->isExpanded());
            return;
        }
    }
}

// ---------------------------------------------------------------- options

void MainWindow::onCloneSettingsClicked()
{
    CloneSettingsDialog dialog(this);
    dialog.setOptions(m_smartClone, m_align4K, m_sectorBySector);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CloneSettingsDialog::Options o = dialog.options();
    m_smartClone = o.smartClone;
    m_align4K = o.align4K;
    m_sectorBySector = o.sectorBySector;
    m_optionsPage->optionsSummary()->setText(
        CloneSettingsDialog::summaryText(m_smartClone, m_align4K, m_sectorBySector));
}

void MainWindow::onBootModeSettingsClicked()
{
    BootModeDialog dialog(this);
    dialog.setBootMode(int(m_targetBootMode));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_targetBootMode = dialog.bootMode() == 0 ? Tessarin::TargetBootMode::Uefi : Tessarin::TargetBootMode::Legacy;
    m_bootModeSummary->setText(BootModeDialog::modeText(int(m_targetBootMode)));
}

void MainWindow::onSpaceAllocationSettingsClicked()
{
    SpaceAllocationDialog dialog(this);
    dialog.setMode(int(m_resizeMode));
    dialog.setDataPartitionLabel(m_dataPartitionLabel);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_resizeMode = Tessarin::ResizeMode(dialog.mode());
    m_dataPartitionLabel = dialog.dataPartitionLabel();
    m_spaceSummary->setText(SpaceAllocationDialog::modeText(int(m_resizeMode)));
}

// ---------------------------------------------------------------- the clone

bool MainWindow::isCloneRunning() const
{
    return m_engine->isRunning() && isRunningStatus(m_engine->status());
}

void MainWindow::startClone()
{
    m_step = 3;
    goToStep(3);
    CircularProgress* circle = m_progressPage->circularProgress();
    circle->setProgressColor(QColor("#2563EB"));
    m_progressPage->setProgress(0);
    m_progressPage->speedLabel()->setText(tr("Speed: -- MB/s"));
    m_progressPage->timeLeftLabel()->setText(tr("Time left: --"));
    m_progressPage->logOutput()->clear();
    m_progressPage->titleLabel()->setText(tr("Cloning..."));
    m_progressPage->titleLabel()->setStyleSheet(QStringLiteral("color: #111827; font-size: 22px; font-weight: bold;"));
    m_progressPage->statusLabel()->setText(tr("Preparing clone task..."));
    m_progressPage->cancelButton()->show();
    m_progressPage->cancelButton()->setEnabled(true);
    m_progressPage->finishButton()->hide();
    m_btnDiskMode->setEnabled(false);
    m_btnSystemMode->setEnabled(false);
    m_btnPartitionMode->setEnabled(false);

    const bool partition = m_mode == Tessarin::CloneModeType::PartitionClone;
    const bool system = m_mode == Tessarin::CloneModeType::SystemClone;
    appendLog(tr("Starting clone task..."), QStringLiteral("INFO"));
    if (partition)
        appendLog(tr("Source partition: %1").arg(m_sourcePartition.displayName()), QStringLiteral("INFO"));
    else
        appendLog(tr("Source disk: %1").arg(m_optionsPage->sourceName()->text()), QStringLiteral("INFO"));
    appendLog(tr("Target disk: %1").arg(m_optionsPage->targetName()->text()), QStringLiteral("INFO"));
    if (system) {
        appendLog(tr("Boot mode: %1").arg(BootModeDialog::modeText(int(m_targetBootMode))), QStringLiteral("INFO"));
        QString space = SpaceAllocationDialog::modeText(int(m_resizeMode));
        if (m_resizeMode == Tessarin::ResizeMode::KeepAndCreateData)
            space += QStringLiteral(" (%1)").arg(m_dataPartitionLabel);
        appendLog(tr("Space allocation: %1").arg(space), QStringLiteral("INFO"));
    }

    CloneConfig config;
    config.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    config.mode = m_mode;
    if (partition)
        config.sourcePartition = m_sourcePartition;
    else
        config.sourceDisk = m_sourceDisk;
    config.targetDisk = m_targetDisk;
    config.smartClone = m_smartClone;
    config.align4K = m_align4K;
    config.sectorBySector = m_sectorBySector;
    config.fixBoot = !partition;
    if (system) {
        config.targetBootMode = m_targetBootMode;
        config.resizeMode = m_resizeMode;
        config.dataPartitionLabel = m_dataPartitionLabel;
    }
    m_engine->setConfig(config);
    m_engine->start();
}

QString MainWindow::speedText(const CloneProgress& progress)
{
    if (progress.speed > 0)
        return tr("Speed: %1 MB/s").arg(double(progress.speed) / 1048576.0, 0, 'f', 1);
    return tr("Speed: -- MB/s");
}

QString MainWindow::timeLeftText(const CloneProgress& progress)
{
    if (progress.speed == 0 || progress.totalBytes <= progress.copiedBytes)
        return tr("Time left: --");
    const uint64_t s = (progress.totalBytes - progress.copiedBytes) / progress.speed;
    if (s >= 3600)
        return tr("Time left: %1h %2m").arg(s / 3600).arg((s % 3600) / 60);
    if (s < 60)
        return tr("Time left: %1s").arg(s);
    return tr("Time left: %1m %2s").arg(s / 60).arg(s % 60);
}

void MainWindow::onCloneProgress(const CloneProgress& progress)
{
    QPushButton* cancel = m_progressPage->cancelButton();
    if (progress.status == Tessarin::RepairingBoot) {
        cancel->setEnabled(false);
        cancel->setToolTip(tr("Boot repair is in progress. Please wait until it finishes."));
    } else {
        cancel->setEnabled(true);
        cancel->setToolTip(QString());
    }
    if (!progress.currentPhase.isEmpty())
        m_progressPage->statusLabel()->setText(progress.currentPhase);
    if (progress.totalBytes > 0) {
        const double percent = double(progress.copiedBytes) * 100.0 / double(progress.totalBytes);
        m_progressPage->setProgress(qBound(0, int(std::lround(percent)), 100));
    }
    m_progressPage->speedLabel()->setText(speedText(progress));
    m_progressPage->timeLeftLabel()->setText(timeLeftText(progress));
}

void MainWindow::onCloneStatusChanged(Tessarin::CloneStatus status)
{
    appendLog(Tessarin::statusText(status), QStringLiteral("INFO"));
}

void MainWindow::onCloneError(const QString& error)
{
    appendLog(error, QStringLiteral("ERROR"));
    m_progressPage->statusLabel()->setText(error);
}

void MainWindow::onCloneFinished(bool success, const QString& message)
{
    m_progressPage->cancelButton()->hide();
    m_progressPage->cancelButton()->setEnabled(true);
    m_progressPage->finishButton()->show();
    m_btnDiskMode->setEnabled(true);
    m_btnSystemMode->setEnabled(true);
    m_btnPartitionMode->setEnabled(true);
    if (success) {
        m_progressPage->titleLabel()->setText(tr("Clone completed"));
        m_progressPage->titleLabel()->setStyleSheet(QStringLiteral("color: #059669; font-size: 22px; font-weight: bold;"));
        m_progressPage->statusLabel()->setText(tr("The clone and boot repair completed successfully."));
        appendLog(tr("Clone completed successfully"), QStringLiteral("SUCCESS"));
        m_progressPage->circularProgress()->setProgressColor(QColor("#059669"));
        m_progressPage->setProgress(100);
    } else {
        m_progressPage->titleLabel()->setText(tr("Clone failed"));
        m_progressPage->titleLabel()->setStyleSheet(QStringLiteral("color: #DC2626; font-size: 22px; font-weight: bold;"));
        m_progressPage->statusLabel()->setText(message);
        appendLog(tr("Clone failed: %1").arg(message), QStringLiteral("ERROR"));
        m_progressPage->circularProgress()->setProgressColor(QColor("#DC2626"));
    }
}

void MainWindow::onCancelClicked()
{
    if (m_engine->status() == Tessarin::RepairingBoot) {
        QMessageBox::information(this, tr("Please wait"), tr("Boot repair is running and cannot be interrupted safely."));
        return;
    }
    const auto answer = QMessageBox::question(this, tr("Cancel clone"), tr("Cancel the current clone task?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_engine->cancel();
    appendLog(tr("Cancellation requested"), QStringLiteral("WARNING"));
}

void MainWindow::onFinishClicked()
{
    m_sourceDisk = DiskInfo();
    m_targetDisk = DiskInfo();
    m_sourcePartition = PartitionInfo();
    m_selectedSourceCard = nullptr;
    m_selectedTargetCard = nullptr;
    m_selectedPartitionCard = nullptr;
    m_progressPage->circularProgress()->setProgressColor(QColor("#2563EB"));
    m_progressPage->setProgress(0);
    m_progressPage->speedLabel()->setText(tr("Speed: -- MB/s"));
    m_progressPage->timeLeftLabel()->setText(tr("Time left: --"));
    m_diskManager->enumDisksAsync();
    goToStep(0);
    rebuildCurrentList();
}

// ---------------------------------------------------------------- log view

QString MainWindow::levelColour(const QString& levelText)
{
    if (levelText == QLatin1String("ERROR"))
        return QStringLiteral("#EF4444");
    if (levelText == QLatin1String("WARNING"))
        return QStringLiteral("#F59E0B");
    if (levelText == QLatin1String("SUCCESS"))
        return QStringLiteral("#10B981");
    if (levelText == QLatin1String("INFO"))
        return QStringLiteral("#60A5FA");
    return QStringLiteral("#9CA3AF");
}

QString MainWindow::logLineHtml(const QString& time, const QString& colour, const QString& level,
                                const QString& message)
{
    return QStringLiteral("<span style='color: #6B7280;'>[%1]</span> <span style='color: %2;'>[%3]</span> "
                          "<span style='color: #D1D5DB;'>%4</span>")
        .arg(time, colour, level, message.toHtmlEscaped());
}

namespace {
// One block per line, so the document's block limit drops whole old lines.
void insertLine(QTextEdit* view, const QString& html)
{
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    if (!view->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertHtml(html);
    view->setTextCursor(cursor);
}
}

void MainWindow::appendLog(const QString& message, const QString& levelText)
{
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss"));
    insertLine(m_progressPage->logOutput(), logLineHtml(time, levelColour(levelText), levelText, message));
}

void MainWindow::onLogMessage(const QString& message, Logger::Level level)
{
    if (m_step != 3)
        return;
    QString levelText;
    switch (level) {
    case Logger::Debug: levelText = QStringLiteral("DEBUG"); break;
    case Logger::Info: levelText = QStringLiteral("INFO"); break;
    case Logger::Warning: levelText = QStringLiteral("WARNING"); break;
    case Logger::Error: levelText = QStringLiteral("ERROR"); break;
    default: levelText = QStringLiteral("UNKNOWN"); break;
    }
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz"));
    QTextEdit* view = m_progressPage->logOutput();
    insertLine(view, logLineHtml(time, levelColour(levelText), levelText, message));
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

// ---------------------------------------------------------------- window

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isCloneRunning()) {
        QMessageBox::warning(this, QStringLiteral("Tessarin"),
                             tr("A clone or boot repair task is still running. Please wait until it finishes "
                                "before closing Tessarin."));
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::onTitleMenuClicked()
{
    QMenu menu(this);
    menu.setStyleSheet(QStringLiteral("QMenu { background: white; border: 1px solid #E5E7EB; padding: 4px; }"
                                      "QMenu::item { padding: 6px 22px; color: #111827; }"
                                      "QMenu::item:selected { background: #EFF6FF; color: #1D4ED8; }"));
    QAction* about = menu.addAction(QIcon(QStringLiteral(":/icons/logo.png")), tr("About Marlowtek Tessarin"));
    connect(about, &QAction::triggered, this, [this]() {
        QMessageBox::about(this, tr("About Marlowtek Tessarin"),
                           tr("Marlowtek Tessarin\n\nA professional disk cloning and system migration solution for "
                              "Windows.\nClone entire disks, migrate operating systems, copy selected partitions, and "
                              "create reliable bootable drives with smart cloning and SSD optimization support."));
    });

    QMenu* languages = menu.addMenu(tr("Language"));
    const QString current = LanguageSetup::currentLanguage();
    for (const auto& entry : LanguageSetup::menuLanguages()) {
        QAction* action = languages->addAction(entry.first);
        action->setCheckable(true);
        action->setData(entry.second);
        action->setChecked(LanguageSetup::matches(entry.second, current));
        const QString code = entry.second;
        connect(action, &QAction::triggered, this, [this, code, action]() {
            if (!chooseLanguage(code))
                action->setChecked(true);
        });
    }

    connect(menu.addAction(tr("Help")), &QAction::triggered, this,
            [this]() { LinkManager::instance()->openLink(QStringLiteral("help"), QStringLiteral("user_guide"), this); });
    connect(menu.addAction(tr("Support")), &QAction::triggered, this,
            [this]() { LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("contact"), this); });
    menu.addSeparator();
    connect(menu.addAction(tr("Exit")), &QAction::triggered, this, &QWidget::close);
    menu.exec(m_btnMenu->mapToGlobal(QPoint(0, m_btnMenu->height())));
}

namespace {
MainWindow::RestartFunction& restartFunction()
{
    static MainWindow::RestartFunction function;
    return function;
}
}

void MainWindow::setRestartFunction(RestartFunction function)
{
    restartFunction() = std::move(function);
}

bool MainWindow::chooseLanguage(const QString& code)
{
    if (LanguageSetup::matches(code, LanguageSetup::currentLanguage()))
        return false;
    QSettings settings(QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
    settings.setValue(QStringLiteral("language"), code);
    settings.sync();
    Logger::instance().info(QStringLiteral("Language changed to %1, restarting application...").arg(code));
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString directory = QCoreApplication::applicationDirPath();
    if (restartFunction()) {
        restartFunction()(program, arguments, directory);
    } else {
        QProcess::startDetached(program, arguments, directory);
        QCoreApplication::quit();
    }
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
#ifndef Q_OS_WIN
    // Without native non-client messages the title bar asks the window system to move the window.
    if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && windowHandle()) {
            windowHandle()->startSystemMove();
            return true;
        }
    }
#endif
    return QWidget::eventFilter(watched, event);
}

void MainWindow::deviceEventReceived()
{
    m_deviceTimer->start();
}

void MainWindow::onDeviceChanged()
{
    if (isCloneRunning())
        return;
    m_diskManager->enumDisksAsync();
}

void MainWindow::registerDeviceNotification()
{
#ifdef Q_OS_WIN
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    m_deviceNotification = RegisterDeviceNotificationW(reinterpret_cast<HWND>(winId()), &filter,
                                                       DEVICE_NOTIFY_WINDOW_HANDLE
                                                           | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    if (!m_deviceNotification)
        qDebug() << "Failed to register device notification";
#else
    m_udevMonitor = new UdevMonitor(this);
    if (!m_udevMonitor->isActive())
        qDebug() << "Failed to register device notification";
    connect(m_udevMonitor, &UdevMonitor::deviceChanged, this, &MainWindow::deviceEventReceived);
#endif
}

void MainWindow::unregisterDeviceNotification()
{
#ifdef Q_OS_WIN
    if (m_deviceNotification)
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(m_deviceNotification));
#endif
    m_deviceNotification = nullptr;
}

void MainWindow::applyNativeFrame()
{
#ifdef Q_OS_WIN
    // A caption bit keeps the platform's frame behaviour (snap, animations) for the frameless window.
    HWND hwnd = reinterpret_cast<HWND>(winId());
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, style | WS_CAPTION | WS_MINIMIZEBOX);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    const DWORD roundCorners = 2;  // DWMWCP_ROUND
    DwmSetWindowAttribute(hwnd, 33 /* DWMWA_WINDOW_CORNER_PREFERENCE */, &roundCorners, sizeof(roundCorners));
#endif
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
#ifdef Q_OS_WIN
    MSG* msg = static_cast<MSG*>(message);
    switch (msg->message) {
    case WM_NCCALCSIZE:
        if (msg->wParam == TRUE) {
            *result = 0;
            return true;
        }
        break;
    case WM_NCHITTEST: {
        const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        const QPoint local = m_titleBar->mapFromGlobal(global / devicePixelRatioF());
        if (m_titleBar->rect().contains(local)) {
            QWidget* child = m_titleBar->childAt(local);
            if (!child || child->testAttribute(Qt::WA_TransparentForMouseEvents)) {
                *result = HTCAPTION;
                return true;
            }
        }
        break;
    }
    case WM_NCLBUTTONDOWN:
        if (msg->wParam == HTCAPTION) {
            ReleaseCapture();
            PostMessageW(msg->hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, msg->lParam);
            *result = 0;
            return true;
        }
        break;
    case WM_DEVICECHANGE:
        if (msg->wParam == DBT_DEVICEARRIVAL || msg->wParam == DBT_DEVICEREMOVECOMPLETE)
            deviceEventReceived();
        break;
    default:
        break;
    }
#endif
    return QWidget::nativeEvent(eventType, message, result);
}
