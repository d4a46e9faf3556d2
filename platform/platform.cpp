#include "platform/platform.h"

#include <atomic>

namespace {
std::atomic<Platform*> g_current{nullptr};
thread_local uint32_t t_errorCode = 0;
thread_local std::string t_errorText;
}

Platform& Platform::native()
{
    static std::unique_ptr<Platform> instance = createNativePlatform();
    return *instance;
}

Platform& Platform::current()
{
    Platform* p = g_current.load();
    return p ? *p : native();
}

void Platform::setCurrent(Platform* platform) { g_current.store(platform); }

void Platform::setLastError(uint32_t code, const std::string& text)
{
    t_errorCode = code;
    t_errorText = text;
}

uint32_t Platform::lastErrorCode() { return t_errorCode; }
std::string Platform::lastErrorText() { return t_errorCode == 0 ? std::string() : t_errorText; }

ScopedPlatform::ScopedPlatform(Platform* platform) : m_previous(g_current.load())
{
    Platform::setCurrent(platform);
}

ScopedPlatform::~ScopedPlatform() { Platform::setCurrent(m_previous); }
