#include "reader/BrowserModule.h"
#include "framework/text/Cp932.h"
#include "support/ProgramWindows.h"

#include <QLabel>
#include <QLibraryInfo>

namespace {

// Candidates that cannot serve: a missing file, a file that is no library, and a library
// without the entry point.
QStringList brokenCandidates(const TempDir& dir) {
    dir.write("not-a-library.so", "plain text");
    return {QString::fromStdString(dir.file("missing.so")),
            QString::fromStdString(dir.file("not-a-library.so")),
            QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6")};
}

TEST(BrowserModule, EveryCandidateThatCannotServeIsNamedAndNoViewIsMade) {
    TempDir dir;
    const QStringList candidates = brokenCandidates(dir);
    const BrowserModule module(candidates);

    EXPECT_FALSE(module.loaded());
    const QStringList reasons = module.errorString().split(QLatin1Char('\n'));
    ASSERT_EQ(reasons.size(), 3) << module.errorString().toStdString();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(reasons[i].contains(candidates[i])) << reasons[i].toStdString();
    EXPECT_TRUE(reasons[2].contains(QLatin1String(kCreateWebViewSymbol)));

    struct : WebViewListener {
        void linkHovered(const QString&) override {}
        void titleChanged(const QString&) override {}
        void urlChanged() override {}
        void loadFinished() override {}
    } listener;
    QWidget parent;
    EXPECT_EQ(module.createView(&parent, listener), nullptr);
    EXPECT_TRUE(parent.children().isEmpty());
}

class ReaderWithoutModule : public ProgramTest {
protected:
    TForm5& reader() const { return program->reader; }
    QString status() const { return reader().findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
    // The reader's boxes about its browser, after the events have run for a while.
    std::vector<ModalBoxCatcher::Box> browserBoxes() const {
        QDeadlineTimer deadline(300);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::vector<ModalBoxCatcher::Box> found;
        for (const ModalBoxCatcher::Box& box : boxes.boxes())
            if (box.text.contains(QStringLiteral("ブラウザ")))
                found.push_back(box);
        return found;
    }
};

TEST_F(ReaderWithoutModule, TheReaderSaysSoOnceAndKeepsWorking) {
    const BrowserModule module(brokenCandidates(dir));
    withBrowser = true;
    writeSettings({"[option]", "OP12=true"});
    writeFeedList(cp932::fromUtf8("一,http://127.0.0.1:1/a,○\r\n"));
    start();
    reader().setBrowserModule(module);
    ticker().stores().Memo2.setLines({"channel", "記事"});
    ticker().stores().Memo3.setLines({"http://127.0.0.1:1/", "http://127.0.0.1:1/article"});
    ticker().rotationState().articleIndex = 1;

    reader().ShowReader();

    EXPECT_TRUE(reader().isVisible());
    EXPECT_EQ(reader().browser(), nullptr);
    const auto shown = browserBoxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("ブラウザを読み込めない")));
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("missing.so")))
        << shown[0].text.toStdString();
    EXPECT_EQ(status(),
              QStringLiteral("ブラウザがないため表示できません: http://127.0.0.1:1/article"));

    // Further pages, a second opening and the closing neither ask again nor fail.
    reader().ReportListDblClick(0);
    EXPECT_EQ(status(), QStringLiteral("ブラウザがないため表示できません: http://127.0.0.1:1/"));
    reader().close();
    reader().ShowReader();
    EXPECT_EQ(browserBoxes().size(), 1u);
    reader().close();
    EXPECT_NE(dir.read("glowtape3.ini").find("[window5]"), std::string::npos);
}

} // namespace
