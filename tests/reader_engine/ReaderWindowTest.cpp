#include "feed/compose/LineStores.h"
#include "feed/rotation/RotationState.h"
#include "framework/text/Cp932.h"
#include "reader/TUIWebBrowser.h"
#include "support/LocalHttpServer.h"
#include "support/ProgramWindows.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace {

bool waitFor(const std::function<bool()>& condition, int milliseconds = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return condition();
}

LocalHttpServer::Response page(const char* utf8Title) {
    LocalHttpServer::Response response = LocalHttpServer::Response::text(
        std::string("<html><head><meta charset=\"utf-8\"><title>") + utf8Title +
        "</title></head><body><h1>" + utf8Title + "</h1></body></html>");
    response.headers = {{"Content-Type", "text/html; charset=utf-8"}};
    return response;
}

std::size_t darkPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    std::size_t count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 64;
    return count;
}

class ReaderWindow : public ProgramTest {
protected:
    void SetUp() override {
        withBrowser = true;
        for (int i = 1; i <= 4; ++i)
            server.route("/article" + std::to_string(i), page("記事のページ"));
    }

    TForm5& reader() const { return program->reader; }
    template <typename Control> Control& readerControl(const char* name) const {
        auto* found = reader().findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no reader control ") + name);
        return *found;
    }

    // The ticker shows article `current` of a feed whose links are `links` (line 0 the
    // channel's).
    void showArticle(int current, const std::vector<std::string>& links) const {
        LineStores& stores = ticker().stores();
        std::vector<std::string> titles;
        for (std::size_t i = 0; i < links.size(); ++i)
            titles.push_back("title " + std::to_string(i));
        stores.Memo2.setLines(titles);
        stores.Memo3.setLines(links);
        ticker().rotationState().articleIndex = current;
    }

    std::size_t articleRequests() const {
        std::size_t count = 0;
        for (const auto& request : server.requests())
            count += request.path.rfind("/article", 0) == 0;
        return count;
    }

    LocalHttpServer server;
};

TEST_F(ReaderWindow, TheCurrentArticleIsSelectedAndItsPageLoaded) {
    writeSettings({"[option]", "OP12=true", "OP11=down"});
    start();
    showArticle(3, {server.url("/feed"), server.url("/article1"), server.url("/article2"),
                    server.url("/article3"), server.url("/article4")});

    reader().ShowReader();

    EXPECT_TRUE(reader().isVisible());
    EXPECT_EQ(reader().windowTitle(), QStringLiteral("title 3"));
    EXPECT_EQ(readerControl<QListWidget>("ReportList").count(), 5);
    EXPECT_EQ(readerControl<QListWidget>("ReportList").currentRow(), 3);
    EXPECT_EQ(reader().frameGeometry().top(), ticker().frameGeometry().bottom() + 1);
    ASSERT_TRUE(reader().browser());
    ASSERT_TRUE(waitFor([&] { return reader().history().items().size() == 1; }));
    EXPECT_EQ(reader().history().items()[0], QString::fromStdString(server.url("/article3")));
    EXPECT_EQ(readerControl<QComboBox>("URI").currentText(),
              QString::fromStdString(server.url("/article3")));
    ASSERT_EQ(articleRequests(), 1u);
    EXPECT_EQ(server.requests()[0].path, "/article3");
    EXPECT_TRUE(waitFor([&] { return reader().windowTitle() == QStringLiteral("記事のページ"); }))
        << reader().windowTitle().toStdString();
    // The browser module's view paints the page: the heading's black text on white.
    EXPECT_TRUE(waitFor([&] { return darkPixels(*reader().browser()->view().widget()) > 100; }));
    EXPECT_TRUE(ticker().closeButton()->isVisibleTo(&ticker()));
}

