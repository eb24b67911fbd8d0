// Opens the news reader as the program does and prints three figures: the resident memory
// of the running ticker before the reader opens, the time from ShowReader to the first
// paint of a local article page, and the resident memory with the reader showing (this
// process, and with the engine's helper processes).
//
// Needs a display for the engine, e.g.:
//   QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu tests/support/with-xvfb.sh build/bench/reader_open
// (as root also QTWEBENGINE_DISABLE_SANDBOX=1). The engine and the OpenGL driver it needs
// are loaded with the browser module when the reader first shows, so the first figure is
// the ticker's own and the second includes loading them.
#include "framework/text/Cp932.h"
#include "reader/TUIWebBrowser.h"
#include "ticker/ProgramWindows.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool runUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

long residentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// This process and every process below it.
long treeResidentKb(int root) {
    std::multimap<int, int> children;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const int pid = entry.toInt(&number);
        if (!number)
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        const std::size_t close = text.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(text.substr(close + 2));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        children.emplace(parent, pid);
    }
    long total = 0;
    std::vector<int> pending{root};
    while (!pending.empty()) {
        const int pid = pending.back();
        pending.pop_back();
        total += residentKb(pid);
        const auto [begin, end] = children.equal_range(pid);
        for (auto it = begin; it != end; ++it)
            pending.push_back(it->second);
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir work;
    // The engine's profile and the Favorites go to the scratch directory, not the user's.
    qputenv("HOME", work.path().toUtf8());
    qputenv("XDG_DATA_HOME", (work.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (work.path() + "/cache").toUtf8());
    QApplication application(argc, argv);

    const QString article = QUrl::fromLocalFile(work.path() + "/article.html").toString();
    write(work.path() + "/article.html",
          "<html><head><meta charset='utf-8'><title>記事</title></head><body><h1>"
          "日本語の記事ページ</h1><p>電光掲示板のニュースを読む。</p></body></html>");
    write(work.path() + "/feed.xml",
          ("<?xml version='1.0' encoding='UTF-8'?><rss><channel><title>ローカル</title><link>" +
           article + "</link><item><title>記事</title><link>" + article +
           "</link></item></channel></rss>")
              .toUtf8());
    const std::string feedList = cp932::fromUtf8(
        "local," + QUrl::fromLocalFile(work.path() + "/feed.xml").toString().toStdString() +
        ",○\r\n");
    write(work.path() + "/news.csv", QByteArray::fromStdString(feedList));
    write(work.path() + "/glowtape3.ini", "[option]\r\nOP12=true\r\n");

    const std::string directory = work.path().toStdString() + "/";
    ProgramWindows program(directory);
    TForm5& reader = program.reader;
    program.ticker.show();
    runUntil([] { return false; }, 3000);
    const long before = residentKb(getpid());

    const qint64 opened = QDateTime::currentMSecsSinceEpoch();
    reader.ShowReader();
    double paintedAt = 0;
    const bool painted = runUntil(
        [&] {
            if (paintedAt > 0 || !reader.browser())
                return paintedAt > 0;
            reader.browser()->view().runJavaScript(
                "(() => { const p = performance.getEntriesByName('first-contentful-paint')[0];"
                " return p ? performance.timeOrigin + p.startTime : 0; })()",
                [&](const QVariant& result) { paintedAt = result.toDouble(); });
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            return paintedAt > 0;
        },
        20000);
    runUntil([] { return false; }, 2000);

    std::printf("ticker rss before the reader: %.1f MB\n", before / 1024.0);
    if (painted)
        std::printf("ShowReader to first paint: %.0f ms\n", paintedAt - opened);
    else
        std::printf("ShowReader to first paint: no paint within 20 s\n");
    std::printf("rss with the reader showing: %.1f MB (with the engine's processes %.1f MB)\n",
                residentKb(getpid()) / 1024.0, treeResidentKb(getpid()) / 1024.0);
    return painted ? 0 : 1;
}
