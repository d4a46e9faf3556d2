#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Step 3: what is copied where, and the option cards.
class CloneOptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit CloneOptionsPage(QWidget* parent = nullptr);

    QFrame* sourceCard() const { return m_sourceCard; }
    QFrame* targetCard() const { return m_targetCard; }
    QLabel* sourceCaption() const { return m_sourceCaption; }
    QLabel* sourceName() const { return m_sourceName; }
    QLabel* sourceSize() const { return m_sourceSize; }
    QLabel* targetName() const { return m_targetName; }
    QLabel* targetSize() const { return m_targetSize; }
    QLabel* optionsSummary() const { return m_summary; }
    QPushButton* settingsButton() const { return m_settings; }
    // Where further option cards go.
    QVBoxLayout* cardsLayout() const { return m_cards; }

    // One option card: an icon, a title, a summary line and a "Settings..." button.
    static QFrame* makeOptionCard(const QString& objectName, const QString& iconPath, const QString& title,
                                  const QString& summary, QLabel** summaryLabel, QPushButton** button,
                                  QWidget* parent);

private:
    QFrame* m_sourceCard = nullptr;
    QFrame* m_targetCard = nullptr;
    QLabel* m_sourceCaption = nullptr;
    QLabel* m_sourceName = nullptr;
    QLabel* m_sourceSize = nullptr;
    QLabel* m_targetName = nullptr;
    QLabel* m_targetSize = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_settings = nullptr;
    QVBoxLayout* m_cards = nullptr;
};
