#pragma once
#include <QWidget>

class QVBoxLayout;

// Step 2: the list of target disks.
class SelectTargetPage : public QWidget {
    Q_OBJECT
public:
    explicit SelectTargetPage(QWidget* parent = nullptr);

    QVBoxLayout* listLayout() const { return m_list; }

private:
    QVBoxLayout* m_list = nullptr;
};
