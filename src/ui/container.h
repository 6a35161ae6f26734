// A control that others lie in: a group box, or a tab or page control whose pages share its
// rectangle. The defaults are a group box's: one page, always in sight, drawn on the colour
// around it.
#pragma once

#include <windows.h>

#include <optional>

namespace memo::ui {

class Container {
 public:
  // Whether the controls of this page are in sight.
  virtual bool ShowsPage(int /*page*/) const { return true; }
  // The colour of the body its controls lie on; none where they lie on the colour around it.
  virtual std::optional<COLORREF> BodyColour() const { return std::nullopt; }
  // That body in the client area of the container's parent.
  virtual RECT BodyRect() const { return {}; }
  // Takes the body colour again, after the size or the theme changed.
  virtual void SampleBodyColour() {}
  // Shows the next page (the previous one backwards); false where there are no pages.
  virtual bool TurnPage(bool /*backwards*/) { return false; }

 protected:
  ~Container() = default;
};

}  // namespace memo::ui
