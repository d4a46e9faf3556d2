#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Answers the next modal window (message box or dialog) that opens, recording what it showed:
// `act` runs on it when given, else a message box gets `button` clicked and a dialog is rejected.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(QMessageBox::StandardButton button = QMessageBox::Ok, std::function<void(QWidget*)> act = {})
        : m_button(button)
        , m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() { poll(); });
        m_timer.start(20);
    }

    bool seen = false;
    QString text;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_timer.stop();
        seen = true;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box)
            text = box->text();
        if (m_act)
            m_act(modal);
        else if (QAbstractButton* b = box ? box->button(m_button) : nullptr)
            b->click();
        else
            modal->close();
    }

    QMessageBox::StandardButton m_button;
    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
};
