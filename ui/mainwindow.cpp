#include "ui/mainwindow.h"
#include "ui/clonequestions.h"

#include "core/diskmanager.h"
#include "core/languagesetup.h"
#include "core/sourcereading.h"
#include "engine/cloneengine.h"
#include "links/linkmanager.h"
#include "modes/usedspace.h"
#include "ui/bootmodedialog.h"
#include "ui/cloneoptionspage.h"
#include "ui/cloneprogresspage.h"
#include "ui/devicewatcher.h"
#include "ui/kestrellogo.h"
#include "ui/logview.h"
#include "ui/selectablecard.h"
#include "ui/menubutton.h"
#include "ui/selectsourcepage.h"
#include "ui/selecttargetpage.h"
#include "ui/sidebarwidget.h"
#include "ui/spaceallocationdialog.h"
#include "ui/titlemenu.h"
#include "ui/uiresources.h"
#include "ui/windowframe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {
bool isRunningStatus(Tessarin::CloneStatus s)
{
    return s == Tessarin::Preparing || s == Tessarin::CloningData || s == Tessarin::RepairingBoot
           || s == Tessarin::Verifying;
}

// The style sheet picks the look from the property; a changed property needs a new polish.
void setStyleProperty(QWidget* widget, const char* name, const QVariant& value)
{
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

QString loadStyleSheet(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
    setStyleSheet(loadStyleSheet(QStringLiteral(":/styles/mainwindow.qss")));

    DiskManager::setUsageReader(&UsedSpace::measure);
    m_diskManager = new DiskManager(this);
    m_engine = new CloneEngine(this);
    setupUi();
    setupConnections();

    // Selecting the start mode also starts the first enumeration and shows step 0.
    setMode(Tessarin::CloneModeType::SystemClone);
    m_deviceWatcher = new DeviceWatcher(this);
    connect(m_deviceWatcher, &DeviceWatcher::devicesChanged, this, &MainWindow::onDevicesChanged);
    new WindowFrame(this, m_titleBar);
}

MainWindow::~MainWindow()
{
    Logger::instance().setCallback(nullptr);
    if (isCloneRunning())
        m_engine->cancel();
}

// ---------------------------------------------------------------- construction

void MainWindow::setupUi()
{
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
    const auto label = [sidebar](const QString& text, const QString& name) {
        auto* l = new QLabel(text, sidebar);
        l->setObjectName(name);
        return l;
    };

    auto* brand = new QHBoxLayout;
    brand->setSpacing(10);
    brand->addWidget(new KestrelLogo(sidebar));
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(label(QStringLiteral("Tessarin"), QStringLiteral("productName")));
    names->addWidget(label(tr("Disk cloning"), QStringLiteral("tagline")));
    brand->addLayout(names, 1);
    layout->addLayout(brand);
    layout->addSpacing(22);

    layout->addWidget(label(tr("CLONE MODE"), QStringLiteral("sidebarCaption")));
    // In the order of Tessarin::CloneModeType.
    const QList<QPair<QString, QString>> modes{{tr("Disk Clone"), QStringLiteral("btnDiskClone")},
                                               {tr("System Clone"), QStringLiteral("btnSystemClone")},
                                               {tr("Partition Clone"), QStringLiteral("btnPartitionClone")}};
    for (int i = 0; i < modes.size(); ++i) {
        auto* b = new QPushButton(modes[i].first, sidebar);
        b->setObjectName(modes[i].second);
        b->setProperty("role", QStringLiteral("mode"));
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumHeight(42);
        connect(b, &QPushButton::clicked, this, [this, i]() { setMode(Tessarin::CloneModeType(i)); });
        layout->addWidget(b);
        m_modeButtons << b;
    }
    layout->addSpacing(22);

    layout->addWidget(label(tr("STEPS"), QStringLiteral("sidebarCaption")));
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        row->setSpacing(10);
        auto* dot = new QLabel(QString::number(i + 1), sidebar);
        dot->setProperty("role", QStringLiteral("stepDot"));
        dot->setFixedSize(26, 26);
        dot->setAlignment(Qt::AlignCenter);
        QLabel* text = label(QString(), QStringLiteral("stepLabel%1").arg(i));
        text->setProperty("role", QStringLiteral("stepLabel"));
        row->addWidget(dot);
        row->addWidget(text, 1);
        layout->addLayout(row);
        m_stepDots << dot;
        m_stepLabels << text;
    }
    layout->addStretch(1);
    layout->addWidget(label(QStringLiteral("v%1").arg(QCoreApplication::applicationVersion()),
                            QStringLiteral("versionLabel")));
    return sidebar;
}

