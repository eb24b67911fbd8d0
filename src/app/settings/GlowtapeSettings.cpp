#include "app/settings/GlowtapeSettings.h"

#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsReader.h"
#include "app/settings/SettingsWriter.h"
#include "app/settings/WindowPlacement.h"

namespace {

namespace k = settings;
namespace flag = settings::flag;

// Written height first, then width, top, left.
void writeBounds(SettingsWriter& writer, const WindowBounds& bounds, const SettingKey& top,
                 const SettingKey& left, const SettingKey& width, const SettingKey& height) {
    writer.integer(height, bounds.height);
    writer.integer(width, bounds.width);
    writer.integer(top, bounds.top);
    writer.integer(left, bounds.left);
}

std::string_view trueOr(bool value, std::string_view otherwise) {
    return value ? flag::True : otherwise;
}

} // namespace

GlowtapeSettings GlowtapeSettings::defaults() {
    return read(SettingsReader("")); // no file: every key at its default
}

ReaderMode GlowtapeSettings::readerModeOf(const SettingsReader& reader) {
    // Anything but "news" switches to document mode, and "none" on to none mode.
    const std::string mode = reader.text(k::window5::Mode);
    return mode == flag::News   ? ReaderMode::News
           : mode == flag::None ? ReaderMode::None
                                : ReaderMode::Document;
}

GlowtapeSettings GlowtapeSettings::read(const SettingsReader& reader) {
    GlowtapeSettings s;
    s.ticker =
        windowplacement::read(reader, k::window::T, k::window::L, k::window::W, k::window::H);
    s.titleColumnWidth = reader.integer(k::window::List0);
    s.uriColumnWidth = reader.integer(k::window::List1);
    s.options =
        windowplacement::read(reader, k::window2::T, k::window2::L, k::window2::W, k::window2::H);
    s.articles =
        windowplacement::read(reader, k::window3::T, k::window3::L, k::window3::W, k::window3::H);
    s.reader =
        windowplacement::read(reader, k::window5::T, k::window5::L, k::window5::W, k::window5::H);
    s.readerPanelWidth = reader.integer(k::window5::S1);
    s.readerListHeight = reader.integer(k::window5::S2);
    s.readerMode = readerModeOf(reader);
    s.readerToolBar = reader.is(k::window5::cont, flag::True);

    s.articleColour = reader.colourOrDefault(k::color::font);
    s.titleColour = reader.colourOrDefault(k::color::title);
    s.darkColour = reader.colourOrDefault(k::color::dark);
    s.backColour = reader.colourOrDefault(k::color::back);
    s.descriptionColour = reader.colourOrDefault(k::color::dec);
    s.markColour = reader.colourOrDefault(k::color::mark);
    s.newColour = reader.colourOrDefault(k::color::newHeadline);

    s.articleFontName = reader.text(k::font::name1);
    s.verticalFontName = reader.text(k::font::name2);
    s.articleFontStyle = reader.integer(k::font::OP1);
    s.textHeight = reader.integer(k::font::size1);
    s.descriptionFontName = reader.text(k::font::name3);
    s.descriptionFontStyle = reader.integer(k::font::OP2);
    s.descriptionFontSize = reader.integer(k::font::size2);

    s.border = reader.is(k::option::OP0, flag::True);
    s.readerFullWidth = reader.is(k::option::OP2, flag::True);
    s.launchButtons = reader.is(k::option::OP4, flag::True);
    s.showInterval = reader.integer(k::option::OP5);
    s.topmost = reader.is(k::option::OP6, flag::True);
    s.dockAtTop = reader.is(k::option::OP7, flag::Up);
    s.alwaysShow = reader.is(k::option::OP8, flag::True);
    s.space = reader.integer(k::option::OP9);
    // window/B is applied first and then replaced by OP10.
    s.bit = reader.integer(k::option::OP10);
    const std::string placement = reader.text(k::option::OP11);
    s.readerPlacement = placement == flag::Up     ? ReaderPlacement::Above
                        : placement == flag::Down ? ReaderPlacement::Below
                                                  : ReaderPlacement::NotPlaced;
    s.showCurrentArticle = reader.is(k::option::OP12, flag::True);
    s.showHomeAddress = reader.is(k::option::OP13, flag::True);
    s.descriptionAtTop = reader.is(k::option::OP15, flag::Top);
    s.sending = reader.integer(k::option::OP16);
    s.vertical = reader.is(k::option::Direct, flag::True);
    // Only "false" turns reversed scrolling off.
    s.reverse = !reader.is(k::option::Rever, flag::False);
    s.pauseOnHover = !reader.is(k::option::Hover, flag::False);
    s.refreshMinutes = reader.integer(k::option::Refresh);
    s.newMark = reader.is(k::option::NewMark, flag::True);
    s.notify = reader.is(k::option::Notify, flag::True);
    s.language = reader.text(k::option::Language);
    s.browserProgram = reader.text(k::option::urlEXE);
    s.homeAddress = reader.text(k::option::DefUri);

    s.headlineChoice = reader.integer(k::select::main);
    s.descriptionChoice = reader.integer(k::select::dec);
    s.muteWords = reader.text(k::filter::Mute);
    s.markWords = reader.text(k::filter::Mark);
    s.accountService = reader.integer(k::account::service);
    s.accountServer = reader.text(k::account::server);
    s.accountUser = reader.text(k::account::user);
    return s;
}

