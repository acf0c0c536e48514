#include "platform/settings.h"

#include "platform/vb.h"
#include "platform/vberror.h"

#include <QSettings>
#include <QStandardPaths>

namespace vb {
namespace {
QString keyOf(const QString& section, const QString& key) {
    // QSettings reads "/" as a group separator; keep keys as given otherwise.
    return section + "/" + QString(key).replace('/', '_');
}
}  // namespace

QString SettingsFilePath(const QString& app) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + app +
           "/" + app + ".ini";
}

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue) {
    QSettings s(SettingsFilePath(app), QSettings::IniFormat);
    return s.value(keyOf(section, key), defaultValue).toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value) {
    QSettings s(SettingsFilePath(app), QSettings::IniFormat);
    s.setValue(keyOf(section, key), value);
    s.sync();
}

int GetSettingInt(const QString& app, const QString& section, const QString& key, int defaultValue,
                  int minValue, int maxValue) {
    const QString text = GetSetting(app, section, key, QString::number(defaultValue));
    double value = defaultValue;
    try {
        value = Val(text);
    } catch (const Error&) {
        return defaultValue;
    }
    if (!(value >= minValue && value <= maxValue)) return defaultValue;
    return static_cast<int>(value);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key) {
    QSettings s(SettingsFilePath(app), QSettings::IniFormat);
    s.remove(keyOf(section, key));
    s.sync();
}

}  // namespace vb
