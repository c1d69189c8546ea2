#include "app/bench_hooks.h"
#include "app/machine_form.h"
#include "effects/tone_speaker.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether a window can be shown at all: a platform was named, or a display is there.
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Until the character service is plugged in, no narrator loads and its requests are ignored.
class NoCharacters : public quorvel::CharacterService {
public:
    quorvel::Narrator* load(const std::string&) override { return nullptr; }
};

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "quorvel: no display to open the window on; "
                             "build/bin/quorvel-console plays the game in a terminal.\n");
        return 1;
    }
    QApplication app(argc, argv);
    quorvel::installBenchHooks();
    QApplication::setApplicationName("Quorvel");
    const QString folder = QCoreApplication::applicationDirPath();

    quorvel::ToneSpeaker speaker;
    NoCharacters characters;
    quorvel::MachineForm form(folder, speaker, characters);
    form.show();
    return QApplication::exec();
}
