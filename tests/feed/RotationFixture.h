#pragma once

#include "LightStr/TLightStr.h"
#include "app/FeedList.h"
#include "feed/compose/FeedView.h"
#include "feed/compose/LineStores.h"
#include "feed/fetch/FeedDownloader.h"
#include "feed/rotation/FeedRotation.h"
#include "feed/rotation/LineChoices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

constexpr std::uint32_t kTitle = 0x0000FFFF;
constexpr std::uint32_t kArticle = 0x0000FF00;
constexpr std::uint32_t kDescription = 0x00FFFFFF;

// The window's side of loading and composing, acting on a real sign.
struct SignView : FeedView {
    explicit SignView(TLightStr& sign) : sign(sign) {}
    void appendShowString(const std::string& line) override { sign.ShowStrings().push_back(line); }
    void setShowStrings(const std::vector<std::string>& lines) override {
        sign.ShowStrings() = lines;
    }
    void startShow() override { sign.StartShow(); }
    void setCaption(const std::string& text) override { caption = std::string(text); }
    void setDec(const std::string& text) override { dec = std::string(text); }
    void setTrayTip(const std::string& tip) override { trayTip = std::string(tip); }
    void setMenuReady() override { menuReady = true; }

    TLightStr& sign;
    std::string caption;
    std::string dec;
    std::string trayTip;
    bool menuReady = false;
};

struct Choices : LineChoices {
    int MainList() const override { return main; }
    int DecList() const override { return dec; }
    int main = 0;
    int dec = 0;
};

struct ShownLine {
    std::string text; // UTF-8
    std::uint32_t colour;
    bool operator==(const ShownLine&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ShownLine& line) {
    return out << "{" << line.text << ", " << std::hex << line.colour << "}";
}

inline std::string item(const std::string& title, const std::string& description = "") {
    return "<item><title>" + title + "</title><link>http://x/" + title + "</link>" +
           (description.empty() ? "" : "<description>" + description + "</description>") +
           "</item>";
}

// A sign one dot per pixel and 30 dots long, the rotation answering its events, and
// feeds as local files. Lines are recorded as they enter the sign, with the colour they
// are drawn in.
class Rotation : public ::testing::Test {
protected:
    Rotation() {
        sign.setBit(1);
        sign.resize(30, 11);
        colours.title = kTitle;
        colours.article = kArticle;
        colours.description = kDescription;
        drive(rotation);
    }

    // The sign's events go to `driver`, and its lines are recorded. A fixture that drives a
    // rotation of its own ends the default one, which would otherwise take steps of its own
    // when the feed list changes; `rotation` is not to be used there.
    void drive(FeedRotation& driver) {
        if (&driver != own_.get())
            own_.reset();
        sign.OnLineNext = [this, &driver](TLightStr*, int index) {
            driver.LightStr1LineNext();
            pending = std::string(sign.ShowStrings().at(static_cast<std::size_t>(index)));
            hasPending = true;
        };
        sign.OnShowActive = [&driver](TLightStr*, bool active) {
            driver.LightStr1ShowActive(active);
        };
    }

    void addFeed(const std::string& name, const std::string& flag, const std::string& items,
                 const std::string& channelDescription = "") {
        const std::string file = name + ".xml";
        dir.write(file, "<rss><channel><title>Channel " + name + "</title><link>http://" + name +
                            "/</link>" +
                            (channelDescription.empty()
                                 ? ""
                                 : "<description>" + channelDescription + "</description>") +
                            items + "</channel></rss>");
        feeds.append({name, "file://" + dir.file(file), std::string(flag)});
    }

    void addMissingFeed(const std::string& name) {
        feeds.append({name, "file://" + dir.file("missing-" + name), "○"});
    }

    // Starts the way the program does: a welcome line, then the rotation takes over.
    void startWithWelcome() {
        stores.Memo3.append("http://home/");
        sign.ShowStrings().push_back("welcome");
        sign.StartShow();
    }

    void tick() {
        if (hasPending) {
            shown.push_back({pending, sign.LightColor()});
            hasPending = false;
        }
        sign.TimerTick();
    }

    // Ticks until `count` lines have entered the sign (and been drawn once).
    void runLines(std::size_t count) {
        for (int i = 0; i < 200000 && shown.size() < count; ++i)
            tick();
        ASSERT_GE(shown.size(), count);
    }

    // Ticks until the line that entered last has been drawn for a few columns.
    void runColumns(int columns) {
        for (int i = 0; i < columns; ++i)
            tick();
    }

    std::vector<std::string> shownTexts(std::size_t from = 0) const {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < shown.size(); ++i)
            texts.push_back(shown[i].text);
        return texts;
    }

    TempDir dir;
    FeedList feeds;
    TLightStr sign;
    LineStores stores;
    RotationState state;
    SignView view{sign};
    FeedDownloader downloader;
    TickerColours colours;
    Choices choices;
    std::unique_ptr<FeedRotation> own_ = std::make_unique<FeedRotation>(
        sign, stores, state, feeds, view, downloader, colours, choices);
    FeedRotation& rotation = *own_;
    std::vector<ShownLine> shown;
    std::string pending;
    bool hasPending = false;
};
