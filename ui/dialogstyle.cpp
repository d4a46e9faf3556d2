#include "ui/dialogstyle.h"

#include <QDialog>
#include <QLayout>

QString DialogStyle::sheet()
{
    return QStringLiteral(
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
        "QPushButton#btnCancel:hover { background: #F3F4F6; }");
}

void DialogStyle::fixSize(QDialog* dialog, const QSize& base)
{
    QLayout* layout = dialog->layout();
    const int width = qMax(base.width(), layout->totalMinimumSize().width());
    const int height = qMax(base.height(), layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                                        : layout->totalMinimumSize().height());
    dialog->setFixedSize(width, height);
}
