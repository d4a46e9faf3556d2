#pragma once
#include <QWidget>

class QLabel;
class QVBoxLayout;

// Step 1: the list of source disks or partitions.
class SelectSourcePage : public QWidget {
    Q_OBJECT
public:
    explicit SelectSourcePage(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }
    QLabel* subtitleLabel() const { return m_subtitle; }
    QVBoxLayout* listLayout() const { return m_list; }

private:
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QVBoxLayout* m_list = nullptr;
};
