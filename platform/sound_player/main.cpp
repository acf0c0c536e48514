// grisk-play-sound: plays one WAV sound, given as its standard input, to its
// end and exits. The game hands it the sound it plays as it closes, so that
// the sound is heard whole although the game (and the sound's file) is gone
// a moment later.
#include <QCoreApplication>

#include "platform/sound.h"

namespace {
constexpr int kLongestMs = 10000;  // no closing sound is longer
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Standard input is the file as it was when the game started us, even
    // when the game has deleted it since.
    return sound::PlaySync(QStringLiteral("/proc/self/fd/0"), kLongestMs) ? 0 : 1;
}
