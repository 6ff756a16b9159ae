#pragma once

#include <QSettings>
#include <QString>

#include "services/SettingsStore.h"

namespace mox {

// The per-user settings store on QSettings, under the program title as the application name; a
// section is a QSettings group.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(const QString& applicationName);
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    mutable QSettings m_settings;
};

}  // namespace mox