QWidget* MainWindow::buildTitleBar()
{
    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_titleBar->setFixedHeight(32);
    auto* row = new QHBoxLayout(m_titleBar);
    row->setContentsMargins(16, 0, 0, 0);
    row->setSpacing(0);
    auto* caption = new QLabel(QStringLiteral("Tessarin"), m_titleBar);
    caption->setObjectName(QStringLiteral("titleCaption"));
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(caption);
    row->addStretch(1);
    m_btnMenu = new MenuButton(m_titleBar);
    m_btnMenu->setObjectName(QStringLiteral("btnTitleMenu"));
    m_btnMenu->setToolTip(tr("Menu"));
    m_btnMinimize = new QPushButton(QStringLiteral("—"), m_titleBar);
    m_btnMinimize->setObjectName(QStringLiteral("btnMinimize"));
    m_btnMinimize->setFixedSize(46, 32);
    m_btnClose = new QPushButton(QStringLiteral("✕"), m_titleBar);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->setFixedSize(46, 32);
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
    auto* row = new QHBoxLayout(m_navBar);
    row->setContentsMargins(28, 12, 28, 12);
    m_btnPrev = new QPushButton(tr("←  Back"), m_navBar);
    m_btnPrev->setObjectName(QStringLiteral("btnPrev"));
    m_btnPrev->setMinimumHeight(40);
    m_btnPrev->setCursor(Qt::PointingHandCursor);
    m_stepCounter = new QLabel(m_navBar);
    m_stepCounter->setObjectName(QStringLiteral("stepCounter"));
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
    connect(m_btnPrev, &QPushButton::clicked, this, &MainWindow::onPrevClicked);
    connect(m_btnNext, &QPushButton::clicked, this, &MainWindow::onNextClicked);
    connect(m_progressPage->cancelButton(), &QPushButton::clicked, this, &MainWindow::onCancelClicked);
    connect(m_progressPage->finishButton(), &QPushButton::clicked, this, &MainWindow::onFinishClicked);
    connect(m_progressPage->resumeButton(), &QPushButton::clicked, this, &MainWindow::onResumeClicked);

    connect(m_sourcePage, &SelectSourcePage::diskChosen, this, [this](const DiskInfo& d) { m_state.chooseSourceDisk(d); });
    connect(m_sourcePage, &SelectSourcePage::partitionChosen, this,
            [this](const PartitionInfo& p) { m_state.chooseSourcePartition(p); });
    connect(m_targetPage, &SelectTargetPage::diskChosen, this, [this](const DiskInfo& d) { m_state.chooseTarget(d); });
    connect(m_targetPage, &SelectTargetPage::placeChosen, this,
            [this](CloneConfig::PartitionTarget place, const PartitionInfo& p) { m_state.chooseTargetPlace(place, p); });
    connect(m_optionsPage, &CloneOptionsPage::copyOptionsChosen, this, [this](bool smart, bool align, bool sector) {
        m_state.setCopyOptions(smart, align, sector);
        m_optionsPage->showChoices(m_state);
    });
    connect(m_optionsPage, &CloneOptionsPage::safetyOptionsChosen, this,
            [this](bool verify, bool continueOnReadErrors) { m_state.setSafetyOptions(verify, continueOnReadErrors); });
    connect(m_optionsPage, &CloneOptionsPage::bootModeChosen, this, [this](Tessarin::TargetBootMode mode) {
        m_state.setTargetBootMode(mode);
        m_optionsPage->showChoices(m_state);
    });
    connect(m_optionsPage, &CloneOptionsPage::spaceAllocationChosen, this,
            [this](Tessarin::ResizeMode mode, const QString& label) {
                m_state.setSpaceAllocation(mode, label);
                m_optionsPage->showChoices(m_state);
            });

    connect(m_engine, &CloneEngine::progressChanged, m_progressPage, &CloneProgressPage::showProgress);
    connect(m_engine, &CloneEngine::statusChanged, this, [this](Tessarin::CloneStatus status) {
        m_progressPage->logOutput()->appendStatus(status);
    });
    connect(m_engine, &CloneEngine::error, m_progressPage, &CloneProgressPage::showError);
    connect(m_engine, &CloneEngine::finished, this, [this](bool success, const QString& message) {
        if (m_engine->status() == Tessarin::Cancelled)
            m_progressPage->showCancelled();
        else
            m_progressPage->showFinished(success, message);
        for (QPushButton* b : std::as_const(m_modeButtons))
            b->setEnabled(true);
    });

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
        m_state.updateDisks(m_disks);
        showCurrentList();
        refreshNavigation();
    });
}

// ---------------------------------------------------------------- modes and steps

