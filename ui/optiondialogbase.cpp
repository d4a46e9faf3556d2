#include "ui/optiondialogbase.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const Sheet =
    "QDialog { background: #FFFFFF; }"
    "QLabel#dialogHeading { font-size: 16px; font-weight: bold; color: #111827; }"
    "QFrame#optionsCard { background: #F8FAFC; border: 1px solid #E5E7EB; border-radius: 10px; }"
    "QFrame#separator { background: #E5E7EB; border: none; }"
    "QLabel#optionNote { color: #6B7280; font-size: 11px; }"
    "QLabel#optionTitle { color: #111827; font-size: 13px; font-weight: bold; }"
    "QLabel#badge { color: #047857; background: #D1FAE5; border-radius: 8px; padding: 1px 8px;"
    " font-size: 11px; font-weight: bold; }"
    "QLabel#warning { color: #B45309; font-size: 11px; }"
    "QRadioButton { font-size: 13px; font-weight: bold; color: #111827; }"
    "QLineEdit { border: 1px solid #D1D5DB; border-radius: 6px; padding: 2px 8px; background: white; }"
    "QLineEdit:disabled { background: #F3F4F6; color: #9CA3AF; }"
    "QPushButton#btnOk { background: #2563EB; color: white; border: none; border-radius: 6px;"
    " font-weight: bold; }"
    "QPushButton#btnOk:hover { background: #1D4ED8; }"
    "QPushButton#btnCancel { background: #FFFFFF; color: #374151; border: 1px solid #D1D5DB;"
    " border-radius: 6px; }"
    "QPushButton#btnCancel:hover { background: #F3F4F6; }"
    "QPushButton#btnOk:focus { border: 2px solid #1E3A8A; outline: none; }"
    "QPushButton#btnCancel:focus { border: 2px solid #2563EB; outline: none; }"
    "QLineEdit:focus { border: 2px solid #2563EB; }";
}

OptionDialogBase::OptionDialogBase(const QString& title, const QString& heading, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setModal(true);
    setStyleSheet(QString::fromUtf8(Sheet));

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(22, 16, 22, 14);
    m_layout->setSpacing(8);
    auto* headingLabel = new QLabel(heading, this);
    headingLabel->setObjectName(QStringLiteral("dialogHeading"));
    headingLabel->setWordWrap(true);
    m_layout->addWidget(headingLabel);

    m_card = new QFrame(this);
    m_card->setObjectName(QStringLiteral("optionsCard"));
    m_cardLayout = new QVBoxLayout(m_card);
    m_cardLayout->setContentsMargins(12, 6, 12, 6);
    m_cardLayout->setSpacing(4);
    m_layout->addWidget(m_card);
}

QLabel* OptionDialogBase::note(const QString& text, bool indented) const
{
    auto* l = new QLabel(text, m_card);
    l->setObjectName(QStringLiteral("optionNote"));
    l->setWordWrap(true);
    if (indented)
        l->setContentsMargins(24, 0, 0, 0);
    return l;
}

QLabel* OptionDialogBase::badge(const QString& text) const
{
    auto* l = new QLabel(text, m_card);
    l->setObjectName(QStringLiteral("badge"));
    return l;
}

void OptionDialogBase::addSeparator(int space)
{
    auto* s = new QFrame(m_card);
    s->setObjectName(QStringLiteral("separator"));
    s->setFixedHeight(1);
    if (space > 0)
        m_cardLayout->addSpacing(space);
    m_cardLayout->addWidget(s);
    if (space > 0)
        m_cardLayout->addSpacing(space);
}

void OptionDialogBase::addWarning(const QString& text)
{
    auto* warning = new QLabel(text, this);
    warning->setObjectName(QStringLiteral("warning"));
    warning->setWordWrap(true);
    m_layout->addWidget(warning);
}

void OptionDialogBase::finish(const QString& cancelText, const QString& okText, const QSize& base)
{
    m_layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(cancelText, this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setFixedSize(90, 34);
    auto* ok = new QPushButton(okText, this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setFixedSize(90, 34);
    ok->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    m_layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const int width = qMax(base.width(), m_layout->totalMinimumSize().width());
    const int height = qMax(base.height(), m_layout->hasHeightForWidth() ? m_layout->totalHeightForWidth(width)
                                                                          : m_layout->totalMinimumSize().height());
    setFixedSize(width, height);
}
