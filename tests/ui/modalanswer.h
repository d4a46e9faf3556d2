#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Answers the next modal window (message box or dialog) that opens, recording what it showed.
class ModalAnswer : public QObject {
public:
    // `act` runs on the modal widget; for message boxes `button` is clicked when act is empty.
    explicit ModalAnswer(QMessageBox::StandardButton button = QMessageBox::Ok,
                         std::function<void(QWidget*)> act = {})
        : m_button(button)
        , m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() { poll(); });
        m_timer.start(20);
    }

    bool seen = false;
    QString title;
    QString text;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_timer.stop();
        seen = true;
        title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            if (m_act) {
                m_act(box);
                return;
            }
            if (QAbstractButton* b = box->button(m_button))
                b->click();
            else
                box->close();
            return;
        }
        if (m_act)
            m_act(modal);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    QMessageBox::StandardButton m_button;
    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
};
