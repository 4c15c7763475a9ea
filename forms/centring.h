// Where the window's top-left corner goes to stand in the middle of a screen.
#pragma once

namespace orvanel {

struct WindowOrigin {
  int left;
  int top;
  friend bool operator==(const WindowOrigin&, const WindowOrigin&) = default;
};

// Integer halves of the spare room, never off the screen's top or left edge.
constexpr WindowOrigin CentredOrigin(int screen_width, int screen_height, int width, int height) {
  const int left = (screen_width - width) / 2;
  const int top = (screen_height - height) / 2;
  return {left < 0 ? 0 : left, top < 0 ? 0 : top};
}

}  // namespace orvanel
