// The advertisement picture box: a child window that shows a picture at its own size (pixels
// at 96 DPI, so it grows with the window's DPI as the box does), with the hand cursor, and
// reports a left button press. It starts with the built-in picture and swaps in a downloaded
// one only when the download is a picture. Used on the thread that owns its window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/dpi.h"

namespace memo {

namespace ui {
class WindowBinding;
}

class PictureBox {
 public:
  // builtInPicture: the bytes of the picture shown until a download replaces it (GIF, PNG or
  // JPEG). onLeftButton runs when the left button is pressed on it.
  PictureBox(std::string builtInPicture, std::function<void()> onLeftButton);
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Creates the window as a child of parent.
  HWND Create(HWND parent, int x, int y, int width, int height, int id);

  // Shows the downloaded bytes when they are a picture, the built-in picture otherwise
  // (nothing downloaded, an error page, anything else).
  void ShowDownloaded(const std::string& bytes);

  // The DPI of the window the box lies in: the picture grows with it as the box does.
  void SetDpi(const ui::Dpi& dpi);

 private:
  friend class ui::WindowBinding;
  // False when the class could not be registered.
  static bool RegisterClassOnce();
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Show(HBITMAP picture);
  void Paint();

  std::string builtInPicture_;
  std::function<void()> onLeftButton_;
  HWND window_ = nullptr;
  ui::Dpi dpi_;
  HBITMAP shown_ = nullptr;  // nullptr: the built-in picture did not decode, blank box
};

}  // namespace memo
