#pragma once
#include <QDialog>

class QFrame;
class QLabel;
class QVBoxLayout;

// The frame the option dialogs share: a heading, a card holding the choices, an optional warning and
// Cancel / OK. Texts come from the subclasses so they stay in their translation contexts.
class OptionDialogBase : public QDialog {
    Q_OBJECT
protected:
    OptionDialogBase(const QString& title, const QString& heading, QWidget* parent);

    QFrame* card() const { return m_card; }
    QVBoxLayout* cardLayout() const { return m_cardLayout; }

    // An explanatory line in the card; `indented` lines up with the text of a radio button.
    QLabel* note(const QString& text, bool indented) const;
    QLabel* badge(const QString& text) const;
    // A hairline between two choices, with `space` pixels above and below.
    void addSeparator(int space = 0);
    void addWarning(const QString& text);
    // Adds the buttons and fixes the size at `base`, grown where a translation needs more room.
    void finish(const QString& cancelText, const QString& okText, const QSize& base);

private:
    QVBoxLayout* m_layout = nullptr;
    QFrame* m_card = nullptr;
    QVBoxLayout* m_cardLayout = nullptr;
};
