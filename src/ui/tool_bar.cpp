#include "ui/tool_bar.h"

#include "text/win32/wide_text.h"
#include "ui/images.h"

namespace memo::ui {
namespace {

// Button ids start at 1: a button's index in the design is its id minus 1.
constexpr int kFirstButtonId = 1;

}  // namespace

ToolBar::~ToolBar() {
  if (imageList_) ImageList_Destroy(imageList_);
}

void ToolBar::SetButtons(const ToolButtonDesign* buttons, size_t count,
                         const ImageStripDesign& images) {
  buttons_ = buttons;
  buttonCount_ = count;
  images_ = &images;
}

bool ToolBar::Create(const CreateArgs& args) {
  if (!CreateChild(
          args, TOOLBARCLASSNAMEW,
          TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE)) {
    return false;
  }
  SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  OnDpiChanged(args.host->CurrentDpi());
  AddButtons();
  return true;
}

void ToolBar::AddButtons() {
  for (size_t i = 0; i < buttonCount_; ++i) {
    TBBUTTON button = {};
    button.idCommand = kFirstButtonId + static_cast<int>(i);
    if (!buttons_[i].caption) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = buttons_[i].image;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
      std::wstring caption = Wide(buttons_[i].caption);
      // The toolbar keeps its own copy of the caption.
      button.iString = SendMessageW(window_, TB_ADDSTRINGW, 0,
                                    reinterpret_cast<LPARAM>((caption + L'\0').c_str()));
    }
    SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
}

void ToolBar::OnDpiChanged(const Dpi& dpi) {
  HIMAGELIST old = imageList_;
  imageList_ = LoadImageStrip(*images_, dpi);
  SendMessageW(window_, TB_SETBITMAPSIZE, 0,
               MAKELPARAM(dpi.Scale(images_->width), dpi.Scale(images_->height)));
  SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList_));
  if (old) ImageList_Destroy(old);
}

void ToolBar::EnableButton(int index, bool enabled) {
  SendMessageW(window_, TB_ENABLEBUTTON, kFirstButtonId + index, MAKELPARAM(enabled, 0));
}

void ToolBar::OnCommand(int id, int) {
  int index = id - kFirstButtonId;
  if (index >= 0 && index < static_cast<int>(buttonCount_) && onButtonClick) onButtonClick(index);
}

bool ToolBar::OwnsNotifier(HWND from) const {
  return from == window_ ||
         from == reinterpret_cast<HWND>(SendMessageW(window_, TB_GETTOOLTIPS, 0, 0));
}

LRESULT ToolBar::OnNotify(NMHDR* header) {
  int index = -1;
  wchar_t* text = nullptr;
  int capacity = 0;
  if (header->code == TBN_GETINFOTIPW) {
    auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(header);
    index = tip->iItem - kFirstButtonId;
    text = tip->pszText;
    capacity = tip->cchTextMax;
  } else if (header->code == TTN_GETDISPINFOW) {
    auto* tip = reinterpret_cast<NMTTDISPINFOW*>(header);
    index = static_cast<int>(header->idFrom) - kFirstButtonId;
    tip->lpszText = tip->szText;
    text = tip->szText;
    capacity = ARRAYSIZE(tip->szText);
  }
  if (!text || capacity <= 0) return 0;
  // Buttons without a tooltip in the design get an empty one, so that none shows.
  const char* tooltip =
      index >= 0 && index < static_cast<int>(buttonCount_) ? buttons_[index].tooltip : nullptr;
  lstrcpynW(text, Wide(tooltip ? tooltip : "").c_str(), capacity);
  return 0;
}

}  // namespace memo::ui
