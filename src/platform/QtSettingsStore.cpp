#include "platform/QtSettingsStore.h"

namespace mox {

namespace {

constexpr const char* kOrganisation = "moxcps";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The title comes from the language file; a slash in it would make QSettings nest folders.
QString StoreName(QString applicationName) {
    applicationName.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return applicationName;
}

QString KeyPath(std::string_view section, std::string_view key) {
    return FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, StoreName(applicationName)) {}

std::string QtSettingsStore::Read(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    const QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    m_settings.setValue(KeyPath(section, key), FromUtf8(value));
    m_settings.sync();
}

}  // namespace mox
