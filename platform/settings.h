// The per-user settings store: application, section, key and a string value,
// as the form run time's GetSetting/SaveSetting keep them.
#pragma once

#include <QString>

namespace vb {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
// A setting read as a whole number: defaultValue when it is not one or lies
// outside minValue..maxValue (a hand-edited store never stops the program).
int GetSettingInt(const QString& app, const QString& section, const QString& key, int defaultValue,
                  int minValue, int maxValue);
void DeleteSetting(const QString& app, const QString& section, const QString& key);

// Where the store lives (for tests and the README): an INI file per
// application under the user's configuration folder.
QString SettingsFilePath(const QString& app);

}  // namespace vb