void MainWindow::setMode(Tessarin::CloneModeType mode)
{
    m_state.setMode(mode);
    m_sourcePage->setMode(mode);
    m_stepLabels[0]->setText(mode == Tessarin::CloneModeType::PartitionClone ? tr("Partition") : tr("Source"));
    m_stepLabels[1]->setText(tr("Target"));
    m_stepLabels[2]->setText(tr("Options"));
    m_step = 0;
    showCurrentList();
    m_diskManager->enumDisksAsync();
    goToStep(0);
}

void MainWindow::refreshModeButtons()
{
    for (int i = 0; i < m_modeButtons.size(); ++i)
        setStyleProperty(m_modeButtons[i], "active", i == int(mode()));
}

void MainWindow::goToStep(int step)
{
    m_step = step;
    m_stack->setCurrentIndex(qMin(step, int(ProgressStep)));
    m_navBar->setVisible(step < ProgressStep);
    refreshModeButtons();
    refreshSidebar();
    refreshNavigation();
    // A new page takes the keyboard, unless a mode button has it to go on choosing modes.
    if (!m_modeButtons.contains(qobject_cast<QPushButton*>(focusWidget())))
        focusCurrentPage();
}

void MainWindow::refreshSidebar()
{
    for (int i = 0; i < 3; ++i) {
        const QString state = i < m_step ? QStringLiteral("done")
                              : i == m_step ? QStringLiteral("current")
                                            : QStringLiteral("todo");
        m_stepDots[i]->setText(i < m_step ? QStringLiteral("✓") : QString::number(i + 1));
        setStyleProperty(m_stepDots[i], "state", state);
        setStyleProperty(m_stepLabels[i], "state", state);
    }
}

void MainWindow::refreshNavigation()
{
    m_btnPrev->setVisible(m_step == WizardState::TargetStep || m_step == WizardState::OptionsStep);
    const bool last = m_step >= WizardState::OptionsStep;
    m_btnNext->setText(last ? tr("Start Clone  →") : tr("Next  →"));
    setStyleProperty(m_btnNext, "start", last);
    m_stepCounter->setText(tr("%1/3").arg(qMin(m_step + 1, 3)));
}

void MainWindow::showCurrentList()
{
    // A list made anew takes the focus its old cards had, or the window would lose it.
    const bool refocus = !focusWidget() || m_stack->isAncestorOf(focusWidget());
    if (m_step == WizardState::SourceStep)
        m_sourcePage->showDisks(m_disks, mode(), m_state.sourceDisk().diskNumber, m_state.sourcePartition());
    else if (m_step == WizardState::TargetStep)
        m_targetPage->showDisks(m_disks, m_state);
    placeNavigationLastInTabOrder();
    if (refocus)
        focusCurrentPage();
}

// New cards join the tab order at its end: Back and Next go behind them again, so that Tab follows
// the window from top to bottom. Qt orders only widgets that take focus, not a card's labels.
void MainWindow::placeNavigationLastInTabOrder()
{
    QWidget* last = previousInFocusChain();
    while (last != this && (last->focusPolicy() == Qt::NoFocus || last == m_btnPrev || last == m_btnNext))
        last = last->previousInFocusChain();
    if (last == this)
        return;
    setTabOrder(last, m_btnPrev);
    setTabOrder(m_btnPrev, m_btnNext);
}

// Queued behind the calls that show new cards: only then are they told apart from folded ones.
void MainWindow::focusCurrentPage()
{
    QMetaObject::invokeMethod(this, [this]() {
        if (SelectableCard* target = SelectableCard::focusTarget(m_stack->currentWidget()))
            target->setFocus(Qt::OtherFocusReason);
        else if (m_btnNext->isVisibleTo(this))
            m_btnNext->setFocus(Qt::OtherFocusReason);
    }, Qt::QueuedConnection);
}

void MainWindow::onPrevClicked()
{
    if (m_step >= 1 && m_step < ProgressStep) {
        goToStep(m_step - 1);
        showCurrentList();
    }
}