void GlowtapeSettings::writeTo(SettingsWriter& writer) const {
    writeBounds(writer, ticker, k::window::T, k::window::L, k::window::W, k::window::H);
    writer.integer(k::window::B, bit);
    writeBounds(writer, options, k::window2::T, k::window2::L, k::window2::W, k::window2::H);
    writeBounds(writer, articles, k::window3::T, k::window3::L, k::window3::W, k::window3::H);
    writeBounds(writer, reader, k::window5::T, k::window5::L, k::window5::W, k::window5::H);
    writer.integer(k::window5::S1, readerPanelWidth);
    writer.integer(k::window5::S2, readerListHeight);
    if (readerMode) {
        writer.text(k::window5::Mode, *readerMode == ReaderMode::News       ? flag::News
                                      : *readerMode == ReaderMode::Document ? flag::Document
                                                                            : flag::None);
    }
    writer.text(k::window5::cont, trueOr(readerToolBar, flag::False));
    writer.integer(k::window::List0, titleColumnWidth);
    writer.integer(k::window::List1, uriColumnWidth);
    writer.text(k::option::urlEXE, browserProgram);
    writer.text(k::option::DefUri, homeAddress);

    writer.colour(k::color::font, articleColour);
    writer.colour(k::color::title, titleColour);
    writer.colour(k::color::dark, darkColour);
    writer.colour(k::color::back, backColour);
    writer.colour(k::color::dec, descriptionColour);
    writer.colour(k::color::mark, markColour);
    writer.colour(k::color::newHeadline, newColour);

    writer.text(k::font::name1, articleFontName);
    writer.text(k::font::name2, verticalFontName);
    writer.integer(k::font::OP1, articleFontStyle);
    writer.integer(k::font::size1, textHeight);
    writer.text(k::font::name3, descriptionFontName);
    writer.integer(k::font::OP2, descriptionFontStyle);
    writer.integer(k::font::size2, descriptionFontSize);

    writer.text(k::option::OP0, trueOr(border, flag::False));
    writer.text(k::option::OP2, trueOr(readerFullWidth, ""));
    writer.text(k::option::OP4, trueOr(launchButtons, ""));
    writer.integer(k::option::OP5, showInterval);
    writer.text(k::option::OP6, trueOr(topmost, flag::False));
    writer.text(k::option::OP7, dockAtTop ? flag::Up : flag::Down);
    writer.text(k::option::OP8, trueOr(alwaysShow, flag::False));
    writer.integer(k::option::OP9, space);
    writer.integer(k::option::OP10, bit);
    writer.text(k::option::OP11, readerPlacement == ReaderPlacement::Above   ? flag::Up
                                 : readerPlacement == ReaderPlacement::Below ? flag::Down
                                                                             : "");
    writer.text(k::option::OP12, trueOr(showCurrentArticle, ""));
    writer.text(k::option::OP13, trueOr(showHomeAddress, ""));
    writer.text(k::option::OP15, descriptionAtTop ? flag::Top : flag::Bottom);
    writer.integer(k::option::OP16, sending);
    writer.text(k::option::Direct, trueOr(vertical, flag::False));
    writer.text(k::option::Rever, trueOr(reverse, flag::False));
    writer.text(k::option::Hover, trueOr(pauseOnHover, flag::False));
    writer.integer(k::option::Refresh, refreshMinutes);
    writer.text(k::option::NewMark, trueOr(newMark, flag::False));
    writer.text(k::option::Notify, trueOr(notify, flag::False));
    writer.text(k::option::Language, language);

    writer.integer(k::select::main, headlineChoice);
    writer.integer(k::select::dec, descriptionChoice);
    writer.text(k::filter::Mute, muteWords);
    writer.text(k::filter::Mark, markWords);
    writer.integer(k::account::service, accountService);
    writer.text(k::account::server, accountServer);
    writer.text(k::account::user, accountUser);
}

Outcome GlowtapeSettings::save(const std::string& path) const {
    SettingsWriter writer(path);
    writeTo(writer);
    return writer.save();
}

int GlowtapeSettings::tickerHeightAfterLoad(int storedHeight, int textHeight) {
    return storedHeight == 0 ? 4 * textHeight + 15 : storedHeight;
}
