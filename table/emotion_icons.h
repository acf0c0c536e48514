// The emotion icons: small pictures of the user's "Icons" folder that the
// letter keys put on the table beside the opponent (and that a chat line
// can name). The set-up writes our own drawings of them.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace grisk {

// A letter key and the icon file it shows.
struct EmotionIconKey {
    char letter;
    const char* file;
};
// The letters that name an icon, A "Angry.gif" .. X "Shoot.gif".
const std::vector<EmotionIconKey>& EmotionIconKeys();
// The icon file a key code names ("Wink.gif" for 'W'); "" for any other key.
QString EmotionIconFile(int keyCode);

// Our drawing of an icon, 32 x 32 on a transparent ground, by its file
// name; the same picture on every run. A name without a drawing of its own
// gets a plain smiling face.
QImage EmotionIcon(const QString& fileName);

}  // namespace grisk