void MainWindow::onNextClicked()
{
    if (m_step >= ProgressStep)
        return;
    const QString reason = m_state.check(m_step);
    if (!reason.isEmpty() && m_step == WizardState::OptionsStep) {
        m_optionsPage->showRefusal(reason);
        return;
    }
    if (!reason.isEmpty()) {
        QMessageBox::warning(this, tr("Selection required"), reason);
        return;
    }
    if (m_step < WizardState::OptionsStep) {
        goToStep(m_step + 1);
        showCurrentList();
        if (m_step == WizardState::OptionsStep)
            m_optionsPage->showChoices(m_state);
        return;
    }
    // Asked before the confirmation, so that "No" stops before anything is written.
    const QStringList live = SourceReading::liveVolumes(m_state.config());
    if (!live.isEmpty() && !CloneQuestions::acceptLiveSource(this, live))
        return;
    m_state.setLiveSourceAccepted(!live.isEmpty());
    // The run's own checks and plan before the question, so that a refusal needs no confirmation
    // and the question shows what the run will do; the start then runs this very plan.
    if (!planRun(m_state.config()))
        return;
    switch (CloneQuestions::askResume(this, m_engine->config(), m_engine->currentPlan())) {
    case CloneQuestions::Resume::Stop:
        m_engine->dropPlanned();
        return;
    case CloneQuestions::Resume::Resume:
        onResumeClicked();
        return;
    case CloneQuestions::Resume::StartOver:
        break;
    }
    const auto answer = QMessageBox::warning(this, tr("Confirm clone"), m_state.confirmationText(m_engine->currentPlan()),
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        startClone();
    else
        m_engine->dropPlanned();
}

// ---------------------------------------------------------------- the clone

bool MainWindow::isCloneRunning() const
{
    return m_engine->isRunning() && isRunningStatus(m_engine->status());
}

void MainWindow::startClone()
{
    goToStep(ProgressStep);
    m_progressPage->begin();
    m_progressPage->cancelButton()->setFocus(Qt::OtherFocusReason);
    for (QPushButton* b : std::as_const(m_modeButtons))
        b->setEnabled(false);

    const CloneConfig& config = m_engine->config();
    LogView* log = m_progressPage->logOutput();
    const QString info = QStringLiteral("INFO");
    log->appendLine(tr("Starting clone task..."), info);
    if (m_state.isPartitionMode())
        log->appendLine(tr("Source partition: %1").arg(config.sourcePartition.displayName()), info);
    else
        log->appendLine(tr("Source disk: %1").arg(config.sourceDisk.displayName()), info);
    log->appendLine(tr("Target disk: %1").arg(config.targetDisk.displayName()), info);
    if (m_state.isSystemMode()) {
        log->appendLine(tr("Boot mode: %1").arg(BootModeDialog::modeText(int(config.targetBootMode))), info);
        QString space = SpaceAllocationDialog::modeText(int(config.resizeMode));
        if (config.resizeMode == Tessarin::ResizeMode::KeepAndCreateData)
            space += QStringLiteral(" (%1)").arg(config.dataPartitionLabel);
        log->appendLine(tr("Space allocation: %1").arg(space), info);
    }
    m_engine->start();
}

void MainWindow::onCancelClicked()
{
    if (m_engine->status() == Tessarin::RepairingBoot) {
        QMessageBox::information(this, tr("Please wait"), tr("Boot repair is running and cannot be interrupted safely."));
        return;
    }
    const auto answer = QMessageBox::question(this, tr("Cancel clone"), tr("Cancel the current clone task?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // The run may have ended while the question was open: nothing is left to cancel then.
    if (answer != QMessageBox::Yes || !m_engine->isRunning())
        return;
    m_engine->cancel();
    m_progressPage->logOutput()->appendLine(tr("Cancellation requested"), QStringLiteral("WARNING"));
}

bool MainWindow::planRun(const CloneConfig& config)
{
    m_engine->setConfig(config);
    QString refusal;
    const bool planned = m_engine->plan(refusal);
    if (!planned)
        Logger::instance().warning(QStringLiteral("Clone refused before the confirmation: %1").arg(refusal));
    m_optionsPage->showRefusal(refusal);
    return planned;
}

void MainWindow::onResumeClicked()
{
    // The stopped run's own request, told to go on where it stopped.
    CloneConfig config = m_engine->config();
    config.resume = true;
    if (planRun(config))
        startClone();
    else
        goToStep(WizardState::OptionsStep);
}

void MainWindow::onFinishClicked()
{
    m_state.clearSelections();
    m_progressPage->reset();
    m_diskManager->enumDisksAsync();
    goToStep(WizardState::SourceStep);
    showCurrentList();
}

void MainWindow::onLogMessage(const QString& message, Logger::Level level)
{
    if (m_step == ProgressStep)
        m_progressPage->logOutput()->appendLoggerLine(message, level);
}

void MainWindow::onDevicesChanged()
{
    if (!isCloneRunning())
        m_diskManager->enumDisksAsync();
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

// Enter is the wizard's default button, as in a dialog: a focused button takes it for itself.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        QWidget::keyPressEvent(event);
    else if (focused && focused->isVisible() && focused->isEnabled())
        focused->click();
    else if (m_btnNext->isVisible() && m_btnNext->isEnabled())
        m_btnNext->click();
}

void MainWindow::onTitleMenuClicked()
{
    TitleMenu::exec(this, m_btnMenu, m_engine->isRunning());
}