TEST_F(ReaderWindow, WithoutArticleAndAnUntouchedHomeNothingIsLoaded) {
    writeSettings({"[option]", "OP12=", "OP13=true", "DefUri=http://"});
    start();
    showArticle(2, {server.url("/feed"), server.url("/article1"), server.url("/article2")});

    reader().ShowReader();
    waitFor([] { return false; }, 1500);

    EXPECT_TRUE(reader().isVisible());
    EXPECT_EQ(readerControl<QListWidget>("ReportList").count(), 0);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(reader().history().items().isEmpty());
}

TEST_F(ReaderWindow, AScriptLinkIsRefusedAndSaidSo) {
    writeSettings({"[option]", "OP12=true"});
    start();
    showArticle(1, {server.url("/feed"), "javascript:location='" + server.url("/article1") + "'"});

    reader().ShowReader();
    waitFor([] { return false; }, 1500);

    EXPECT_TRUE(readerControl<QLabel>("Label1").text().contains(QStringLiteral("開けません")));
    EXPECT_EQ(articleRequests(), 0u);
    EXPECT_TRUE(reader().history().items().isEmpty());
}

TEST_F(ReaderWindow, TheFeedListDoubleClickListsTheFeedAndShowsItsDocument) {
    server.route("/feed",
                 LocalHttpServer::Response::text(
                     "<rss><channel><title>チャンネル</title><link>" + server.url("/article1") +
                     "</link><item><title>一つ目</title><link>" + server.url("/article2") +
                     "</link></item><item><title>二つ目</title></item></channel></rss>"));
    writeSettings({"[option]", "OP12="});
    writeFeedList("feed," + server.url("/feed") + "," + cp932::fromUtf8("×") + "\r\n");
    start();
    reader().ShowReader();
    auto& feeds = readerControl<QListWidget>("NewsList");
    ASSERT_EQ(feeds.count(), 1);
    feeds.setCurrentRow(0);

    // While the ticker loads a feed the double-click does nothing.
    ticker().rotationState().busy = true;
    reader().NewsListDblClick();
    ticker().rotationState().busy = false;
    auto& articles = readerControl<QListWidget>("ReportList");
    EXPECT_EQ(articles.count(), 0);
    EXPECT_TRUE(server.requests().empty());

    reader().NewsListDblClick();
    waitForLoad();

    ASSERT_EQ(articles.count(), 3) << articles.item(0)->text().toStdString();
    EXPECT_EQ(articles.item(1)->text(), QStringLiteral("一つ目"));
    EXPECT_EQ(reader().links(),
              (std::vector<std::string>{server.url("/article1"), server.url("/article2"), " "}));
    EXPECT_TRUE(ticker().stores().Memo1.empty());
    EXPECT_TRUE(waitFor([&] {
        return !reader().history().items().isEmpty() &&
               reader().history().items()[0] == QString::fromStdString(server.url("/feed"));
    }));
}

TEST_F(ReaderWindow, AcceleratorsSwitchedOffNeverReachThePage) {
    start();
    reader().ShowReader();
    TUIWebBrowser& browser = *reader().browser();
    QWidget* view = browser.view().widget();
    QWidget* page = view->focusProxy() ? view->focusProxy() : view;
    auto take = [&](int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        return THookApplicationMessage::application().dispatch(page, &event);
    };
    EXPECT_FALSE(take(Qt::Key_C, Qt::ControlModifier));

    BrowserHostPolicy policy = browser.policy();
    policy.IeEnableAccelerator = false;
    browser.setPolicy(policy);
    EXPECT_TRUE(take(Qt::Key_C, Qt::ControlModifier));
    EXPECT_TRUE(take(Qt::Key_A, Qt::ControlModifier));
    EXPECT_FALSE(take(Qt::Key_Backspace, Qt::NoModifier));
    EXPECT_FALSE(take(Qt::Key_Left, Qt::NoModifier));
    EXPECT_FALSE(take(Qt::Key_X, Qt::NoModifier));
    // Keys meant for other windows are not the browser's business.
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(THookApplicationMessage::application().dispatch(&ticker(), &copy));
}

} // namespace
