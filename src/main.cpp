#include "app/FeedList.h"
#include "articles/TForm3.h"
#include "framework/Paths.h"
#include "framework/SingleInstance.h"
#include "options/TForm2.h"
#include "reader/TForm5.h"
#include "ticker/TForm1.h"

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

    const std::string settingsDirectory = Paths::settingsDirectory();
    FeedList feeds;
    // The order matters: the options dialog works on the ticker, and its creation starts
    // the show.
    TForm1 ticker(feeds, settingsDirectory);
    TForm2 options(ticker, feeds, settingsDirectory);
    TForm5 reader(ticker, settingsDirectory);
    ticker.attachReader(&reader);
    TForm3 articles(ticker, settingsDirectory);
    ticker.attachArticles(&articles);

    ticker.show();
    return QApplication::exec();
}
