#include "remote_controls.h"

namespace wine_test {

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

LPARAM RemoteMemory::At(size_t offset) const {
  return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

void RemoteMemory::Write(const void* data, size_t size, size_t offset) {
  WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

void RemoteMemory::Read(void* data, size_t size, size_t offset) const {
  ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

std::wstring RemoteMemory::Text(size_t offset, size_t characters) const {
  std::vector<wchar_t> text(characters + 1, 0);
  Read(text.data(), characters * sizeof(wchar_t), offset);
  return text.data();
}

namespace {

constexpr size_t kRemoteSize = RemoteMemory::kSize;

}  // namespace

std::wstring StatusPartText(HANDLE process, HWND status, int part) {
  RemoteMemory memory(process, kRemoteSize);
  SendMessageW(status, SB_GETTEXTW, part, memory.At(RemoteMemory::kTextOffset));
  return memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
}

std::wstring StatusPartTip(HANDLE process, HWND status, int part) {
  RemoteMemory memory(process, kRemoteSize);
  SendMessageW(status, SB_GETTIPTEXTW, MAKEWPARAM(part, RemoteMemory::kTextCharacters),
               memory.At(RemoteMemory::kTextOffset));
  return memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
}

std::vector<int> StatusPartEdges(HANDLE process, HWND status) {
  RemoteMemory memory(process, kRemoteSize);
  int count = static_cast<int>(SendMessageW(status, SB_GETPARTS, 64, memory.At()));
  std::vector<int> edges(count > 0 ? count : 0);
  if (!edges.empty()) memory.Read(edges.data(), edges.size() * sizeof(int));
  return edges;
}

std::wstring CueBanner(HANDLE process, HWND edit) {
  RemoteMemory memory(process, kRemoteSize);
  SendMessageW(edit, EM_GETCUEBANNER, memory.At(RemoteMemory::kTextOffset),
               RemoteMemory::kTextCharacters);
  return memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
}

std::vector<Column> ListColumns(HANDLE process, HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<Column> columns;
  RemoteMemory memory(process, kRemoteSize);
  for (int i = 0; i < count; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = reinterpret_cast<wchar_t*>(memory.At(RemoteMemory::kTextOffset));
    column.cchTextMax = RemoteMemory::kTextCharacters;
    memory.Write(&column, sizeof(column));
    SendMessageW(list, LVM_GETCOLUMNW, i, memory.At());
    memory.Read(&column, sizeof(column));
    columns.push_back(
        {memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters), column.cx});
  }
  return columns;
}

bool ColumnsFit(HANDLE process, HWND list) {
  int width = 0;
  for (const Column& column : ListColumns(process, list)) width += column.width;
  RECT client;
  GetClientRect(list, &client);
  return width <= client.right && !(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL);
}

std::wstring ListCell(HANDLE process, HWND list, int row, int column) {
  RemoteMemory memory(process, kRemoteSize);
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(memory.At(RemoteMemory::kTextOffset));
  item.cchTextMax = RemoteMemory::kTextCharacters;
  memory.Write(&item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, row, memory.At());
  return memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
}

void SelectListRows(HANDLE process, HWND list, const std::vector<int>& rows) {
  RemoteMemory memory(process, kRemoteSize);
  auto setState = [&](int row, UINT state, UINT mask) {
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    memory.Write(&item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, row, memory.At());
  };
  setState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (size_t i = 0; i < rows.size(); ++i) {
    setState(rows[i], i == 0 ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED,
             LVIS_SELECTED | LVIS_FOCUSED);
  }
}

SYSTEMTIME DatePickerTime(HANDLE process, HWND picker) {
  RemoteMemory memory(process, kRemoteSize);
  SendMessageW(picker, DTM_GETSYSTEMTIME, 0, memory.At());
  SYSTEMTIME time = {};
  memory.Read(&time, sizeof(time));
  return time;
}

RECT ListRowRect(HANDLE process, HWND list, int row) {
  RemoteMemory memory(process, kRemoteSize);
  RECT rect = {};
  rect.left = LVIR_BOUNDS;
  memory.Write(&rect, sizeof(rect));
  SendMessageW(list, LVM_GETITEMRECT, row, memory.At());
  memory.Read(&rect, sizeof(rect));
  return rect;
}

std::vector<std::wstring> TabCaptions(HANDLE process, HWND tab) {
  int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  std::vector<std::wstring> captions;
  RemoteMemory memory(process, kRemoteSize);
  for (int i = 0; i < count; ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(RemoteMemory::kTextOffset));
    item.cchTextMax = RemoteMemory::kTextCharacters;
    memory.Write(&item, sizeof(item));
    SendMessageW(tab, TCM_GETITEMW, i, memory.At());
    captions.push_back(memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters));
  }
  return captions;
}

RECT TabItemRect(HANDLE process, HWND tab, int index) {
  RemoteMemory memory(process, kRemoteSize);
  RECT rect = {};
  SendMessageW(tab, TCM_GETITEMRECT, index, memory.At());
  memory.Read(&rect, sizeof(rect));
  return rect;
}

std::vector<ToolButton> ToolButtons(HANDLE process, HWND toolbar) {
  int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  std::vector<ToolButton> buttons;
  RemoteMemory memory(process, kRemoteSize);
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageW(toolbar, TB_GETBUTTON, i, memory.At());
    memory.Read(&button, sizeof(button));
    ToolButton read{button.idCommand, button.fsStyle, button.iBitmap, L"", {}};
    if (!(button.fsStyle & BTNS_SEP)) {
      SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand,
                   memory.At(RemoteMemory::kTextOffset));
      read.caption = memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
    }
    SendMessageW(toolbar, TB_GETITEMRECT, i, memory.At());
    memory.Read(&read.rect, sizeof(read.rect));
    buttons.push_back(read);
  }
  return buttons;
}

ListRows ReadListRows(HANDLE process, HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  ListRows rows(count);
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < columns; ++column) {
      rows[row].push_back(ListCell(process, list, row, column));
    }
  }
  return rows;
}

std::pair<int, int> UpDownRange(HANDLE process, HWND arrows) {
  RemoteMemory memory(process, kRemoteSize);
  int range[2] = {-1, -1};
  memory.Write(range, sizeof(range));
  SendMessageW(arrows, UDM_GETRANGE32, memory.At(), memory.At(sizeof(int)));
  memory.Read(range, sizeof(range));
  return {range[0], range[1]};
}

}  // namespace wine_test
