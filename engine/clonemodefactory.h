#pragma once
#include "core/tessarin.h"

#include <QString>
#include <functional>

class CloneMode;
class QObject;

// The one place where the worker gets the strategy for a mode. Tests replace the function with
// one that builds a scripted strategy.
class CloneModeFactory {
public:
    // Returns a new strategy with `parent` as its QObject parent, or nullptr with `error` set
    // (left empty for a mode value that names no strategy).
    using Function = std::function<CloneMode*(Tessarin::CloneModeType mode, QObject* parent, QString& error)>;

    static CloneMode* create(Tessarin::CloneModeType mode, QObject* parent, QString& error);
    // An empty function restores the default.
    static void setFunction(Function function);
    static CloneMode* createDefault(Tessarin::CloneModeType mode, QObject* parent, QString& error);
};
