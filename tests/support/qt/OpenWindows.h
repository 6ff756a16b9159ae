#pragma once

#include <QWidget>
#include <map>

#include "widgets/WindowRegistry.h"

namespace mox::test {

// The open windows by name, as the main window would find them.
class OpenWindows : public WindowRegistry {
public:
    void RegisterWindow(const QString&, WindowFactory) override {}
    QWidget* ShowOrFocusWindow(const QString& name) override { return FindWindow(name); }
    void CloseWindowByName(const QString& name) override { Open.erase(name); }
    QWidget* FindWindow(const QString& name) const override {
        const auto found = Open.find(name);
        return found == Open.end() ? nullptr : found->second;
    }

    std::map<QString, QWidget*> Open;
};

}  // namespace mox::test
