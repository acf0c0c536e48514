// The per-user settings store: application, section, key and a string value,
// as the form run time's GetSetting/SaveSetting keep them.
#pragma once

#include <QString>

namespace vb {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
void DeleteSetting(const QString& app, const QString& section, const QString& key);

// Where the store lives (for tests and the README): an INI file per
// application under the user's configuration folder.
QString SettingsFilePath(const QString& app);

}  // namespace vb
