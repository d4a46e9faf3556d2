#include "ui/windowframe.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#include <dwmapi.h>
#include <windowsx.h>
#endif

WindowFrame::WindowFrame(QWidget* window, QWidget* titleBar)
    : QObject(window)
    , m_window(window)
    , m_titleBar(titleBar)
{
#ifdef Q_OS_WIN
    // A caption bit keeps the platform's frame behaviour (snap, animations) for the frameless window.
    HWND hwnd = reinterpret_cast<HWND>(window->winId());
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, style | WS_CAPTION | WS_MINIMIZEBOX);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    const DWORD roundCorners = 2;  // DWMWCP_ROUND
    DwmSetWindowAttribute(hwnd, 33 /* DWMWA_WINDOW_CORNER_PREFERENCE */, &roundCorners, sizeof(roundCorners));
    QCoreApplication::instance()->installNativeEventFilter(this);
#else
    titleBar->installEventFilter(this);
#endif
}

WindowFrame::~WindowFrame()
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
#endif
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Without native non-client messages the title bar asks the window system to move the window.
    if (watched == m_titleBar && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_window->windowHandle()) {
            m_window->windowHandle()->startSystemMove();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool WindowFrame::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(eventType);
#ifdef Q_OS_WIN
    MSG* msg = static_cast<MSG*>(message);
    if (msg->hwnd != reinterpret_cast<HWND>(m_window->winId()))
        return false;
    switch (msg->message) {
    case WM_NCCALCSIZE:
        if (msg->wParam == TRUE) {
            *result = 0;
            return true;
        }
        break;
    case WM_NCHITTEST: {
        const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        const QPoint local = m_titleBar->mapFromGlobal(global / m_window->devicePixelRatioF());
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
    default:
        break;
    }
#else
    Q_UNUSED(message);
    Q_UNUSED(result);
#endif
    return false;
}
