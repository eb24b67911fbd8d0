#pragma once

#include "app/settings/SettingKey.h"

// Every key of glowtape3.ini and data.ini, declared once. Readers, the settings save and
// the tests all name keys through these constants.
namespace settings {

inline constexpr std::string_view kSettingsFileName = "glowtape3.ini";
inline constexpr std::string_view kDataFileName = "data.ini";

// The flag texts, compared exactly, letter case included.
namespace flag {
inline constexpr std::string_view True = "true";
inline constexpr std::string_view False = "false";
inline constexpr std::string_view Up = "up";
inline constexpr std::string_view Down = "down";
inline constexpr std::string_view Top = "top";
inline constexpr std::string_view Bottom = "bottom";
inline constexpr std::string_view News = "news";
inline constexpr std::string_view Document = "document";
inline constexpr std::string_view None = "none";
} // namespace flag

using F = SettingForm;

// The ticker window's bounds and the sign's dot size; the news list's column widths.
namespace window {
inline constexpr std::string_view S = "window";
inline constexpr SettingKey T{S, "T", F::Integer, "0"};
inline constexpr SettingKey L{S, "L", F::Integer, "0"};
inline constexpr SettingKey W{S, "W", F::Integer, "600"};
inline constexpr SettingKey H{S, "H", F::Integer, "90"};
inline constexpr SettingKey B{S, "B", F::Integer, "3"};
inline constexpr SettingKey List0{S, "List0", F::Integer, "80"};
inline constexpr SettingKey List1{S, "List1", F::Integer, "80"};
} // namespace window

// The options dialog's bounds.
namespace window2 {
inline constexpr std::string_view S = "window2";
// The dialog reads its top twice, with 200 and then with 100; only the second read counts.
inline constexpr SettingKey T{S, "T", F::Integer, "100"};
inline constexpr SettingKey L{S, "L", F::Integer, "200"};
inline constexpr SettingKey W{S, "W", F::Integer, "580"};
inline constexpr SettingKey H{S, "H", F::Integer, "400"};
} // namespace window2

// The article list window's bounds.
namespace window3 {
inline constexpr std::string_view S = "window3";
inline constexpr SettingKey T{S, "T", F::Integer, "100"};
inline constexpr SettingKey L{S, "L", F::Integer, "100"};
inline constexpr SettingKey W{S, "W", F::Integer, "250"};
inline constexpr SettingKey H{S, "H", F::Integer, "400"};
} // namespace window3

// The news reader's bounds and layout.
namespace window5 {
inline constexpr std::string_view S = "window5";
inline constexpr SettingKey T{S, "T", F::Integer, "100"};
inline constexpr SettingKey L{S, "L", F::Integer, "100"};
inline constexpr SettingKey W{S, "W", F::Integer, "200"};
inline constexpr SettingKey H{S, "H", F::Integer, "400"};
inline constexpr SettingKey S1{S, "S1", F::Integer, "200"};
inline constexpr SettingKey S2{S, "S2", F::Integer, "200"};
inline constexpr SettingKey Mode{S, "Mode", F::Flag, flag::News};
inline constexpr SettingKey cont{S, "cont", F::Flag, flag::False};
} // namespace window5

// The ticker's colours.
namespace color {
inline constexpr std::string_view S = "color";
inline constexpr SettingKey font{S, "font", F::Colour, "clLime"};
inline constexpr SettingKey title{S, "title", F::Colour, "clYellow"};
inline constexpr SettingKey dark{S, "dark", F::Colour, "$00404000"};
inline constexpr SettingKey back{S, "back", F::Colour, "clBlack"};
inline constexpr SettingKey dec{S, "dec", F::Colour, "clWhite"};
// The title line of an article with a marked word.
inline constexpr SettingKey mark{S, "mark", F::Colour, "clRed"};
// The title line of a headline never shown before ("new" is a word of the language).
inline constexpr SettingKey newHeadline{S, "new", F::Colour, "clAqua"};
} // namespace color

// The sign's and the description label's fonts.
namespace font {
inline constexpr std::string_view S = "font";
inline constexpr std::string_view kPGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kVerticalGothic = "@ＭＳ ゴシック";
inline constexpr SettingKey name1{S, "name1", F::Text, kPGothic};
inline constexpr SettingKey name2{S, "name2", F::Text, kVerticalGothic};
inline constexpr SettingKey OP1{S, "OP1", F::FontStyle, "0"};
inline constexpr SettingKey size1{S, "size1", F::Integer, "14"};
inline constexpr SettingKey name3{S, "name3", F::Text, kPGothic};
inline constexpr SettingKey OP2{S, "OP2", F::FontStyle, "0"};
inline constexpr SettingKey size2{S, "size2", F::Integer, "8"};
} // namespace font

// Sign, window and reader options.
namespace option {
inline constexpr std::string_view S = "option";
inline constexpr SettingKey OP0{S, "OP0", F::Flag, flag::True};
inline constexpr SettingKey OP2{S, "OP2", F::Flag, flag::False};
inline constexpr SettingKey OP4{S, "OP4", F::Flag, flag::True};
inline constexpr SettingKey OP5{S, "OP5", F::Integer, "10"};
inline constexpr SettingKey OP6{S, "OP6", F::Flag, flag::False};
inline constexpr SettingKey OP7{S, "OP7", F::Flag, flag::Down};
inline constexpr SettingKey OP8{S, "OP8", F::Flag, flag::False};
inline constexpr SettingKey OP9{S, "OP9", F::Integer, "0"};
inline constexpr SettingKey OP10{S, "OP10", F::Integer, "3"};
inline constexpr SettingKey OP11{S, "OP11", F::Flag, flag::Down};
inline constexpr SettingKey OP12{S, "OP12", F::Flag, flag::True};
inline constexpr SettingKey OP13{S, "OP13", F::Flag, flag::False};
inline constexpr SettingKey OP15{S, "OP15", F::Flag, flag::Bottom};
inline constexpr SettingKey OP16{S, "OP16", F::Integer, "0"};
inline constexpr SettingKey Direct{S, "Direct", F::Flag, flag::False};
inline constexpr SettingKey Rever{S, "Rever", F::Flag, flag::True};
// The sign stops while the pointer rests on it and names the article in a tooltip.
inline constexpr SettingKey Hover{S, "Hover", F::Flag, flag::True};
// Minutes before a feed is downloaded again; 0 downloads it at every visit.
inline constexpr SettingKey Refresh{S, "Refresh", F::Integer, "10"};
// A headline never shown before is lit in the new colour.
inline constexpr SettingKey NewMark{S, "NewMark", F::Flag, flag::False};
// A new headline with a marked word raises a desktop notification.
inline constexpr SettingKey Notify{S, "Notify", F::Flag, flag::False};
// The interface's language from the next start: "auto" (the desktop's), "ja" or "en".
inline constexpr SettingKey Language{S, "Language", F::Text, "auto"};
inline constexpr SettingKey urlEXE{S, "urlEXE", F::Text, ""};
inline constexpr SettingKey DefUri{S, "DefUri", F::Text, "http://"};
} // namespace option

// The line choices of the sign and the description bar.
namespace select {
inline constexpr std::string_view S = "select";
inline constexpr SettingKey main{S, "main", F::Integer, "0"};
inline constexpr SettingKey dec{S, "dec", F::Integer, "0"};
} // namespace select

// The words that mute or mark an article, separated by ",".
namespace filter {
inline constexpr std::string_view S = "filter";
inline constexpr SettingKey Mute{S, "Mute", F::WholeText, ""};
inline constexpr SettingKey Mark{S, "Mark", F::WholeText, ""};
} // namespace filter

// The aggregator account: its service (0 Tiny Tiny RSS, 1 Google Reader API), the API's
// address and the user. The password is kept in the desktop's keyring, never here.
namespace account {
inline constexpr std::string_view S = "account";
inline constexpr SettingKey service{S, "service", F::Integer, "0"};
inline constexpr SettingKey server{S, "server", F::Text, ""};
inline constexpr SettingKey user{S, "user", F::Text, ""};
} // namespace account

// data.ini: the hot-key choices and the plug-in flag.
namespace hotkey {
inline constexpr std::string_view S = "HotKey";
inline constexpr SettingKey open{S, "open", F::Integer, "1"};
inline constexpr SettingKey close{S, "close", F::Integer, "0"};
inline constexpr SettingKey next{S, "next", F::Integer, "0"};
inline constexpr SettingKey back{S, "back", F::Integer, "0"};
} // namespace hotkey

namespace plugin {
inline constexpr SettingKey Bar{"option", "Bar", F::Flag, flag::False};
} // namespace plugin

// PlugIn.ini in the plug-in's folder: where the plug-in finds the feed list and the program,
// and its own colours and speed.
namespace pluginini {
inline constexpr std::string_view kFileName = "PlugIn.ini";
inline constexpr SettingKey file{"data", "file", F::Text, ""};
inline constexpr SettingKey exe{"data", "exe", F::Text, ""};
inline constexpr SettingKey OP1{"option", "OP1", F::Colour, "clYellow"};
inline constexpr SettingKey OP2{"option", "OP2", F::Colour, "clWindowText"};
inline constexpr SettingKey OP3{"option", "OP3", F::Colour, "clBtnFace"};
inline constexpr SettingKey speed{"option", "int", F::Integer, "10"};
} // namespace pluginini

} // namespace settings
