#include "app/Translations.h"
#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "framework/files/Paths.h"
#include "framework/files/SingleInstance.h"
#include "framework/files/StopSignals.h"
#include "ticker/ProgramWindows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    // A second start ends at once and silently; the running instance is not disturbed.
    const SingleInstance instance;
    if (!instance.acquired())
        return 0;

    // The sign repaints a small strip a hundred times a second. Through shared memory every
    // repaint costs a completion event and two thread wake-ups; plain image transfers halve
    // the ticker's CPU use.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Docking, keeping above and the system-wide keys are X11's; on a Wayland desktop they
    // work through XWayland as far as the compositor lets X clients have them.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowtape"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/glowtape.svg")));

    const std::string directory = Paths::settingsDirectory();
    const Translations texts(Translations::forSetting(
        SettingsReader(directory + std::string(settings::kSettingsFileName))
            .text(settings::option::Language)));
    ProgramWindows program(directory);
    // A logout, a kill or the end of the session must not lose what the user changed.
    const StopSignals stop([&program] {
        program.ticker.saveChanges();
        QApplication::quit();
    });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &program.ticker,
                     [&program] { program.ticker.saveChanges(); });
    program.ticker.show();
    return QApplication::exec();
}
