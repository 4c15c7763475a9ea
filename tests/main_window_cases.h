// The main window's keyboard and mouse cases as one table for every
// platform: each window test drives its own toolkit through them.
#pragma once

namespace orvanel::testing {

enum class Key { Tab, Right, Down, Left, Up, Return, KeypadEnter, Space, G, Q, X, Escape };
enum class Held { Nothing, Shift, Ctrl, Alt };

struct KeyCase {
  const char* name;
  bool from_quit;  // focus on Button2 before the key, else on Button1
  Key key;
  Held held;
  int generate, quit;  // presses of each button
  bool focus_on_quit_after;
};

inline constexpr KeyCase KeyCases[] = {
    {"Tab", false, Key::Tab, Held::Nothing, 0, 0, true},
    {"Tab wraps", true, Key::Tab, Held::Nothing, 0, 0, false},
    {"Shift+Tab", false, Key::Tab, Held::Shift, 0, 0, true},
    {"Right", false, Key::Right, Held::Nothing, 0, 0, true},
    {"Down wraps", true, Key::Down, Held::Nothing, 0, 0, false},
    {"Left", true, Key::Left, Held::Nothing, 0, 0, false},
    {"Up wraps", false, Key::Up, Held::Nothing, 0, 0, true},
    {"Enter on Generate", false, Key::Return, Held::Nothing, 1, 0, false},
    {"Enter on Quit", true, Key::Return, Held::Nothing, 0, 1, true},
    {"keypad Enter", false, Key::KeypadEnter, Held::Nothing, 1, 0, false},
    {"Shift+Enter", false, Key::Return, Held::Shift, 0, 0, false},
    {"Ctrl+Enter", true, Key::Return, Held::Ctrl, 0, 0, true},
    {"Alt+Enter", false, Key::Return, Held::Alt, 0, 0, false},
    {"Space on Generate", false, Key::Space, Held::Nothing, 1, 0, false},
    {"Space on Quit", true, Key::Space, Held::Nothing, 0, 1, true},
    {"g", true, Key::G, Held::Nothing, 1, 0, true},
    {"G", false, Key::G, Held::Shift, 1, 0, false},
    {"Alt+G", true, Key::G, Held::Alt, 1, 0, true},
    {"Ctrl+G", false, Key::G, Held::Ctrl, 0, 0, false},
    {"q", false, Key::Q, Held::Nothing, 0, 1, false},
    {"Q", true, Key::Q, Held::Shift, 0, 1, true},
    {"Alt+Q", false, Key::Q, Held::Alt, 0, 1, false},
    {"Escape on Generate", false, Key::Escape, Held::Nothing, 0, 0, false},
    {"Escape on Quit", true, Key::Escape, Held::Nothing, 0, 0, true},
    {"another letter", false, Key::X, Held::Nothing, 0, 0, false},
};

struct Point {
  int x, y;  // in the window
};

struct LinkClickCase {
  const char* name;
  Point press, release;
  int opened;  // times the home page opens
};

inline constexpr LinkClickCase LinkClickCases[] = {
    {"click on the text", {150, 92}, {150, 92}, 1},
    {"click inside the area, off the text", {66, 82}, {66, 82}, 1},
    {"left of the area", {63, 90}, {63, 90}, 0},
    {"below the area", {150, 105}, {150, 105}, 0},
    {"press inside, release outside", {150, 92}, {150, 120}, 0},
    {"press on the picture, release inside", {150, 60}, {150, 92}, 0},
    {"on the version label", {120, 170}, {120, 170}, 0},
};

}  // namespace orvanel::testing
