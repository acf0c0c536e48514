// grisk-sounds OUTDIR: writes the program's sounds as OUTDIR/105.wav ..
// OUTDIR/123.wav, the silent OUTDIR/empty.wav, the avatar's OUTDIR/slap.wav, the chat's
// OUTDIR/chat/NAME.wav, the intro music
// OUTDIR/intro.wav and the personalities'
// voices OUTDIR/pms/NAME/1.wav .. 16.wav. The build compiles the program's sounds into it as
// resources; grisk-setup packs the voices beside the personality files.
// grisk-sounds --list: prints what each sound is and when it is played.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "synth.h"

namespace {

bool writeWav(const std::filesystem::path& path, const grisk_sounds::Samples& samples) {
    const std::vector<std::uint8_t> bytes = grisk_sounds::wavFile(samples);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "grisk-sounds: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--list") {
        for (const auto& s : grisk_sounds::programSounds())
            std::printf("%d  %-18s %s\n", s.number, s.name, s.use);
        for (const auto& s : grisk_sounds::chatSounds()) std::printf("chat %-18s %s\n", s.name, s.use);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: grisk-sounds OUTDIR | --list\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "grisk-sounds: cannot create %s: %s\n", dir.string().c_str(),
                     error.message().c_str());
        return 1;
    }
    bool ok = true;
    for (const auto& s : grisk_sounds::programSounds())
        ok = writeWav(dir / (std::to_string(s.number) + ".wav"), s.render()) && ok;
    ok = writeWav(dir / "empty.wav", grisk_sounds::emptySound()) && ok;
    ok = writeWav(dir / "slap.wav", grisk_sounds::slapSound()) && ok;
    ok = writeWav(dir / "intro.wav", grisk_sounds::introMusic()) && ok;
    std::filesystem::create_directories(dir / "chat", error);
    for (const auto& s : grisk_sounds::chatSounds())
        ok = writeWav(dir / "chat" / (std::string(s.name) + ".wav"), s.render()) && ok;
    // The personalities' voices: OUTDIR/pms/NAME/1.wav .. 16.wav.
    for (const std::string& name : grisk_sounds::personalityNames()) {
        const std::filesystem::path folder = dir / "pms" / name;
        std::filesystem::create_directories(folder, error);
        int event = 0;
        for (const auto& samples : grisk_sounds::personalitySounds(name))
            ok = writeWav(folder / (std::to_string(++event) + ".wav"), samples) && ok;
    }
    return ok ? 0 : 1;
}
